#include "WellDataFile.h"

#include <cerrno>
#include <filesystem>

#include "FileAccess.h"
#include "TextFormat.h"

namespace keldo {

bool OpenWellDataFile(const std::string& path, std::ifstream& in, WellDataError& error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    int reason = 0;
    if (status.type() == fs::file_type::not_found)
        reason = ENOENT;
    else if (ec)
        reason = ec.value();
    else if (fs::is_directory(status))
        reason = EISDIR;
    else if (!fs::is_regular_file(status))
        reason = EINVAL;
    if (reason == 0) {
        errno = 0;
        in.open(path, std::ios::binary);
        if (in.is_open())
            return true;
        reason = errno != 0 ? errno : EACCES;
    }
    return Fail(
        error, WellDataErrorKind::CannotRead, 0, "Die Datei kann nicht gelesen werden. " + SystemErrorReason(reason));
}

bool NextLine(LineReader& lines, std::string_view& line, bool& failed, WellDataError& error, WellDataErrorKind tooLong)
{
    failed = false;
    switch (lines.Next(line)) {
    case LineReader::Result::Line:
        return true;
    case LineReader::Result::End:
        return false;
    case LineReader::Result::ReadError:
        failed = true;
        return Fail(error, WellDataErrorKind::CannotRead, 0, "Beim Lesen der Datei ist ein Fehler aufgetreten.");
    case LineReader::Result::TooManyLines:
        failed = true;
        return Fail(error, tooLong, lines.LineNumber(),
            Format("Die Datei hat mehr als %zu Zeilen.", kWellDataLimits.mostLines));
    case LineReader::Result::TooLong:
        break;
    }
    failed = true;
    return Fail(error, tooLong, lines.LineNumber(),
        Format("Die Zeile ist länger als %zu Zeichen.", kWellDataLimits.longestLine));
}

} // namespace keldo
