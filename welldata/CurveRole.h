#pragma once

namespace keldo {

// What a LAS curve is taken for. Shale: the shale volume ("Tonanteil") of
// net reservoir rock, optional. Other: any further curve a caller wants; it
// has no suggestion.
enum class CurveRole { Depth, Porosity, WaterSaturation, Permeability, Shale, Other };

} // namespace keldo
