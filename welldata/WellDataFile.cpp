#include "WellDataFile.h"

#include "FileAccess.h"
#include "TextFormat.h"

namespace keldo {

bool OpenWellDataFile(const std::string& path, InputFile& in, WellDataError& error)
{
    int reason = 0;
    if (in.Open(path, reason))
        return true;
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
