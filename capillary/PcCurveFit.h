#pragma once
#include <vector>

#include "PcSaturation.h"
#include "PcTable.h"

// The fit of one sample's capillary-pressure curve: the model's normalized
// curve in the mercury system with the sample's own Swmin, Pcsperr, alfa and
// beta (alfa without the floor of the relations).
//
// - Residuals in saturation: the model's Sw at each measured pressure less
//   the measured Sw. The scatter of a measurement lies in the saturation
//   (volumes read off a pump), the pressure is set; and a point that shows
//   no intrusion yet (Sw = 1) is met exactly by any curve whose threshold
//   pressure lies above it, so that such points only bound the threshold.
// - Robust: a Cauchy loss of scale 0.05 in saturation. Residuals of a few
//   hundredths (the scatter of a good measurement) count fully, a point 0.3
//   off counts about as much as one 0.1 off, so that a single bad point does
//   not bend the curve.
// - Bounded (Ceres Solver, Levenberg-Marquardt): Swmin in [1e-4, 0.99],
//   Pcsperr in [1e-8, 0.99]·Pc max, alfa in [0.05, 200], beta in [1e-8, 1e3];
//   Swmin, Pcsperr and beta are fitted as their log10.
namespace keldo {

// Scale of the robust loss, in saturation.
constexpr double kRobustScale = 0.05;

struct SampleCurveFit {
    bool ok = false;
    double swmin = 0, pcsperr = 0, alfa = 0, beta = 0; // (-), bar, (-), (-)
    double rms = 0;                                    // RMS of Sw over the points
    bool converged = true;                             // false: stopped at the iteration limit
};

// `points` by rising pressure, `permeability` in mD, `pcMax` in bar.
SampleCurveFit FitSampleCurve(const std::vector<PcPoint>& points, double permeability, float pcMax);

// The sample's curve in the mercury system with the given quantities.
CapillaryCurve SampleCurve(double permeability, float pcMax, double swmin, double pcsperr, double alfa, double beta);

// RMS of Sw over `points` for the curve.
double SaturationRms(const CapillaryCurve& curve, const std::vector<PcPoint>& points);

} // namespace keldo
