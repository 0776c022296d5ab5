#pragma once
#include <optional>
#include <vector>

#include "PressureLine.h"
#include "PressureTable.h"

// The free-water level from formation pressures: the depth where the
// pressure line of the water meets the line of the hydrocarbon above it.
//
// - Each fluid's points get a straight line by least squares
//   (FitPressureLine). Without fluid names the points, in the order of
//   their depths, are split into a shallower hydrocarbon leg and a deeper
//   water leg at the break that gives the smallest total sum of squared
//   residuals, with at least 3 points at more than one depth on each side
//   and never between two points at one depth; of equal sums the
//   shallowest break wins.
// - Gas and oil points both named: the level is the water's meeting point
//   with the fluid of the document's contact (gas-water or oil-water); the
//   other fluid is fitted and shown but not used, and a notice says so.
//   With only one of them named, that one is used whatever the document's
//   fluid.
// - Level: d = (p0_hc - p0_w) / (g_w - g_hc). Its standard deviation comes
//   from the two lines' covariances by first-order propagation; the legs
//   share no point, so they are independent, and with Δg = g_w - g_hc
//       ∂d/∂(p0_hc, g_hc) =  (1, d) / Δg,   ∂d/∂(p0_w, g_w) = -(1, d) / Δg,
//       σ² = (Var p_hc(d) + Var p_w(d)) / Δg²,
//   where Var p(d) = (1, d) C (1, d)ᵀ is the variance of a line's pressure
//   at d. The uncertainty of the depths and of the fluid assignment is not
//   part of it.
// - P10 and P90 are d ± 1.2816 σ with depth growing downwards: P90, the
//   shallower, is the depth the level lies below with 90 % probability
//   (the smaller hydrocarbon column); P10 the deeper.
// - Refused, with nothing to take over: fewer than 3 points in either leg,
//   a leg whose points lie at one depth, too few points to split, a
//   hydrocarbon gradient not smaller than the water gradient, and lines
//   that meet more than 1000 m above or below the depth range of the
//   points of both legs.
namespace keldo {

// Hydrocarbon: the shallower leg of the automatic split, fluid not named.
enum class PressureLegKind { Water, Oil, Gas, Hydrocarbon };

struct PressureLeg {
    PressureLegKind kind = PressureLegKind::Water;
    std::vector<PressurePoint> points; // by depth, shallowest first
    std::optional<PressureLine> line;  // with 3 points or more at more than one depth
};

enum class FreeWaterLevelRefusal {
    None,
    TooFewPoints,          // a leg with fewer than 3 points (`refusedLeg`)
    PointsAtOneDepth,      // a leg whose points all lie at one depth (`refusedLeg`)
    TooFewPointsToSplit,   // no fluid names and no break with 3 points at two depths each side
    HydrocarbonNotLighter, // the hydrocarbon gradient is not smaller than the water gradient
    LevelFarOutside,       // the lines meet more than 1000 m outside the points' depth range
};

enum class PressureNotice {
    LegsFoundAutomatically,      // no fluid names: the legs come from the split
    OtherHydrocarbonNotUsed,     // gas and oil named: one of them is not used
    LevelAboveHydrocarbonPoints, // the level lies above the deepest hydrocarbon point
    LevelBelowWaterPoints,       // the level lies below the shallowest water point
};

constexpr double kP10P90Quantile = 1.2816; // standard normal quantile of 90 %
constexpr double kMaxMetresOutsidePoints = 1000;

struct FreeWaterLevel {
    FreeWaterLevelRefusal refusal = FreeWaterLevelRefusal::None;
    int refusedLeg = -1; // index into legs for the refusals about one leg
    // Water first, then the hydrocarbon leg that meets it, then a further
    // hydrocarbon leg that is only shown. A leg without points stands here
    // when its refusal names it.
    std::vector<PressureLeg> legs;
    int water = -1, hydrocarbon = -1;   // the legs that meet, when both exist
    std::vector<PressurePoint> unsplit; // TooFewPointsToSplit: the points, by depth
    std::vector<PressureNotice> notices;
    int pointCount = 0;                // points given
    double depthFrom = 0, depthTo = 0; // of the two meeting legs' points
    // When not refused:
    double level = 0; // m
    double sigma = 0; // m
    double p90 = 0;   // m, the shallower end of the band
    double p10 = 0;   // m, the deeper end

    bool ok() const { return refusal == FreeWaterLevelRefusal::None; }
    const PressureLeg* WaterLeg() const { return water >= 0 ? &legs[static_cast<size_t>(water)] : nullptr; }
    const PressureLeg* HydrocarbonLeg() const
    {
        return hydrocarbon >= 0 ? &legs[static_cast<size_t>(hydrocarbon)] : nullptr;
    }
};

// The level from `points`: fluids named when every point has one, else
// split. `documentFluid` is the document's m_nFluid (0 gas, 1 oil).
FreeWaterLevel FitFreeWaterLevel(std::vector<PressurePoint> points, int documentFluid);

} // namespace keldo
