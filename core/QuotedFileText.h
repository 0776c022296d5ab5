#pragma once
#include <string>
#include <string_view>

namespace keldo {

// File text quoted in a message: in double quotes, as it stands when it is
// UTF-8, else read as Windows-1252; cut after 60 bytes with "…".
std::string QuotedFileText(std::string_view text);

} // namespace keldo
