#pragma once
#include <string>
#include <string_view>

// Number formatting and scanning with the C conventions and a decimal point,
// whatever locale the process runs under (Qt sets it from the environment).
namespace keldo {

// printf into a std::string, always in the "C" locale.
std::string Format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Appends `value` as printf's "%<width>.<precision>f" would (right-aligned,
// same digits and rounding), without going through printf.
void AppendFixed(std::string& out, double value, int width, int precision);

// A labelled line of a report block: label and unit filled to 38 characters,
// as in the report header ("  Wasserdichte                   (kg/m3):"),
// then the value as formatted.
std::string Labelled(const std::string& label, const std::string& unit, const std::string& value);

// Scans up to `count` numbers like sscanf with consecutive "%f" conversions:
// white space before each number is skipped, then a decimal number with an
// optional sign, decimal point and exponent is read and rounded to float.
// "nan", "inf" and hexadecimal forms are not numbers. Returns how many numbers
// were read; scanning stops at the first text that is not a number.
int ScanFloats(std::string_view text, float* values, int count);

// True when `text`, apart from white space around it, is exactly one decimal
// number in the grammar of ScanFloats; the number is stored in `value`.
bool ParseWholeFloat(std::string_view text, float& value);

} // namespace keldo
