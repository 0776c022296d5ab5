#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "TextFormat.h"

namespace keldo {

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

std::string ShortestNumberText(double value)
{
    if (!std::isfinite(value))
        return {};
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

} // namespace keldo
