#pragma once
#include <array>

#include "SaturationModel.h"

// The model read the other way round: the water saturation a capillary
// curve gives at a mercury pressure, which is what a fit compares with the
// measured saturation. The curve's capillary pressure is the model's own
// (CapillaryPressureAt); nothing of the formula is repeated here.
namespace keldo {

// Sw (-) of the curve at `pressure` (bar): 1 up to the threshold pressure,
// Swmin from Pc max on, between them the saturation whose capillary pressure
// is `pressure`, found to about 1e-14. A `guess` near the answer (the
// saturation of a curve just before) saves evaluations; any other value
// costs a few.
double SaturationAtPressure(const CapillaryCurve& c, double pressure, double guess = -1);

// The order of the curve's quantities in SaturationSlopes.
enum CurveQuantity { kSwmin, kPcsperr, kAlfa, kBeta, kCurveQuantities };

// Sw and its derivatives by the curve's Swmin, Pcsperr, alfa and beta at a
// fixed pressure: from Pc(Sw) = pressure, dSw/dq = -(dPc/dq)/(dPc/dSw),
// both slopes by differences of the model at the found saturation.
struct SaturationSlopes {
    double sw = 1;
    std::array<double, kCurveQuantities> d{};
};
// `sw` is SaturationAtPressure(c, pressure).
SaturationSlopes SlopesAt(const CapillaryCurve& c, double pressure, double sw);

inline SaturationSlopes SaturationWithSlopes(const CapillaryCurve& c, double pressure)
{
    return SlopesAt(c, pressure, SaturationAtPressure(c, pressure));
}

} // namespace keldo
