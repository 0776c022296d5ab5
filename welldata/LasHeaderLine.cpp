#include "LasHeaderLine.h"

#include "AsciiText.h"

namespace keldo {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The first colon at or after `from` that is not between two digits.
size_t FindDelimitingColon(std::string_view line, size_t from)
{
    for (size_t i = line.find(':', from); i != std::string_view::npos; i = line.find(':', i + 1)) {
        const bool betweenDigits = i > 0 && i + 1 < line.size() && IsDigit(line[i - 1]) && IsDigit(line[i + 1]);
        if (!betweenDigits)
            return i;
    }
    return std::string_view::npos;
}

std::string Trimmed(std::string_view text) { return std::string(TrimBlanks(text)); }

} // namespace

LasHeaderItem ParseLasHeaderLine(std::string_view line)
{
    LasHeaderItem item;
    const size_t period = line.find('.');
    const size_t firstColon = FindDelimitingColon(line, 0);
    if (period == std::string_view::npos || (firstColon != std::string_view::npos && firstColon < period)) {
        item.mnemonic = Trimmed(line.substr(0, firstColon));
        if (firstColon != std::string_view::npos)
            item.description = Trimmed(line.substr(firstColon + 1));
        return item;
    }
    item.mnemonic = Trimmed(line.substr(0, period));
    // A colon right after the period ("UWI.:ID") ends an empty unit; any
    // other colon belongs to the unit up to the blank ("TIME.HH:MM").
    size_t unitEnd = period + 1;
    if (unitEnd != firstColon)
        while (unitEnd < line.size() && line[unitEnd] != ' ' && line[unitEnd] != '\t')
            ++unitEnd;
    item.unit = std::string(line.substr(period + 1, unitEnd - period - 1));
    const size_t colon = FindDelimitingColon(line, unitEnd);
    item.value
        = Trimmed(line.substr(unitEnd, colon == std::string_view::npos ? std::string_view::npos : colon - unitEnd));
    if (colon != std::string_view::npos)
        item.description = Trimmed(line.substr(colon + 1));
    return item;
}

void SwapOldStyleWellItem(LasHeaderItem& item)
{
    for (const char* kept : {"STRT", "STOP", "STEP", "NULL"})
        if (EqualsIgnoringCase(item.mnemonic, kept))
            return;
    std::swap(item.value, item.description);
}

} // namespace keldo
