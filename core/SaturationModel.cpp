#include "SaturationModel.h"

#include <cmath>

#include "ReservoirFluids.h"
#include "SaturationSearch.h"

namespace keldo {
namespace {

bool NoPhiKRelation(const ModelParameters& p) { return p.phiK0 == 0 && p.phiK1 == 0 && p.phiK2 == 0; }

} // namespace

ModelParameters ModelParametersWith(const CKeldoInputs& in, double capillaryFactor, float fluidDensity)
{
    ModelParameters p;
    p.phiK0 = in.m_fPhiK0;
    p.phiK1 = in.m_fPhiK1;
    p.phiK2 = in.m_fPhiK2;
    p.alfa0 = in.m_fAlfa0;
    p.alfa1 = in.m_fAlfa1;
    p.alfa2 = in.m_fAlfa2;
    p.alfa3 = in.m_fAlfa3;
    p.beta0 = in.m_fBeta0;
    p.beta1 = in.m_fBeta1;
    p.swmin0 = in.m_fSwmin0;
    p.swmin1 = in.m_fSwmin1;
    p.pcsperr0 = in.m_fPcsperr0;
    p.pcsperr1 = in.m_fPcsperr1;
    p.pcMax = in.m_fPcMax;
    p.initialPressure = in.m_fInitialdruck;
    p.pressureDependent = in.m_bDruckabhaengig != 0;
    p.capillaryFactor = capillaryFactor;
    p.waterDensity = in.m_fWasserdichte;
    p.fluidDensity = fluidDensity;
    return p;
}

ModelParameters ModelParametersFor(const CKeldoInputs& in)
{
    return ModelParametersWith(in, CapillaryPressureFactor(in), FluidDensity(in));
}

float PermeabilityFromPorosity(const ModelParameters& p, float phi)
{
    // Without a Phi-K relation the porosity itself stands in for K.
    if (NoPhiKRelation(p))
        return phi;
    const double l = phi * static_cast<double>(p.phiK1) + p.phiK0 + phi * static_cast<double>(p.phiK2) * phi;
    return static_cast<float>(std::pow(10.0, l));
}

EffectivePermeability EffectivePermeabilityAt(const ModelParameters& p, float depth, float phi)
{
    // Without a Phi-K relation there is no pressure reduction either.
    if (NoPhiKRelation(p))
        return {phi, false};
    const double k0 = phi > 0 ? PermeabilityFromPorosity(p, phi) : 0.0;
    if (!p.pressureDependent)
        return {k0, false};

    double s = EffectiveStress(depth, p.initialPressure);
    const bool raised = s < 1.0;
    if (raised)
        s = 1.0;
    if (k0 > 0) {
        // Tight rock loses more permeability under stress; unchanged at 1 MPa.
        const double n = 0.62 * std::pow(0.05 / k0, 0.3);
        return {k0 * std::pow(s / 10, -n), raised};
    }
    return {0, raised};
}

float MinimumWaterSaturation(const ModelParameters& p, double k)
{
    // No logarithm for K <= 0: a minimum saturation of 1 leaves no usable
    // saturation range, so such a measurement gives no result.
    if (!(k > 0))
        return 1.0f;
    const float v = static_cast<float>(std::pow(10.0, p.swmin0 + p.swmin1 * std::log10(k)));
    return v > 1 ? 1.0f : v;
}

double ThresholdPressure(const ModelParameters& p, double k)
{
    return std::pow(10.0, p.pcsperr0 + p.pcsperr1 * std::log10(k));
}

double Alfa(const ModelParameters& p, double k)
{
    if (p.alfa0 == 0 && p.alfa1 == 0 && p.alfa2 == 0 && p.alfa3 == 0)
        return 1.2 * std::pow(k, 0.28) + 7.2 * std::pow(k, 0.12);
    const double l = std::log10(k);
    const double a = p.alfa0 + p.alfa1 * l + p.alfa2 * std::pow(l, 2) + p.alfa3 * std::pow(l, 3);
    return a < 1.5 ? 1.5 : a;
}

double Beta(const ModelParameters& p, double k) { return std::pow(10.0, p.beta0 + p.beta1 * std::log10(k)); }

bool WaterIsDenser(const ModelParameters& p) { return static_cast<double>(p.waterDensity) - p.fluidDensity > 0; }

CapillaryCurve CurveFor(const ModelParameters& p, double k)
{
    CapillaryCurve c;
    c.k = k;
    c.pcMax = p.pcMax;
    if (k > 0) {
        c.swmin = MinimumWaterSaturation(p, k);
        c.pcsperr = ThresholdPressure(p, k) * p.capillaryFactor;
        c.pcMax = p.pcMax * p.capillaryFactor;
        c.alfa = Alfa(p, k);
        c.beta = Beta(p, k);
    }
    const double densityDifference = static_cast<double>(p.waterDensity) - p.fluidDensity;
    c.waterDenser = WaterIsDenser(p);
    c.weight = densityDifference * 9.81;
    return c;
}

Height HeightAboveContact(const CapillaryCurve& c, float sw)
{
    Height h;
    h.noPermeability = !(c.k > 0);
    h.belowSwmin = c.k > 0 && sw < c.swmin; // taken as Swmin
    if (!c.waterDenser) {
        h.noDensityDifference = true;
        return h;
    }
    const double swn = NormalizedSaturation(c, sw);
    h.metres = HeightFromPower(c, swn, CapillaryPower(c, swn));
    return h;
}

float SaturationAtDepth(const ModelParameters& p, float depth, float phi, float contact)
{
    const CapillaryCurve curve = CurveFor(p, EffectivePermeabilityAt(p, depth, phi).k);
    return SaturationAtHeight(
        depth, contact, curve.swmin, [&curve](float sw) { return HeightAboveContact(curve, sw).metres; });
}

} // namespace keldo
