#pragma once
#include <span>
#include <vector>

#include "MeasurementCurves.h"

// How much rock one measurement stands for.
namespace keldo {

// A half towards a neighbour counts at most this much (m): a gap in the log
// is not rock.
inline constexpr double kLongestHalf = 0.5;

// The thickness (m) of each row of `rows` (the lines of a depth window in
// their order): half the TVD distance to each neighbouring row, each half at
// most kLongestHalf; the first and the last row have one half only, a single
// row none.
std::vector<double> RowThicknesses(std::span<const CurveRow> rows);

} // namespace keldo
