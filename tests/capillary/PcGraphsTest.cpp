#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "ChartAxis.h"
#include "DefaultParameters.h"
#include "PcGraphs.h"
#include "PcTestSets.h"

using keldo::GraphPoint;
using keldo::GraphPrimitive;

namespace {

std::vector<const GraphPrimitive*> OfKind(const keldo::GraphPage& page, GraphPrimitive::Kind kind)
{
    std::vector<const GraphPrimitive*> found;
    for (const GraphPrimitive& p : page.list)
        if (p.kind == kind)
            found.push_back(&p);
    return found;
}

bool HasText(const keldo::GraphPage& page, const std::string& text)
{
    return std::any_of(page.list.begin(), page.list.end(),
        [&](const GraphPrimitive& p) { return p.kind == GraphPrimitive::Kind::Text && p.text == text; });
}

void ExpectInsideExtent(const keldo::GraphPage& page)
{
    for (const GraphPrimitive& p : page.list)
        for (const GraphPoint& q : p.points) {
            EXPECT_GE(q.x, page.extent.left);
            EXPECT_LE(q.x, page.extent.right);
            EXPECT_LE(q.y, page.extent.top);
            EXPECT_GE(q.y, page.extent.bottom);
        }
}

// Distance from m to the nearest segment of the polylines.
double Nearest(const std::vector<const GraphPrimitive*>& lines, GraphPoint m)
{
    double nearest = 1e9;
    for (const GraphPrimitive* line : lines)
        for (size_t i = 0; i + 1 < line->points.size(); ++i) {
            const double ax = line->points[i].x, ay = line->points[i].y;
            const double dx = line->points[i + 1].x - ax, dy = line->points[i + 1].y - ay;
            const double length = dx * dx + dy * dy;
            const double t = length > 0 ? std::clamp(((m.x - ax) * dx + (m.y - ay) * dy) / length, 0.0, 1.0) : 0.0;
            nearest = std::min(nearest, std::hypot(ax + t * dx - m.x, ay + t * dy - m.y));
        }
    return nearest;
}

bool HasTextStarting(const keldo::GraphPage& page, const std::string& start)
{
    return std::any_of(page.list.begin(), page.list.end(),
        [&](const GraphPrimitive& p) { return p.kind == GraphPrimitive::Kind::Text && p.text.rfind(start, 0) == 0; });
}

keldo::PcNormalization NoiseFree(int samples)
{
    return keldo::NormalizePc(keldo::MakeSyntheticPcTable(DefaultSpec(samples)), {});
}

} // namespace

TEST(PcGraphs, CurvesPageShowsEachPlugOnItsModelCurveColouredByK)
{
    const keldo::PcNormalization n = NoiseFree(6);
    ASSERT_TRUE(n.ok);
    const keldo::GraphPage page = keldo::PcCurvesGraph(n, "kern.csv");
    EXPECT_EQ(page.title, "Kapillardruckkurven: kern.csv");
    for (const char* text : {"Wassersättigung Sw (-)", "Kapillardruck Quecksilber Pc (bar)",
             "Farbe: K von 0.1 mD (blau) bis 3000 mD (rot)"})
        EXPECT_TRUE(HasText(page, text)) << text;
    const auto markers = OfKind(page, GraphPrimitive::Kind::Markers);
    ASSERT_EQ(markers.size(), 6u);
    const auto lines = OfKind(page, GraphPrimitive::Kind::Polyline);
    int lastRed = -1;
    for (size_t i = 0; i < markers.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(markers[i]->points.size(), n.samples[i].points.size());
        // From blue to red as K rises.
        const int red = markers[i]->colour >> 16;
        EXPECT_GE(red, lastRed);
        lastRed = red;
        std::vector<const GraphPrimitive*> curve;
        for (const GraphPrimitive* line : lines)
            if (line->colour == markers[i]->colour)
                curve.push_back(line);
        ASSERT_FALSE(curve.empty());
        // A noise-free plug lies on its curve: every point within 1.5 mm.
        for (const GraphPoint& m : markers[i]->points)
            EXPECT_LT(Nearest(curve, m), 15) << m.x << " " << m.y;
    }
    EXPECT_EQ(markers.front()->colour, 0x0000ff);
    EXPECT_EQ(markers.back()->colour, 0xff0000);
    ExpectInsideExtent(page);
}

TEST(PcGraphs, ParameterPageHasAPanelPerParameter)
{
    const keldo::PcNormalization n = NoiseFree(8);
    ASSERT_TRUE(n.ok);
    const keldo::GraphPage page = keldo::PcParameterGraph(n, "kern.csv");
    EXPECT_EQ(page.title, "Normierungsparameter: kern.csv");
    for (const char* text :
        {"Haftwassersättigung Swmin", "Sperrdruck Pcsperr", "Formparameter alfa", "Formparameter beta"})
        EXPECT_TRUE(HasText(page, text)) << text;
    EXPECT_TRUE(HasTextStarting(page, "Zweischritt: R² = 1.0000   RMS = "));
    const auto markers = OfKind(page, GraphPrimitive::Kind::Markers);
    ASSERT_EQ(markers.size(), 4u);
    for (const GraphPrimitive* m : markers)
        EXPECT_EQ(m->points.size(), 8u);
    // The four panels side by side and one above the other.
    EXPECT_LT(markers[0]->points[0].x, markers[1]->points[0].x);
    EXPECT_GT(markers[0]->points[0].y, markers[2]->points[0].y);
    // Each panel's relation (the taken set) passes through its noise-free points.
    const auto lines = OfKind(page, GraphPrimitive::Kind::Polyline);
    for (size_t i = 0; i < markers.size(); ++i) {
        SCOPED_TRACE(i);
        std::vector<const GraphPrimitive*> curve;
        for (const GraphPrimitive* line : lines)
            if (line->pen == keldo::PenKind::Series1 && std::abs(line->points[0].x - markers[i]->points[0].x) < 2000
                && std::abs(line->points[0].y - markers[i]->points[0].y) < 1400)
                curve.push_back(line);
        for (const GraphPoint& m : markers[i]->points)
            EXPECT_LT(Nearest(curve, m), 15);
    }
    ExpectInsideExtent(page);
}

TEST(PcGraphs, SaturationHeightPageComputesAsTheRuns)
{
    const keldo::PcNormalization n = NoiseFree(8);
    ASSERT_TRUE(n.ok);
    struct Case {
        const char* what;
        int fluid;
        float oilDensity;
        const char* yLabel;
        bool drawn;
    } cases[] = {
        {"gas", 0, 0, "Höhe über dem Gas-Wasser-Kontakt (m)", true},
        {"oil of 830 kg/m3", 1, 830, "Höhe über dem Öl-Wasser-Kontakt (m)", true},
        {"oil as heavy as the water", 1, 1070, "Höhe über dem Öl-Wasser-Kontakt (m)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKeldoInputs in;
        SetDefaultGasParameters(in);
        in.m_nFluid = c.fluid;
        if (c.fluid == 1) {
            in.m_fDichteKW = c.oilDensity;
            in.m_fKontaktwinkel = 30;
        }
        const keldo::ModelParameters fluids = keldo::ModelParametersFor(in);
        const keldo::GraphPage page = keldo::SaturationHeightGraph(n, fluids, c.fluid, "kern.csv");
        EXPECT_TRUE(HasText(page, c.yLabel));
        const auto lines = OfKind(page, GraphPrimitive::Kind::Polyline);
        if (!c.drawn) {
            EXPECT_TRUE(lines.empty());
            EXPECT_TRUE(HasText(page, "keine Höhe: die Fluiddichte ist nicht kleiner als die Wasserdichte"));
            continue;
        }
        ASSERT_EQ(lines.size(), 4u);
        for (const char* label : {"K = 1 mD", "K = 10 mD", "K = 100 mD", "K = 1000 mD"})
            EXPECT_TRUE(HasText(page, label)) << label;
        // The curve of 10 mD through the run's height at Sw = 0.5 for 10 mD,
        // with the document's fluids and the taken coefficients.
        CKeldoInputs taken = in;
        keldo::WriteCoefficients(n.Chosen(), n.pcMax, taken);
        const keldo::ModelParameters model = keldo::ModelParametersFor(taken);
        const double height = keldo::HeightAboveContact(keldo::CurveFor(model, 10), 0.5f).metres;
        double top = 0;
        for (const GraphPrimitive* line : lines)
            for (const GraphPoint& p : line->points)
                top = std::max(top, static_cast<double>(p.y));
        const keldo::ChartAxis y = keldo::ChartAxis::Linear(
            0, keldo::HeightAboveContact(keldo::CurveFor(model, 1), keldo::CurveFor(model, 1).swmin).metres);
        const keldo::ChartAxis x = keldo::ChartAxis::Linear(0, 1);
        const GraphPoint want{static_cast<int>(std::lround(x.Fraction(0.5) * 2000)),
            static_cast<int>(std::lround((y.Fraction(height) - 1) * 1300))};
        EXPECT_LT(Nearest({lines[1]}, want), 5);
        ExpectInsideExtent(page);
    }
}

TEST(PcGraphs, RefusedNormalizationDrawsNoModel)
{
    const keldo::PcNormalization n = keldo::NormalizePc(keldo::MakeSyntheticPcTable(DefaultSpec(6)), {5.0f, 3, false});
    ASSERT_FALSE(n.ok);
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    const keldo::GraphPage pages[] = {keldo::PcCurvesGraph(n, "kern.csv"), keldo::PcParameterGraph(n, "kern.csv"),
        keldo::SaturationHeightGraph(n, keldo::ModelParametersFor(in), 0, "kern.csv")};
    for (const keldo::GraphPage& page : pages) {
        SCOPED_TRACE(page.title);
        EXPECT_TRUE(OfKind(page, GraphPrimitive::Kind::Polyline).empty());
        EXPECT_TRUE(std::any_of(page.list.begin(), page.list.end(), [](const GraphPrimitive& p) {
            return p.kind == GraphPrimitive::Kind::Text && p.text.find("keine Anpassung") != std::string::npos;
        }));
    }
}
