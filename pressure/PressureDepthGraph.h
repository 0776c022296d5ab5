#pragma once
#include <optional>
#include <string>
#include <vector>

#include "FreeWaterLevel.h"
#include "GraphPrimitives.h"

namespace keldo {

// Pressure over depth, drawn into the chart frame of the fit graphs (so the
// chart view shows, prints and exports it): depth growing downwards, the
// points of each leg in its colour with its line across the plot, the
// points left out as open circles, the free-water level as a dashed line
// with its P90-P10 band shaded, and `logContact`, the contact of the log
// fit, as a solid line. `fluid` as the document's m_nFluid.
GraphPage PressureDepthGraph(const FreeWaterLevel& level, const std::vector<PressurePoint>& leftOut,
    std::optional<float> logContact, int fluid, const std::string& well);

} // namespace keldo
