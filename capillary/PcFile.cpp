#include "PcFile.h"

#include "CodePage.h"
#include "CsvTable.h"
#include "FileAccess.h"

namespace keldo {

PcTableResult ReadPcTableText(std::string_view bytes)
{
    CsvOptions options;
    options.separators = kCommaSemicolonOrTab;
    options.requireUtf8 = false; // decided for the whole file here
    options.limits = kPcFileLimits;
    const std::string text = FileTextToUtf8(WithoutByteOrderMark(bytes));
    return InterpretPcTable(ReadCsvTable(text, options));
}

PcTableResult ReadPcFile(const std::string& path)
{
    std::string bytes;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err)) {
        PcTableResult result;
        result.error.kind = PcTableErrorKind::CannotRead;
        result.error.file = path;
        result.error.systemError = err;
        return result;
    }
    return ReadPcTableText(bytes);
}

} // namespace keldo
