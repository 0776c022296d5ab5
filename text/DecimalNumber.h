#pragma once
#include <string>
#include <string_view>

// Numbers in the text of users' files, read without regard to the locale.
namespace keldo {

// True when `token` is, as a whole, one finite decimal number: an optional
// sign, digits with an optional decimal point, an optional exponent ("1.5",
// "-999.25", ".5", "2.", "1E-3"). "nan", "inf", hexadecimal forms, decimal
// commas, trailing text and numbers beyond the double range are not numbers.
// The value is the correctly rounded double.
bool ParseNumber(std::string_view token, double& value);

// How the cells of a table may write the decimal separator.
enum class DecimalMark {
    Point,        // "3027.5" only
    PointOrComma, // also "3027,5", as spreadsheets under a German locale write it
};

// A number with a decimal comma ("3027,5": one comma and no point) written
// with a point; any other text as it stands.
std::string WithDecimalPoint(std::string_view text);

// A cell as one number (ParseNumber), its decimal comma taken as the point
// when `mark` allows it.
bool ParseNumberCell(std::string_view cell, DecimalMark mark, double& value);

} // namespace keldo
