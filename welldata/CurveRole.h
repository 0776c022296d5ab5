#pragma once

namespace keldo {

// What a LAS curve is taken for. Other: any further curve a caller wants; it
// has no suggestion.
enum class CurveRole { Depth, Porosity, WaterSaturation, Permeability, Other };

} // namespace keldo
