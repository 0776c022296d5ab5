#include "FreeWaterLevel.h"

#include <algorithm>
#include <cmath>

namespace keldo {
namespace {

constexpr size_t kMinLegPoints = 3;

// The break (the number of points in the shallower leg) with the smallest
// total sum of squared residuals; none when no break leaves both legs a line.
std::optional<size_t> BestBreak(const std::vector<PressurePoint>& byDepth)
{
    const std::span<const PressurePoint> all(byDepth);
    std::optional<size_t> best;
    double bestSquares = 0;
    for (size_t k = kMinLegPoints; k + kMinLegPoints <= byDepth.size(); ++k) {
        if (byDepth[k - 1].depth == byDepth[k].depth)
            continue; // points at one depth stay in one leg
        const std::optional<PressureLine> upper = FitPressureLine(all.first(k));
        const std::optional<PressureLine> lower = FitPressureLine(all.subspan(k));
        if (!upper || !lower)
            continue;
        const double squares = upper->residualSquares + lower->residualSquares;
        if (!best || squares < bestSquares) {
            best = k;
            bestSquares = squares;
        }
    }
    return best;
}

// The legs by the fluid names: water, the hydrocarbon that meets it, and
// the other hydrocarbon when both are named.
void NamedLegs(const std::vector<PressurePoint>& byDepth, int documentFluid, FreeWaterLevel& result)
{
    PressureLeg water{PressureLegKind::Water, {}, {}}, gas{PressureLegKind::Gas, {}, {}},
        oil{PressureLegKind::Oil, {}, {}};
    for (const PressurePoint& p : byDepth) {
        PressureLeg& leg = *p.fluid == PressureFluid::Water ? water : *p.fluid == PressureFluid::Oil ? oil : gas;
        leg.points.push_back(p);
    }
    const bool documentOil = documentFluid == 1;
    result.legs.push_back(std::move(water));
    if (!gas.points.empty() && !oil.points.empty()) {
        result.legs.push_back(documentOil ? std::move(oil) : std::move(gas));
        result.legs.push_back(documentOil ? std::move(gas) : std::move(oil));
        result.notices.push_back(PressureNotice::OtherHydrocarbonNotUsed);
    } else if (!oil.points.empty() || (gas.points.empty() && documentOil)) {
        result.legs.push_back(std::move(oil));
    } else {
        result.legs.push_back(std::move(gas));
    }
}

FreeWaterLevel& Refuse(FreeWaterLevel& result, FreeWaterLevelRefusal refusal, int leg = -1)
{
    result.refusal = refusal;
    result.refusedLeg = leg;
    return result;
}

} // namespace

FreeWaterLevel FitFreeWaterLevel(std::vector<PressurePoint> points, int documentFluid)
{
    FreeWaterLevel result;
    result.pointCount = static_cast<int>(points.size());
    std::stable_sort(
        points.begin(), points.end(), [](const PressurePoint& a, const PressurePoint& b) { return a.depth < b.depth; });

    const bool named = !points.empty()
        && std::all_of(points.begin(), points.end(), [](const PressurePoint& p) { return p.fluid.has_value(); });
    if (named) {
        NamedLegs(points, documentFluid, result);
    } else {
        const std::optional<size_t> split = BestBreak(points);
        if (!split) {
            result.unsplit = std::move(points);
            return Refuse(result, FreeWaterLevelRefusal::TooFewPointsToSplit);
        }
        const auto at = points.begin() + static_cast<std::ptrdiff_t>(*split);
        result.legs.push_back({PressureLegKind::Water, {at, points.end()}, {}});
        result.legs.push_back({PressureLegKind::Hydrocarbon, {points.begin(), at}, {}});
        result.notices.push_back(PressureNotice::LegsFoundAutomatically);
    }
    result.water = 0;
    result.hydrocarbon = 1;
    for (PressureLeg& leg : result.legs)
        leg.line = FitPressureLine(leg.points);

    bool anyPoint = false;
    for (const int i : {result.water, result.hydrocarbon}) {
        for (const PressurePoint& p : result.legs[static_cast<size_t>(i)].points) {
            result.depthFrom = anyPoint ? std::min(result.depthFrom, p.depth) : p.depth;
            result.depthTo = anyPoint ? std::max(result.depthTo, p.depth) : p.depth;
            anyPoint = true;
        }
    }
    for (const int i : {result.water, result.hydrocarbon})
        if (result.legs[static_cast<size_t>(i)].points.size() < kMinLegPoints)
            return Refuse(result, FreeWaterLevelRefusal::TooFewPoints, i);
    for (const int i : {result.water, result.hydrocarbon})
        if (!result.legs[static_cast<size_t>(i)].line)
            return Refuse(result, FreeWaterLevelRefusal::PointsAtOneDepth, i);

    const PressureLine& water = *result.WaterLeg()->line;
    const PressureLine& hydrocarbon = *result.HydrocarbonLeg()->line;
    if (!(hydrocarbon.gradient < water.gradient))
        return Refuse(result, FreeWaterLevelRefusal::HydrocarbonNotLighter);
    const double gradientGap = water.gradient - hydrocarbon.gradient;
    const double level = (hydrocarbon.p0 - water.p0) / gradientGap;
    result.level = level;
    if (!(level >= result.depthFrom - kMaxMetresOutsidePoints && level <= result.depthTo + kMaxMetresOutsidePoints))
        return Refuse(result, FreeWaterLevelRefusal::LevelFarOutside);

    result.sigma = std::sqrt(water.PressureVariance(level) + hydrocarbon.PressureVariance(level)) / gradientGap;
    result.p90 = level - kP10P90Quantile * result.sigma;
    result.p10 = level + kP10P90Quantile * result.sigma;
    if (level < result.HydrocarbonLeg()->points.back().depth)
        result.notices.push_back(PressureNotice::LevelAboveHydrocarbonPoints);
    if (level > result.WaterLeg()->points.front().depth)
        result.notices.push_back(PressureNotice::LevelBelowWaterPoints);
    return result;
}

} // namespace keldo
