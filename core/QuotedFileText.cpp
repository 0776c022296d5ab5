#include "QuotedFileText.h"

#include "CodePage.h"
#include "Utf8Text.h"

namespace keldo {

std::string QuotedFileText(std::string_view text)
{
    constexpr size_t kLongest = 60;
    const std::string_view shown = CutToBytes(text, kLongest);
    const bool cut = text.size() > kLongest;
    std::string quoted = "\"" + FileTextToUtf8(shown);
    return quoted + (cut ? "…\"" : "\"");
}

} // namespace keldo
