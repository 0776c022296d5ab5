#pragma once
#include <string_view>

// The units of depth, porosity, water saturation and permeability curves, and
// how their values become metres, fractions and millidarcy.
namespace keldo {

struct UnitConversion {
    double factor = 1;
    bool divide = false; // percent: divided by 100, which rounds once, where * 0.01 would round twice
    bool known = true;   // false: the unit is not in the table and is taken as the base unit

    double Apply(double value) const { return divide ? value / factor : value * factor; }
};

// Depth: M, METER, METERS, METRE, METRES as they are; FT, F, FEET times
// 0.3048 exactly. Anything else (also no unit) is taken as metres, not known.
UnitConversion DepthUnit(std::string_view unit);

// Porosity and water saturation: V/V, FRAC, DEC, FRACTION, V/V_DECIMAL, "-"
// and no unit are fractions; %, PU, P.U., PERCENT are divided by 100. Anything
// else is taken as a fraction, not known.
UnitConversion FractionUnit(std::string_view unit);

// Permeability: MD, MILLIDARCY, MILLIDARCIES as they are; D, DARCY, DARCIES
// times 1000. Anything else is taken as millidarcy, not known.
UnitConversion PermeabilityUnit(std::string_view unit);

} // namespace keldo
