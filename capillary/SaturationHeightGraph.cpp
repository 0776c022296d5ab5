#include <algorithm>
#include <array>
#include <cmath>

#include "BrokenLine.h"
#include "ChartFrame.h"
#include "FitReport.h"
#include "PcGraphParts.h"
#include "PcGraphs.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr std::array<double, 4> kPermeabilities = {1, 10, 100, 1000};
constexpr int kCurveSegments = 200;
// The legend: its first line below the plot's top, the lines' spacing and
// length, the room right of them for the text.
constexpr int kLegendTop = 80;
constexpr int kLegendStep = 70;
constexpr int kLegendLine = 120;
constexpr int kLegendRight = 330;

// The document's fluids with the taken coefficients and Pc max.
ModelParameters WithCoefficients(const ModelParameters& fluids, const PcNormalization& n)
{
    ModelParameters p = MercuryModel(n.Chosen(), n.pcMax);
    p.capillaryFactor = fluids.capillaryFactor;
    p.waterDensity = fluids.waterDensity;
    p.fluidDensity = fluids.fluidDensity;
    p.initialPressure = fluids.initialPressure;
    p.pressureDependent = fluids.pressureDependent;
    return p;
}

// Sw of the i-th of kCurveSegments steps from 1 down to Swmin, in single
// precision as the runs pass it.
float StepSaturation(const CapillaryCurve& c, int i)
{
    return static_cast<float>(1 - (1 - static_cast<double>(c.swmin)) * i / kCurveSegments);
}

} // namespace

GraphPage SaturationHeightGraph(
    const PcNormalization& n, const ModelParameters& fluids, int fluid, const std::string& source)
{
    const ModelParameters model = WithCoefficients(fluids, n);
    const bool drawable = n.ok && WaterIsDenser(model);
    double highest = 0;
    if (drawable)
        for (const double k : kPermeabilities)
            highest = std::max(highest, HeightAboveContact(CurveFor(model, k), CurveFor(model, k).swmin).metres);

    ChartFrame frame;
    frame.x = ChartAxis::Linear(0, 1);
    frame.y = ChartAxis::Linear(0, highest);
    frame.title = source.empty() ? "Sättigungs-Höhen-Kurven" : "Sättigungs-Höhen-Kurven: " + source;
    frame.subtitle = !n.ok ? std::string("keine Anpassung")
        : drawable ? Format("Faktor Pc %.4f   Dichtedifferenz %.1f kg/m3   Pc max %.1f bar", model.capillaryFactor,
              static_cast<double>(model.waterDensity) - model.fluidDensity, n.pcMax)
                   : std::string("keine Höhe: die Fluiddichte ist nicht kleiner als die Wasserdichte");
    frame.xLabel = "Wassersättigung Sw (-)";
    frame.yLabel = "Höhe über dem " + ContactName(fluid, false) + " (m)";

    GraphPage page;
    frame.Draw(page.list);
    if (drawable) {
        page.list.push_back(GraphPrimitive::Text(
            {frame.width / 2, 120}, "Modell wie in der Berechnung, Fluide des Dokuments", FontKind::Label));
        for (size_t j = 0; j < kPermeabilities.size(); ++j) {
            const CapillaryCurve curve = CurveFor(model, kPermeabilities[j]);
            const int colour = RampColour(static_cast<double>(j) / (kPermeabilities.size() - 1));
            const size_t from = page.list.size();
            {
                BrokenLine line(page.list, PenKind::Series1);
                for (int i = 0; i <= kCurveSegments; ++i) {
                    const float sw = StepSaturation(curve, i);
                    line.Add(frame.Map(sw, HeightAboveContact(curve, sw).metres));
                }
            }
            // The legend in the plot's upper right corner: a short line in
            // the curve's colour and its K.
            const int y = -kLegendTop - static_cast<int>(j) * kLegendStep;
            page.list.push_back(GraphPrimitive::Line(
                {frame.width - kLegendRight - kLegendLine, y}, {frame.width - kLegendRight, y}, PenKind::Series1));
            page.list.push_back(GraphPrimitive::Text({frame.width - kLegendRight + 20, y},
                Format("K = %g mD", kPermeabilities[j]), FontKind::Label, kAlignTop | kAlignMiddle));
            Colour(page.list, from, colour);
        }
    }
    page.extent = frame.Extent();
    page.title = frame.title;
    return page;
}

} // namespace keldo
