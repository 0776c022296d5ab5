#include "SaturationMisfit.h"

#include <cmath>
#include <limits>

#include "SaturationSearch.h"
#include "TextFormat.h"

namespace keldo {
namespace {

double HeightOf(const CapillaryCurve& curve, float sw) { return HeightAboveContact(curve, sw).metres; }

// The saturations at which every search evaluates the height, whatever the
// contact: 1 and Swmin, and both points of a secant step from 1 and from the
// restart above Swmin.
std::array<KnownHeight, 5> KnownHeights(const CapillaryCurve& curve)
{
    const float restart = RestartAboveSwmin(curve.swmin);
    const float at[5] = {
        1.0f, static_cast<float>(1.0f - kSecantStep), curve.swmin, restart, static_cast<float>(restart - kSecantStep)};
    std::array<KnownHeight, 5> known;
    for (size_t i = 0; i < known.size(); ++i)
        known[i] = {at[i], HeightOf(curve, at[i])};
    return known;
}

double KnownOrComputedHeight(const PreparedSaturationRow& row, float sw)
{
    // A known height is the one the curve would give again.
    for (const KnownHeight& known : row.known) {
        if (known.sw == sw)
            return known.metres;
    }
    return HeightOf(row.curve, sw);
}

} // namespace

PreparedSaturationRows PrepareSaturationRows(const CKeldoInputs& in, const std::vector<std::string>& lines)
{
    PreparedSaturationRows prepared;
    prepared.model = ModelParametersFor(in);
    const ModelParameters& p = prepared.model;
    const bool waterDenser = WaterIsDenser(p);
    for (const std::string& line : lines) {
        float v[3];
        if (ScanFloats(line, v, 3) < 3) {
            ++prepared.excluded;
            continue;
        }
        const float depth = v[0], phi = v[1], sw = v[2];
        if (depth < in.m_fMinTeufe || depth > in.m_fMaxTeufe || phi < in.m_fCutoff)
            continue;
        if (!waterDenser || PressureReachesOverburden(depth, p.initialPressure)) {
            ++prepared.excluded;
            continue;
        }
        PreparedSaturationRow row;
        row.depth = depth;
        row.porosity = phi;
        row.measuredSw = sw;
        row.curve = CurveFor(p, EffectivePermeabilityAt(p, depth, phi).k);
        if (!(row.curve.k > 0)) {
            ++prepared.excluded;
            continue;
        }
        row.known = KnownHeights(row.curve);
        prepared.rows.push_back(row);
    }
    return prepared;
}

float ComputedSaturation(const PreparedSaturationRow& row, float contact)
{
    return SaturationAtHeight(
        row.depth, contact, row.curve.swmin, [&row](float sw) { return KnownOrComputedHeight(row, sw); });
}

Misfit SaturationMisfit(const PreparedSaturationRows& prepared, float contact)
{
    Misfit misfit;
    misfit.n = static_cast<int>(prepared.rows.size());
    misfit.excluded = prepared.excluded;
    if (misfit.n == 0) {
        misfit.rms = std::numeric_limits<double>::quiet_NaN();
        return misfit;
    }
    double sum = 0;
    for (const PreparedSaturationRow& row : prepared.rows) {
        const double d = static_cast<double>(ComputedSaturation(row, contact)) - row.measuredSw;
        sum += d * d;
    }
    misfit.rms = std::sqrt(sum / misfit.n);
    return misfit;
}

} // namespace keldo
