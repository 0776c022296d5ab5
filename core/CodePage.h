#pragma once
#include <string>
#include <string_view>

// Files on disk hold text in the Western European Windows code page
// (Windows-1252); inside the program all text is UTF-8. Convert only where a
// file is read or written.
namespace keldo {

std::string Cp1252ToUtf8(std::string_view bytes);

// Characters that the code page cannot hold (and invalid UTF-8) become '?'.
std::string Utf8ToCp1252(std::string_view text);

// Appends the UTF-8 form of one Unicode code point.
void AppendUtf8(std::string& out, char32_t cp);

} // namespace keldo
