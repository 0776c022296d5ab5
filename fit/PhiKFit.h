#pragma once
#include <array>
#include <string>

#include "PhiKSamples.h"

namespace keldo {

// log10(K) = c0 + c1·φ + c2·φ² (K in mD, φ a fraction), fitted by least
// squares in log10(K).
struct PhiKFitResult {
    bool ok = false;
    std::string message; // why there is no fit (German); empty when ok
    std::string notice;  // the quadratic term could not be determined (German)
    int requestedOrder = 2;
    int order = 0; // 1 or 2: the order fitted
    int n = 0;     // pairs fitted
    std::array<double, 3> coefficients{};
    double r2 = 0;       // 1 - SSres/SStot in log10(K); 1 when all K are equal
    double rmsLog10 = 0; // sqrt(SSres / n): the residuals' RMS in decades
    // The coefficients as the document's Phi-K fields hold them once the
    // dialog has shown them: 6 significant digits, read back as float.
    std::array<float, 3> documentCoefficients{};
};

// Fits order 1 or 2 to the selected pairs. Order 2 falls back to order 1
// with a notice when φ² is not determined: fewer than three different
// porosities, or porosities so close to one line that less than 1e-5 of
// the φ² column is left once 1 and φ are projected out. The porosities come
// as floats (7 digits), so such a remainder is their rounding and not data.
PhiKFitResult FitPhiK(const PhiKSelection& selection, int order = 2);

// log10(K) of the relation at porosity φ.
double PhiKLog10(const std::array<double, 3>& c, double phi);

} // namespace keldo
