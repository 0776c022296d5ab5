#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "TextFormat.h"

namespace keldo {

bool ParseNumber(std::string_view token, double& value)
{
    if (token.empty())
        return false;
    std::string_view number = token;
    if (number.front() == '+')
        number.remove_prefix(1);
    // from_chars takes a minus sign itself but no plus, and also "nan" and
    // "inf": only a digit or a point may follow the sign.
    std::string_view digits = number;
    if (!digits.empty() && digits.front() == '-')
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

double MatchTextImportFloat(std::string_view token, double value)
{
    const auto nearest = static_cast<float>(value);
    if (!std::isfinite(nearest) || static_cast<double>(nearest) == value)
        return value;
    const float other = std::nextafter(
        nearest, value > nearest ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity());
    if (value - static_cast<double>(nearest) != static_cast<double>(other) - value)
        return value; // not a tie: every rounding gives `nearest`
    float asRead = 0;
    if (!ParseWholeFloat(token, asRead) || asRead == nearest)
        return value;
    return std::nextafter(value, static_cast<double>(asRead));
}

} // namespace keldo
