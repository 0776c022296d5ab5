#pragma once
#include <string>

#include "GraphPrimitives.h"
#include "PcNormalization.h"
#include "SaturationModel.h"

// The graph pages of the capillary-pressure normalization, drawn into the
// chart frame of the other fit graphs, so that the chart view shows, prints
// and exports them. Colours run from blue (lowest K) to red (highest K).
namespace keldo {

// Pc (bar, log axis) over Sw: each sample's points and the taken model's
// curve at its K. `source` names the file.
GraphPage PcCurvesGraph(const PcNormalization& n, const std::string& source);

// Swmin, Pcsperr, alfa and beta over K (log axis), four panels: the
// samples' fitted values, the taken relations and, where the other set
// differs, the other one.
GraphPage PcParameterGraph(const PcNormalization& n, const std::string& source);

// Height above the contact over Sw for K = 1, 10, 100 and 1000 mD, computed
// as the runs compute it: `fluids` are the document's model parameters
// (capillary factor, densities), the taken coefficients and Pc max replace
// its own. `fluid` as the document's m_nFluid.
GraphPage SaturationHeightGraph(
    const PcNormalization& n, const ModelParameters& fluids, int fluid, const std::string& source);

// The colour 0xRRGGBB of a value at `t` (0 to 1) of its range: blue, green, red.
int RampColour(double t);

} // namespace keldo
