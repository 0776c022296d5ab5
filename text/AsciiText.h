#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Blanks and letter case as the readers of users' files see them: ASCII
// only, whatever the locale (mnemonics, units, column names and keywords are
// ASCII; a byte from 0x80 on is never a blank and has no case).
namespace keldo {

// Blanks, tabs and the other ASCII white space, as isspace in the "C" locale.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// `text` without the blanks at either end.
std::string_view TrimBlanks(std::string_view text);

// True when `text` holds nothing but blanks (or nothing at all).
inline bool IsBlankText(std::string_view text) { return TrimBlanks(text).empty(); }

// The blank-separated word of `text` that begins at or after `pos` (blanks
// before it skipped); `pos` moves past it. Empty when only blanks are left.
inline std::string_view NextWord(std::string_view text, size_t& pos)
{
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const size_t start = pos;
    while (pos < text.size() && !IsBlank(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

// ASCII letters upper-cased, every other byte as it is.
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

} // namespace keldo
