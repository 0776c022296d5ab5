#pragma once
#include <string>
#include <string_view>

// Small text helpers shared by the LAS and survey readers.
namespace keldo {

// Blanks, tabs and the other ASCII white space.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string_view TrimBlanks(std::string_view text);

// ASCII letters only: mnemonics and units are ASCII.
std::string AsciiUpper(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool IsValidUtf8(std::string_view text);

// File text quoted in a message: in double quotes, as it stands when it is
// UTF-8, else read as Windows-1252; cut after 60 bytes with "…".
std::string QuotedFileText(std::string_view text);

} // namespace keldo
