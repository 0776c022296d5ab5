#include <algorithm>
#include <cmath>

#include "BrokenLine.h"
#include "ChartFrame.h"
#include "PcGraphParts.h"
#include "PcGraphs.h"
#include "PcSaturation.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr int kCurveSegments = 200;
constexpr int kMarkerRadius = 8;

// The model's curve from Sw = 1 (the threshold, from the bottom of the plot
// up) to Swmin, broken where it leaves the plot.
void AddModelCurve(DisplayList& out, const ChartFrame& frame, const CapillaryCurve& c)
{
    BrokenLine line(out, PenKind::Series1);
    const double bottom = std::pow(10.0, frame.y.min);
    if (c.pcsperr > bottom)
        line.Add(frame.Map(1, bottom));
    for (int i = 0; i <= kCurveSegments; ++i) {
        const double sw = 1 - (1 - static_cast<double>(c.swmin)) * i / kCurveSegments;
        const double pc = CapillaryPressureAt(c, sw);
        if (pc >= bottom)
            line.Add(frame.Map(sw, pc));
        else
            line.Break();
    }
}

} // namespace

int RampColour(double t)
{
    t = std::clamp(std::isfinite(t) ? t : 0.5, 0.0, 1.0);
    const int red = static_cast<int>(std::lround(255 * std::clamp(2 * t - 1, 0.0, 1.0)));
    const int blue = static_cast<int>(std::lround(255 * std::clamp(1 - 2 * t, 0.0, 1.0)));
    const int green = static_cast<int>(std::lround(170 * (1 - std::fabs(2 * t - 1))));
    return (red << 16) | (green << 8) | blue;
}

GraphPage PcCurvesGraph(const PcNormalization& n, const std::string& source)
{
    double lowest = n.pcMax, kLo = 0, kHi = 0;
    bool first = true;
    for (const PcSampleResult& s : n.samples) {
        for (const PcPoint& p : s.points)
            lowest = std::min(lowest, p.pressure);
        const double k = s.permeability;
        kLo = first ? k : std::min(kLo, k);
        kHi = first ? k : std::max(kHi, k);
        first = false;
    }
    const double logSpan = kHi > kLo ? std::log10(kHi / kLo) : 1;

    ChartFrame frame;
    frame.x = ChartAxis::Linear(0, 1);
    frame.y = ChartAxis::Log10(lowest, n.pcMax);
    frame.title = source.empty() ? "Kapillardruckkurven" : "Kapillardruckkurven: " + source;
    frame.subtitle = n.ok ? Format("%d Proben, Kurven des Modells bei ihrem K, RMS von Sw = %.4f",
                         static_cast<int>(n.samples.size()), n.refinedTaken ? n.rmsRefined : n.rmsTwoStep)
                          : Format("%d Proben, keine Anpassung", static_cast<int>(n.samples.size()));
    frame.xLabel = "Wassersättigung Sw (-)";
    frame.yLabel = "Kapillardruck Quecksilber Pc (bar)";

    GraphPage page;
    frame.Draw(page.list);
    if (!n.samples.empty())
        page.list.push_back(GraphPrimitive::Text(
            {frame.width / 2, 120}, Format("Farbe: K von %g mD (blau) bis %g mD (rot)", kLo, kHi), FontKind::Label));
    const ModelParameters model = MercuryModel(n.Chosen(), n.pcMax);
    for (const PcSampleResult& s : n.samples) {
        const double k = s.permeability;
        const int colour = RampColour(std::log10(k / kLo) / logSpan);
        std::vector<GraphPoint> points;
        for (const PcPoint& p : s.points)
            points.push_back(frame.Map(p.sw, p.pressure));
        page.list.push_back(
            GraphPrimitive::Markers(std::move(points), kMarkerRadius, PenKind::Points, BrushKind::Solid));
        page.list.back().colour = colour;
        if (n.ok) {
            const size_t from = page.list.size();
            AddModelCurve(page.list, frame, CurveFor(model, k));
            Colour(page.list, from, colour);
        }
    }
    page.extent = frame.Extent();
    page.title = frame.title;
    return page;
}

} // namespace keldo
