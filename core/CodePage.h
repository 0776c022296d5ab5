#pragma once
#include <string>
#include <string_view>

// Files on disk hold text in the Western European Windows code page
// (Windows-1252); inside the program all text is UTF-8. Convert only where a
// file is read or written.
namespace keldo {

std::string Cp1252ToUtf8(std::string_view bytes);

// The text of a user's file (or a piece of it) in the program's UTF-8: as it
// stands when it is well-formed UTF-8, else read as Windows-1252. Every
// reader of users' files decides the code this one way.
std::string FileTextToUtf8(std::string_view bytes);

// Characters that the code page cannot hold (and invalid UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view text);

// Appends the UTF-8 form of one Unicode code point.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace keldo
