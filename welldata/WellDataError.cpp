#include "WellDataError.h"

#include "TextFormat.h"

namespace keldo {

WellDataErrorGroup GroupOf(WellDataErrorKind kind)
{
    switch (kind) {
    case WellDataErrorKind::UnknownCurve:
    case WellDataErrorKind::NoSuggestion:
    case WellDataErrorKind::NoUsableRow:
        return WellDataErrorGroup::NothingToUse;
    default:
        return WellDataErrorGroup::UnreadableFile;
    }
}

bool Fail(WellDataError& error, WellDataErrorKind kind, long long line, std::string detail)
{
    error.kind = kind;
    error.line = line;
    error.curve.reset();
    error.detail = std::move(detail);
    return false;
}

std::string WellDataError::Message() const
{
    std::string text = survey ? "ABBRUCH!!Bohrpfaddatei " : "ABBRUCH!!LAS-Datei ";
    text += file;
    if (line > 0)
        text += Format(", Zeile %lld", line);
    text += ": ";
    text += detail;
    return text;
}

} // namespace keldo
