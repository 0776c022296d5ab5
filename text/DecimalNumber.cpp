#include "DecimalNumber.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace keldo {
namespace {

// The plain decimals that fill log files ("3351.600", "-999.25", "0.2699"):
// at most 15 digits and no exponent. Digits and power of ten are then both
// exact doubles, and one division gives the correctly rounded value, the
// same as the general conversion (the classic fast path). False for
// anything else, which goes the general way.
bool ParsePlainDecimal(std::string_view token, double& value)
{
    static constexpr double kPowers[]
        = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    size_t i = 0;
    const bool negative = token[0] == '-';
    if (token[0] == '-' || token[0] == '+')
        ++i;
    uint64_t digits = 0;
    int count = 0, decimals = 0;
    bool point = false;
    for (; i < token.size(); ++i) {
        const char c = token[i];
        if (c >= '0' && c <= '9') {
            if (++count > 15)
                return false;
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            decimals += point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    if (count == 0)
        return false;
    const double magnitude = static_cast<double>(digits) / kPowers[decimals];
    value = negative ? -magnitude : magnitude;
    return true;
}

} // namespace

bool ParseNumber(std::string_view token, double& value)
{
    if (token.empty())
        return false;
    if (ParsePlainDecimal(token, value))
        return true;
    // from_chars takes a minus sign but no plus, and also "nan" and "inf":
    // one sign at most, then a digit or a point.
    std::string_view number = token;
    const bool plus = number.front() == '+';
    if (plus)
        number.remove_prefix(1);
    std::string_view digits = number;
    if (!plus && !digits.empty() && digits.front() == '-')
        digits.remove_prefix(1);
    if (digits.empty() || !((digits.front() >= '0' && digits.front() <= '9') || digits.front() == '.'))
        return false;
    double v = 0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), v, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

std::string WithDecimalPoint(std::string_view text)
{
    std::string number(text);
    const size_t comma = number.find(',');
    if (comma != std::string::npos && comma == number.rfind(',') && number.find('.') == std::string::npos)
        number[comma] = '.';
    return number;
}

bool ParseNumberCell(std::string_view cell, DecimalMark mark, double& value)
{
    return mark == DecimalMark::PointOrComma ? ParseNumber(WithDecimalPoint(cell), value) : ParseNumber(cell, value);
}

} // namespace keldo
