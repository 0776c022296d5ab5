#include "ReservoirFluids.h"

#include <cmath>

namespace keldo {
namespace {

// cos(140°), the contact angle of mercury on rock, as the constant in radians.
const double kCosMercury = std::cos(2.44346120622423);
// pi as the single-precision constant the contact angle has always been converted with.
constexpr double kPiF = 3.1415929794311523;

} // namespace

double InterfacialTensionGasWater(float temperature, float pressure)
{
    const double T = temperature;
    const double P = pressure / 10.0; // MPa

    // Two fitted polynomials that do not join at 150 bar; the jump is kept.
    if (P < 15) {
        return 71.7735 - 0.0741413 * T - 0.0004356 * std::pow(T, 2) - 6.05333e-7 * std::pow(T, 3)
            + 3.2e-9 * std::pow(T, 4) - 8.53333e-13 * std::pow(T, 5) - 0.997587 * P + 0.0309069 * std::pow(P, 2)
            - 0.000648271 * std::pow(P, 3) + 9.54207e-6 * std::pow(P, 4) - 7.36156e-8 * std::pow(P, 5);
    }
    const double t = T / 10;
    const double Q = P / 10;
    return 68.5687 - 0.642642 * t - 0.0131636 * std::pow(t, 2) - 0.000569697 * std::pow(t, 3)
        - 0.000116364 * std::pow(t, 4) + 5.19758e-6 * std::pow(t, 5) - 8.94743 * Q + 2.33062 * std::pow(Q, 2)
        - 0.345256 * std::pow(Q, 3) + 0.0282517 * std::pow(Q, 4) - 0.000991453 * std::pow(Q, 5);
}

double CapillaryPressureFactor(const CKeldoInputs& in)
{
    // The mercury surface tension differs between the branches (480 and 485 mN/m).
    if (in.m_nFluid == 0) {
        // Gas wets nothing: contact angle gas/water 0.
        const double sigma = InterfacialTensionGasWater(in.m_fTemperatur, in.m_fInitialdruck);
        return -sigma / (kCosMercury * 480.0);
    }
    // Oil/water: fixed interfacial tension of 30 mN/m.
    return std::cos(kPiF * in.m_fKontaktwinkel / 180) * (-30.0) / (kCosMercury * 485.0);
}

float GasDensity(float relativeDensity, float temperature, float pressure)
{
    // Methane-nitrogen mixture of the same molar mass as the gas; these
    // quantities have always been computed in single precision.
    const float gamma = relativeDensity;
    float y = gamma < 0.55386f ? 0.0f : (28.964f * gamma - 16.042f) / 11.974f;
    if (y > 1.0f)
        y = 1.0f;
    const float ppc = 492.0f * y + (1.0f - y) * 673.1f; // psia
    const float tpc = 227.2f * y + (1.0f - y) * 343.5f; // °R
    const float molarMass = 28.016f * y + (1.0f - y) * 16.042f;
    const float rhoNormal = 10330.0f * molarMass / 231504.0f;

    const double p = pressure;
    const double T = temperature;
    const double ppr = p * static_cast<double>(14.503f) / ppc;
    const double tpr = (T * 9 / 5 + 492) / tpc;
    const double t = 1 / tpr;

    // Hall-Yarborough
    const double A = 0.06125 * t * std::exp(-1.2 * std::pow(1 - t, 2));
    const double B = (14.76 - 9.76 * t + 4.58 * t * t) * t;
    const double C = (90.7 - 242.0 * t + 42.4 * t * t) * t;
    const double D = 2.18 + 2.82 * t;
    const double tolerance = static_cast<double>(0.0001f);

    double yr = 0.001;
    for (int step = 0; step < 30; ++step) {
        if (yr > 1)
            yr = 0.6;
        const double F = (yr + yr * yr + std::pow(yr, 3) - std::pow(yr, 4)) / std::pow(1 - yr, 3) - A * ppr
            - B * yr * yr + C * std::pow(yr, D);
        if (std::fabs(1000 * F) < tolerance)
            break;
        const double dF = (1 + 4 * yr + 4 * yr * yr - 4 * std::pow(yr, 3) + std::pow(yr, 4)) / std::pow(1 - yr, 4)
            - 2 * B * yr + C * D * std::pow(yr, D - 1);
        yr -= F / dF;
    }
    // Without convergence after 30 steps the last iterate stands; inside the
    // dialog's ranges the iteration converges within a few steps.
    const float z = static_cast<float>(A * ppr / yr);

    return rhoNormal * pressure * 273.0f / (z * (temperature + 273.0f) * 1.0134f);
}

float FluidDensity(const CKeldoInputs& in)
{
    return in.m_nFluid == 0 ? GasDensity(in.m_fDichteKW, in.m_fTemperatur, in.m_fInitialdruck) : in.m_fDichteKW;
}

} // namespace keldo
