#pragma once
#include <string>
#include <string_view>

#include "DecimalNumber.h" // ParseNumber

// Numbers in LAS files and surveys, read without regard to the locale.
namespace keldo {

// The double nearest to a decimal text can lie exactly halfway between two
// floats although the text does not; float(value) then rounds the tie to even,
// where the text import, which rounds the text straight to float, may round the
// other way. Returns `value` moved by one double step towards the float the
// text import reads in that case, and `value` itself otherwise, so that
// float(result) is always the float the text import would read from `token`.
double MatchTextImportFloat(std::string_view token, double value);

// The shortest decimal text that reads back as the same double ("-999.25",
// "3351.6", "1e+21"), for showing a value read from a file as it was meant.
// Not finite: an empty text.
std::string ShortestNumberText(double value);

} // namespace keldo
