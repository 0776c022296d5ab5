#include "PcConditioning.h"

#include <algorithm>
#include <cmath>

namespace keldo {
namespace {

PcExclusion Exclusion(PcExclusionKind kind, const PcSample& s)
{
    PcExclusion e;
    e.kind = kind;
    e.sample = s.name;
    e.line = s.firstLine;
    e.permeability = s.permeability;
    return e;
}

// The first point at which SHg lies more than kLargestFall below the
// largest SHg at a lower pressure; none: nullptr.
const PcPoint* LargeFall(const std::vector<PcPoint>& points, double& amount)
{
    double highest = 0;
    for (const PcPoint& p : points) {
        const double shg = 1 - p.sw;
        if (highest - shg > kLargestFall) {
            amount = highest - shg;
            return &p;
        }
        highest = std::max(highest, shg);
    }
    return nullptr;
}

} // namespace

std::optional<double> HgSaturationAt(const std::vector<PcPoint>& points, double pressure)
{
    if (points.empty() || pressure < points.front().pressure || pressure > points.back().pressure)
        return std::nullopt;
    // The last point at or below the pressure and the one after it.
    const auto above = std::upper_bound(
        points.begin(), points.end(), pressure, [](double p, const PcPoint& point) { return p < point.pressure; });
    const PcPoint& low = *(above - 1);
    if (low.pressure == pressure || above == points.end())
        return 1 - low.sw;
    const double t = std::log(pressure / low.pressure) / std::log(above->pressure / low.pressure);
    return (1 - low.sw) + t * ((1 - above->sw) - (1 - low.sw));
}

PcConditioning ConditionSamples(const PcTable& table)
{
    PcConditioning out;
    for (size_t i = 0; i < table.samples.size(); ++i) {
        const PcSample& s = table.samples[i];
        if (!s.takesPart) {
            out.excluded.push_back(Exclusion(PcExclusionKind::Deselected, s));
            continue;
        }
        if (!(s.permeability > 0)) {
            out.excluded.push_back(Exclusion(PcExclusionKind::PermeabilityNotPositive, s));
            continue;
        }
        std::vector<PcPoint> points = s.points;
        std::stable_sort(
            points.begin(), points.end(), [](const PcPoint& a, const PcPoint& b) { return a.pressure < b.pressure; });
        double amount = 0;
        if (const PcPoint* fall = LargeFall(points, amount)) {
            PcExclusion e = Exclusion(PcExclusionKind::SaturationFalls, s);
            e.pressure = fall->pressure;
            e.amount = amount;
            out.excluded.push_back(e);
            continue;
        }
        if (s.closure && *s.closure > 0) {
            const std::optional<double> atClosure = HgSaturationAt(points, *s.closure);
            if (!atClosure || *atClosure >= 1) {
                PcExclusion e = Exclusion(
                    atClosure ? PcExclusionKind::FilledAtClosure : PcExclusionKind::ClosureOutsidePressures, s);
                e.pressure = *s.closure;
                e.lowest = points.front().pressure;
                e.highest = points.back().pressure;
                out.excluded.push_back(e);
                continue;
            }
            // What entered up to the closure pressure filled the surface of
            // the plug, not its pores: taken off, the rest renormalized.
            std::vector<PcPoint> kept;
            for (const PcPoint& p : points) {
                if (p.pressure < *s.closure)
                    continue;
                const double shg = std::clamp(((1 - p.sw) - *atClosure) / (1 - *atClosure), 0.0, 1.0);
                kept.push_back({p.pressure, 1 - shg, p.line});
            }
            points = std::move(kept);
        }
        // Points without mercury only bound the threshold: the four
        // parameters of the curve need four points with mercury.
        const auto intruded = std::count_if(points.begin(), points.end(), [](const PcPoint& p) { return p.sw < 1; });
        if (intruded < kMinimumPoints) {
            PcExclusion e = Exclusion(PcExclusionKind::TooFewPoints, s);
            e.points = static_cast<int>(intruded);
            out.excluded.push_back(e);
            continue;
        }
        out.samples.push_back({i, std::move(points)});
    }
    return out;
}

float PcMaxFor(const PcTable& table, std::optional<float> given)
{
    if (given)
        return *given;
    return static_cast<float>(std::round(table.maxPressure * 10) / 10);
}

} // namespace keldo
