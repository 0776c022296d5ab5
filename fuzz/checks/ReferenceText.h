#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Plain models of reading text, for the checks to hold the programs' own
// readers to.
namespace keldo::fuzz {

// The lines of `bytes`, split at LF, a CR before the LF dropped; text after
// the last LF is a line of its own.
std::vector<std::string> SplitLines(std::string_view bytes);

// The length of the decimal number at the start of `text` in the grammar the
// C library's "%f" and strtod take for plain decimals: [+-] digits [. digits]
// (at least one digit) and an exponent e/E [+-] digits only when digits
// follow it. 0 when no number starts there.
size_t DecimalNumberLength(std::string_view text);

} // namespace keldo::fuzz
