#pragma once
#include <vector>

#include "PcCoefficients.h"

// The second step of the normalization: the samples' fitted Swmin, Pcsperr,
// alfa and beta as functions of L = log10(K), by least squares (QR):
// log10(Swmin), log10(Pcsperr) and log10(beta) straight lines in L, alfa a
// polynomial of order 0 to 3 in L.
namespace keldo {

// One sample's fitted values at its L.
struct SampleParameters {
    double logK = 0; // log10(K in mD)
    double swmin = 0, pcsperr = 0, alfa = 0, beta = 0;
};

struct PcRelation {
    double r2 = 1;  // 1 - SSres/SStot of the fitted quantity; 1 where it does not vary
    double rms = 0; // sqrt(SSres/n): decades for the logarithms, alfa's own unit for alfa
};

enum class AlfaOrderLimit {
    None,
    FewSamples, // fewer than order + 3 samples
    NotSpread,  // the samples' L do not determine the highest power
};

struct PcRelations {
    bool ok = false; // false: the L of the samples do not determine a straight line
    PcCoefficients coefficients;
    PcRelation alfa, beta, swmin, pcsperr;
    int requestedAlfaOrder = 3;
    int alfaOrder = 3;
    AlfaOrderLimit limit = AlfaOrderLimit::None;
};

// alfa of `alfaOrder` (0 to 3) is lowered to what the samples carry: at
// most n - 3 for n samples, and further while its highest power is not
// determined (less than 1e-5 of that column left, as in the Phi-K fit).
PcRelations FitRelations(const std::vector<SampleParameters>& samples, int alfaOrder);

} // namespace keldo
