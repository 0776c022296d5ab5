#pragma once
#include <cmath>

#include "KeldoInputs.h"

// The normalized capillary-pressure model as plain functions: permeability
// from porosity, the normalization parameters as functions of log10(K), and
// the height above the contact at which a water saturation is found. No
// function here has side effects; where the document reports a condition
// (a report line, a message box) the result carries it as a flag.
namespace keldo {

// Everything the model reads: the coefficients as entered (single precision)
// and the two fluid quantities derived at the start of a computation.
struct ModelParameters {
    float phiK0 = 0, phiK1 = 0, phiK2 = 0;            // log10(K) = phiK0 + phiK1·Phi + phiK2·Phi²
    float alfa0 = 0, alfa1 = 0, alfa2 = 0, alfa3 = 0; // alfa = cubic in log10(K)
    float beta0 = 0, beta1 = 0;                       // log10(beta) = beta0 + beta1·log10(K)
    float swmin0 = 0, swmin1 = 0;                     // log10(Swmin) = swmin0 + swmin1·log10(K)
    float pcsperr0 = 0, pcsperr1 = 0;                 // log10(Pcsperr/bar) = pcsperr0 + pcsperr1·log10(K)
    float pcMax = 0;                                  // bar, maximum mercury capillary pressure
    float initialPressure = 0;                        // bar, reservoir pressure
    bool pressureDependent = true;                    // permeability reduced with effective stress
    double capillaryFactor = 0;                       // mercury to reservoir capillary pressure (-)
    float waterDensity = 0;                           // kg/m3
    float fluidDensity = 0;                           // kg/m3, hydrocarbon phase at reservoir conditions

    bool operator==(const ModelParameters&) const = default;
};

// The parameters of `in` with the derived quantities given.
ModelParameters ModelParametersWith(const CKeldoInputs& in, double capillaryFactor, float fluidDensity);
// The parameters of `in`, the fluid quantities derived from `in` alone.
ModelParameters ModelParametersFor(const CKeldoInputs& in);

// Effective stress (bar): 0.23 bar per metre of depth (m) less the pore pressure.
inline double EffectiveStress(float depth, float initialPressure) { return 0.23 * depth - initialPressure; }
// True where the pore pressure is not below the overburden: the saturation run stops there.
inline bool PressureReachesOverburden(float depth, float initialPressure) { return 0.23 * depth <= initialPressure; }

// K (mD) = 10^(phiK0 + phiK1·Phi + phiK2·Phi²) for porosity Phi (-); without a relation (all 0) Phi itself.
float PermeabilityFromPorosity(const ModelParameters& p, float phi);

struct EffectivePermeability {
    double k = 0;              // mD
    bool stressRaised = false; // the effective stress was under 1 bar and taken as 1 bar
};
// Keff (mD) = K·(s/10)^(−0.62·(0.05/K)^0.3), s = EffectiveStress (bar, at least 1) at depth (m).
EffectivePermeability EffectivePermeabilityAt(const ModelParameters& p, float depth, float phi);

// Swmin (-) = 10^(swmin0 + swmin1·log10 K), at most 1; 1 where K (mD) is not positive.
float MinimumWaterSaturation(const ModelParameters& p, double k);
// Pcsperr (bar, mercury) = 10^(pcsperr0 + pcsperr1·log10 K); K (mD) > 0.
double ThresholdPressure(const ModelParameters& p, double k);
// alfa (-) = cubic in log10 K, at least 1.5; without coefficients 1.2·K^0.28 + 7.2·K^0.12; K (mD) > 0.
double Alfa(const ModelParameters& p, double k);
// beta (-) = 10^(beta0 + beta1·log10 K); K (mD) > 0.
double Beta(const ModelParameters& p, double k);
// Water that is denser than the hydrocarbon phase: only then does a capillary height exist.
bool WaterIsDenser(const ModelParameters& p);

// One permeability's capillary-pressure curve in the reservoir system: what
// the height needs besides the saturation.
struct CapillaryCurve {
    double k = 0;       // mD; not positive: no curve, the mercury maximum stands unconverted
    float swmin = 1;    // (-)
    double pcsperr = 0; // bar, threshold pressure converted to the reservoir fluid
    double pcMax = 0;   // bar, maximum capillary pressure (converted where K > 0)
    double alfa = 0;    // (-)
    double beta = 0;    // (-)
    double weight = 0;  // N/m3, (water − fluid density)·9.81
    bool waterDenser = false;
};
CapillaryCurve CurveFor(const ModelParameters& p, double k);

struct Height {
    double metres = 0;
    bool belowSwmin = false;          // Sw < Swmin, taken as Swmin
    bool noPermeability = false;      // K not positive: the unconverted maximum was used
    bool noDensityDifference = false; // no height exists; metres is 0
};
// h (m) = Pc·10^5/((ρw − ρf)·9.81), Pc = Pcsperr + (Pcmax − Pcsperr)·((1−Swn)^alfa + beta·(1−Swn))/(1 + beta),
// Swn = (Sw − Swmin)/(1 − Swmin).
Height HeightAboveContact(const CapillaryCurve& curve, float sw);

// The height in its three stages, which HeightAboveContact runs one after
// the other: a caller that needs many heights at once can run each stage for
// all of them, so that the processor overlaps their divisions and powers.
//
// Swn (-): 0 below Swmin and where K (mD) is not positive (the start value,
// so that the unconverted mercury maximum gives the height), 1 for Swmin = 1.
// The runs pass their single-precision Sw; a fit passes any saturation.
inline double NormalizedSaturation(const CapillaryCurve& c, double sw)
{
    double swn = 0;
    if (c.k > 0 && !(sw < c.swmin))
        swn = c.swmin < 1 ? (sw - c.swmin) / (1.0 - c.swmin) : 1;
    return swn < 0 ? 0 : swn;
}

// (1 − Swn)^alfa, where Swn < 1.
inline double CapillaryPower(const CapillaryCurve& c, double swn) { return swn < 1 ? std::pow(1 - swn, c.alfa) : 0; }

// Pc (bar) from Swn and its power: Pcsperr + (Pcmax − Pcsperr)·Pcn in the
// curve's system.
inline double PressureFromPower(const CapillaryCurve& c, double swn, double power)
{
    double pcn = 0;
    if (swn < 1)
        pcn = (power + (1 - swn) * c.beta) / (1 + c.beta);
    return (c.pcMax - c.pcsperr) * pcn + c.pcsperr;
}

// The height (m) from Swn and its power, where water is the denser phase.
inline double HeightFromPower(const CapillaryCurve& c, double swn, double power)
{
    return PressureFromPower(c, swn, power) * 100000 / c.weight;
}

// Pc (bar) of the curve at Sw (-), the pressure behind HeightAboveContact.
// A curve made with a capillary factor of 1 gives the mercury system's
// pressure, as the laboratory measures it.
inline double CapillaryPressureAt(const CapillaryCurve& c, double sw)
{
    const double swn = NormalizedSaturation(c, sw);
    return PressureFromPower(c, swn, CapillaryPower(c, swn));
}

// The water saturation (-) the model gives at depth (m) for porosity Phi and
// a contact at `contact` (m): the saturation search of the water-saturation run.
float SaturationAtDepth(const ModelParameters& p, float depth, float phi, float contact);

} // namespace keldo
