#include "PcCoefficients.h"

#include "InputFields.h"

namespace keldo {
namespace {

template <size_t N> std::array<double, N> Shown(const std::array<double, N>& c)
{
    std::array<double, N> out{};
    for (size_t i = 0; i < N; ++i)
        out[i] = AsShownInField(c[i]);
    return out;
}

} // namespace

ModelParameters MercuryModel(const PcCoefficients& c, float pcMax)
{
    ModelParameters p;
    p.alfa0 = static_cast<float>(c.alfa[0]);
    p.alfa1 = static_cast<float>(c.alfa[1]);
    p.alfa2 = static_cast<float>(c.alfa[2]);
    p.alfa3 = static_cast<float>(c.alfa[3]);
    p.beta0 = static_cast<float>(c.beta[0]);
    p.beta1 = static_cast<float>(c.beta[1]);
    p.swmin0 = static_cast<float>(c.swmin[0]);
    p.swmin1 = static_cast<float>(c.swmin[1]);
    p.pcsperr0 = static_cast<float>(c.pcsperr[0]);
    p.pcsperr1 = static_cast<float>(c.pcsperr[1]);
    p.pcMax = pcMax;
    // The laboratory's system: no conversion to a reservoir fluid. The
    // curves are made for a given K, so neither the Phi-K relation nor the
    // pressure play a part.
    p.capillaryFactor = 1;
    return p;
}

PcCoefficients AsShownInDialog(const PcCoefficients& c)
{
    return {Shown(c.alfa), Shown(c.beta), Shown(c.swmin), Shown(c.pcsperr)};
}

void WriteCoefficients(const PcCoefficients& c, float pcMax, CKeldoInputs& in)
{
    in.m_fAlfa0 = static_cast<float>(c.alfa[0]);
    in.m_fAlfa1 = static_cast<float>(c.alfa[1]);
    in.m_fAlfa2 = static_cast<float>(c.alfa[2]);
    in.m_fAlfa3 = static_cast<float>(c.alfa[3]);
    in.m_fBeta0 = static_cast<float>(c.beta[0]);
    in.m_fBeta1 = static_cast<float>(c.beta[1]);
    in.m_fSwmin0 = static_cast<float>(c.swmin[0]);
    in.m_fSwmin1 = static_cast<float>(c.swmin[1]);
    in.m_fPcsperr0 = static_cast<float>(c.pcsperr[0]);
    in.m_fPcsperr1 = static_cast<float>(c.pcsperr[1]);
    in.m_fPcMax = pcMax;
}

} // namespace keldo
