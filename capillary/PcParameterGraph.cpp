#include <algorithm>
#include <array>
#include <cmath>

#include "BrokenLine.h"
#include "ChartFrame.h"
#include "PcGraphParts.h"
#include "PcGraphs.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr int kPanelWidth = 1500;
constexpr int kPanelHeight = 800;
constexpr int kCurveSegments = 100;
constexpr int kMarkerRadius = 10;
constexpr int kPageTitleRoom = 200;

// One of the four parameters: its name, axis and how the model and a
// sample give it.
struct Parameter {
    const char* title;
    const char* label;
    bool logarithmic; // and the relation's RMS in decades
    double (*fitted)(const SampleCurveFit&);
    double (*model)(const ModelParameters&, double k); // as the runs compute it
    PcRelation PcRelations::*relation;
};

const std::array<Parameter, 4> kParameters = {{
    {"Haftwassersättigung Swmin", "Swmin (-)", true, [](const SampleCurveFit& f) { return f.swmin; },
        [](const ModelParameters& p, double k) { return static_cast<double>(MinimumWaterSaturation(p, k)); },
        &PcRelations::swmin},
    {"Sperrdruck Pcsperr", "Pcsperr (bar)", true, [](const SampleCurveFit& f) { return f.pcsperr; },
        [](const ModelParameters& p, double k) { return ThresholdPressure(p, k); }, &PcRelations::pcsperr},
    {"Formparameter alfa", "alfa (-)", false, [](const SampleCurveFit& f) { return f.alfa; },
        [](const ModelParameters& p, double k) { return Alfa(p, k); }, &PcRelations::alfa},
    {"Formparameter beta", "beta (-)", true, [](const SampleCurveFit& f) { return f.beta; },
        [](const ModelParameters& p, double k) { return Beta(p, k); }, &PcRelations::beta},
}};

void AddRelation(DisplayList& out, const ChartFrame& frame, const Parameter& parameter, const ModelParameters& model,
    double kLo, double kHi, PenKind pen)
{
    BrokenLine line(out, pen);
    const double bottom = frame.y.logarithmic ? std::pow(10.0, frame.y.min) : frame.y.min;
    const double top = frame.y.logarithmic ? std::pow(10.0, frame.y.max) : frame.y.max;
    for (int i = 0; i <= kCurveSegments; ++i) {
        const double k = kLo * std::pow(kHi / kLo, static_cast<double>(i) / kCurveSegments);
        const double v = parameter.model(model, k);
        if (v >= bottom && v <= top)
            line.Add(frame.Map(k, v));
        else
            line.Break();
    }
}

void AddPanel(DisplayList& out, const PcNormalization& n, const std::vector<double>& ks, const Parameter& parameter)
{
    const double kLo = *std::min_element(ks.begin(), ks.end()), kHi = *std::max_element(ks.begin(), ks.end());
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const PcSampleResult& s : n.samples) {
        lo = std::min(lo, parameter.fitted(s.fit));
        hi = std::max(hi, parameter.fitted(s.fit));
    }
    const ModelParameters taken = MercuryModel(n.Chosen(), n.pcMax);
    for (const double k : {kLo, kHi}) {
        lo = std::min(lo, parameter.model(taken, k));
        hi = std::max(hi, parameter.model(taken, k));
    }

    ChartFrame frame;
    frame.width = kPanelWidth;
    frame.height = kPanelHeight;
    frame.x = ChartAxis::Log10(kLo, kHi);
    frame.y = parameter.logarithmic ? ChartAxis::Log10(lo, hi) : ChartAxis::Linear(std::min(lo, 0.0), hi);
    frame.title = parameter.title;
    const PcRelation& r = n.relations.*parameter.relation;
    frame.subtitle
        = Format("Zweischritt: R² = %.4f   RMS = %.4g", r.r2, r.rms) + (parameter.logarithmic ? " Dekaden" : "");
    frame.xLabel = "Permeabilität K (mD)";
    frame.yLabel = parameter.label;
    frame.Draw(out);

    if (n.refinedValid && n.refined != n.twoStep) {
        const PcCoefficients& other = n.refinedTaken ? n.twoStep : n.refined;
        AddRelation(out, frame, parameter, MercuryModel(other, n.pcMax), kLo, kHi, PenKind::Series3);
    }
    AddRelation(out, frame, parameter, taken, kLo, kHi, PenKind::Series1);
    std::vector<GraphPoint> points;
    for (size_t i = 0; i < n.samples.size(); ++i)
        points.push_back(frame.Map(ks[i], parameter.fitted(n.samples[i].fit)));
    out.push_back(GraphPrimitive::Markers(std::move(points), kMarkerRadius, PenKind::Points, BrushKind::Solid));
}

} // namespace

GraphPage PcParameterGraph(const PcNormalization& n, const std::string& source)
{
    GraphPage page;
    page.title = source.empty() ? "Normierungsparameter" : "Normierungsparameter: " + source;
    ChartFrame panel;
    panel.width = kPanelWidth;
    panel.height = kPanelHeight;
    const PageExtent cell = panel.Extent();
    page.extent = {cell.left, cell.top + kPageTitleRoom, cell.left + 2 * cell.Width(), cell.top - 2 * cell.Height()};
    const int centre = (page.extent.left + page.extent.right) / 2;
    page.list.push_back(GraphPrimitive::Text({centre, page.extent.top - 40}, page.title, FontKind::Title));
    if (!n.ok || n.samples.empty()) {
        page.list.push_back(
            GraphPrimitive::Text({centre, page.extent.top - 140}, "keine Anpassung", FontKind::Heading));
        return page;
    }
    page.list.push_back(GraphPrimitive::Text({centre, page.extent.top - 140},
        std::string("Punkte: Anpassung je Probe   rot: übernommene ")
            + (n.refinedTaken ? "Gesamtanpassung" : "Zweischritt-Anpassung")
            + (n.refinedValid && n.refined != n.twoStep
                    ? (n.refinedTaken ? "   blau: Zweischritt-Anpassung" : "   blau: Gesamtanpassung")
                    : ""),
        FontKind::Label));

    std::vector<double> ks;
    for (const PcSampleResult& s : n.samples)
        ks.push_back(s.permeability);
    for (size_t i = 0; i < kParameters.size(); ++i) {
        const size_t from = page.list.size();
        AddPanel(page.list, n, ks, kParameters[i]);
        Shift(page.list, from, static_cast<int>(i % 2) * cell.Width(), -static_cast<int>(i / 2) * cell.Height());
    }
    return page;
}

} // namespace keldo
