#pragma once
#include <vector>

#include "PcCoefficients.h"
#include "PcTable.h"

// The whole-set refinement: the coefficients fitted at once to every point
// of every sample, with the model exactly as the runs evaluate it (CurveFor
// of the mercury system: coefficients in single precision, Swmin capped at
// 1, alfa raised to 1.5), starting from the relations. Residuals in
// saturation with the same robust loss as the per-sample fits.
namespace keldo {

// One sample as the refinement sees it.
struct RefinementSample {
    double permeability = 0;     // mD
    std::vector<PcPoint> points; // closure-corrected
};

struct PcRefinement {
    bool ok = false;
    bool converged = true; // false: stopped at the iteration limit
    PcCoefficients coefficients;
};

// alfa's coefficients above `alfaOrder` stay 0.
PcRefinement RefineCoefficients(
    const std::vector<RefinementSample>& samples, const PcCoefficients& start, int alfaOrder, float pcMax);

// RMS of Sw over all points of the samples for the model with `c`.
double SetRms(const std::vector<RefinementSample>& samples, const PcCoefficients& c, float pcMax);

} // namespace keldo
