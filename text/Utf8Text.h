#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Lengths and cuts of UTF-8 text, the program's text inside: a character is
// a code point, counted by the bytes that begin one (every byte but the
// continuation bytes 0x80 to 0xBF).
namespace keldo {

inline bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing beyond U+10FFFF).
bool IsValidUtf8(std::string_view text);

// The number of characters of `text`.
size_t Utf8Length(std::string_view text);

// The first `count` characters of `text` (all of it when it has no more).
std::string_view CutToCharacters(std::string_view text, size_t count);

// The first `bytes` bytes of `text`, less a character that the cut would
// split: a UTF-8 sequence at the end that is not whole (or not valid) within
// the cut is dropped. Text that fits stays as it is.
std::string_view CutToBytes(std::string_view text, size_t bytes);

// `text` in a column of `width` characters: cut to that many, the rest
// filled with blanks, on the right (`alignLeft`) or on the left.
std::string PadToCharacters(std::string_view text, size_t width, bool alignLeft);

} // namespace keldo
