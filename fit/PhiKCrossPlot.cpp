#include <algorithm>
#include <array>
#include <cmath>

#include "BrokenLine.h"
#include "ChartFrame.h"
#include "FitGraphs.h"
#include "FitReport.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr int kCurveSegments = 200;
constexpr int kMarkerRadius = 7;
// The relation may run off far beyond the data; the axis follows it only
// this many decades.
constexpr double kDecadesBeyondData = 2;

std::array<double, 3> Widened(const std::array<float, 3>& c) { return {c[0], c[1], c[2]}; }

// The curve, broken where it leaves the plot's K range.
void AddCurve(DisplayList& out, const ChartFrame& frame, const std::array<double, 3>& c, double phiLo, double phiHi)
{
    BrokenLine curve(out, PenKind::Series1);
    for (int i = 0; i <= kCurveSegments; ++i) {
        const double phi = phiLo + (phiHi - phiLo) * i / kCurveSegments;
        const double logK = PhiKLog10(c, phi);
        if (logK >= frame.y.min && logK <= frame.y.max)
            curve.Add(frame.Map(phi, std::pow(10.0, logK)));
        else
            curve.Break();
    }
}

} // namespace

GraphPage PhiKCrossPlot(const PhiKSelection& selection, const PhiKFitResult& fit, const std::string& well)
{
    const std::vector<PhiKSample>& pairs = selection.pairs;
    double phiLo = 0, phiHi = 1, kLo = 1, kHi = 1;
    if (!pairs.empty()) {
        const auto [phiMin, phiMax] = std::minmax_element(pairs.begin(), pairs.end(),
            [](const PhiKSample& a, const PhiKSample& b) { return a.porosity < b.porosity; });
        const auto [kMin, kMax] = std::minmax_element(pairs.begin(), pairs.end(),
            [](const PhiKSample& a, const PhiKSample& b) { return a.permeability < b.permeability; });
        phiLo = phiMin->porosity, phiHi = phiMax->porosity;
        kLo = kMin->permeability, kHi = kMax->permeability;
    }
    const std::array<double, 3> curve = Widened(fit.documentCoefficients);
    if (fit.ok) {
        const double logLo = std::log10(kLo) - kDecadesBeyondData, logHi = std::log10(kHi) + kDecadesBeyondData;
        for (const double phi : {phiLo, phiHi}) {
            const double logK = std::clamp(PhiKLog10(curve, phi), logLo, logHi);
            kLo = std::min(kLo, std::pow(10.0, logK));
            kHi = std::max(kHi, std::pow(10.0, logK));
        }
    }

    ChartFrame frame;
    frame.x = ChartAxis::Linear(phiLo, phiHi);
    frame.y = ChartAxis::Log10(kLo, kHi);
    frame.title = well.empty() ? "Phi-K-Korrelation" : "Phi-K-Korrelation: " + well;
    frame.subtitle = fit.ok ? Format("n = %d   R² = %.4f   RMS = %.4f Dekaden", fit.n, fit.r2, fit.rmsLog10)
                            : Format("n = %d, keine Anpassung", static_cast<int>(pairs.size()));
    frame.xLabel = "Porosität PHI (-)";
    frame.yLabel = "Permeabilität K (mD)";

    GraphPage page;
    frame.Draw(page.list);
    if (fit.ok)
        page.list.push_back(
            GraphPrimitive::Text({frame.width / 2, 120}, PhiKFormula(fit.documentCoefficients), FontKind::Label));
    std::vector<GraphPoint> points;
    points.reserve(pairs.size());
    for (const PhiKSample& p : pairs)
        points.push_back(frame.Map(p.porosity, p.permeability));
    page.list.push_back(GraphPrimitive::Markers(std::move(points), kMarkerRadius, PenKind::Points, BrushKind::Solid));
    if (fit.ok)
        AddCurve(page.list, frame, curve, phiLo, phiHi);
    page.extent = frame.Extent();
    page.title = frame.title;
    return page;
}

} // namespace keldo
