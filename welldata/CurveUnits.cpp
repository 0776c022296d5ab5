#include "CurveUnits.h"

#include <initializer_list>
#include <string>

#include "AsciiText.h"

namespace keldo {
namespace {

// Units compare without regard to case and surrounding blanks.
bool IsOneOf(std::string_view unit, std::initializer_list<const char*> names)
{
    const std::string_view trimmed = TrimBlanks(unit);
    for (const char* name : names)
        if (EqualsIgnoringCase(trimmed, name))
            return true;
    return false;
}

UnitConversion Unknown() { return UnitConversion{1, false, false}; }

} // namespace

UnitConversion DepthUnit(std::string_view unit)
{
    if (IsOneOf(unit, {"M", "METER", "METERS", "METRE", "METRES"}))
        return {};
    if (IsOneOf(unit, {"FT", "F", "FEET"}))
        return UnitConversion{0.3048, false, true};
    return Unknown();
}

UnitConversion FractionUnit(std::string_view unit)
{
    if (IsOneOf(unit, {"", "V/V", "FRAC", "DEC", "FRACTION", "V/V_DECIMAL", "-"}))
        return {};
    if (IsOneOf(unit, {"%", "PU", "P.U.", "PERCENT"}))
        return UnitConversion{100, true, true};
    return Unknown();
}

UnitConversion PermeabilityUnit(std::string_view unit)
{
    if (IsOneOf(unit, {"MD", "MILLIDARCY", "MILLIDARCIES"}))
        return {};
    if (IsOneOf(unit, {"D", "DARCY", "DARCIES"}))
        return UnitConversion{1000, false, true};
    return Unknown();
}

} // namespace keldo
