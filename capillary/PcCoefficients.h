#pragma once
#include <array>

#include "KeldoInputs.h"
#include "SaturationModel.h"

// The ten coefficients the normalization gives the model, L = log10(K in mD):
// alfa = a0 + a1·L + a2·L² + a3·L³, log10(beta) = b0 + b1·L,
// log10(Swmin) = s0 + s1·L, log10(Pcsperr/bar) = p0 + p1·L.
namespace keldo {

struct PcCoefficients {
    std::array<double, 4> alfa{};
    std::array<double, 2> beta{};
    std::array<double, 2> swmin{};
    std::array<double, 2> pcsperr{};
    bool operator==(const PcCoefficients&) const = default;
};

// The model in the mercury system (capillary factor 1) with these
// coefficients, in single precision as the document holds them, and Pc max.
ModelParameters MercuryModel(const PcCoefficients& c, float pcMax);

// The coefficients as the input dialog shows them: six significant digits,
// the floats the document then holds.
PcCoefficients AsShownInDialog(const PcCoefficients& c);

// Writes the coefficients and Pc max into the document's inputs.
void WriteCoefficients(const PcCoefficients& c, float pcMax, CKeldoInputs& in);

} // namespace keldo
