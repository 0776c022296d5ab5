#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "FitGraphs.h"
#include "LocaleGuard.h"
#include "PhiKFit.h"

using keldo::GraphPoint;
using keldo::GraphPrimitive;

namespace {

// The plot of every fit page: 2000 × 1300 units below and right of (0, 0).
bool InsidePlot(GraphPoint p) { return p.x >= 0 && p.x <= 2000 && p.y <= 0 && p.y >= -1300; }

std::vector<const GraphPrimitive*> OfKind(const keldo::GraphPage& page, GraphPrimitive::Kind kind, keldo::PenKind pen)
{
    std::vector<const GraphPrimitive*> found;
    for (const GraphPrimitive& p : page.list)
        if (p.kind == kind && p.pen == pen)
            found.push_back(&p);
    return found;
}

bool HasText(const keldo::GraphPage& page, const std::string& text)
{
    return std::any_of(page.list.begin(), page.list.end(),
        [&](const GraphPrimitive& p) { return p.kind == GraphPrimitive::Kind::Text && p.text == text; });
}

std::vector<keldo::PhiKSample> OnRelation(double c0, double c1, double c2, double phiFrom, double phiTo)
{
    std::vector<keldo::PhiKSample> samples;
    for (int i = 0; i <= 25; ++i) {
        const double phi = phiFrom + (phiTo - phiFrom) * i / 25;
        samples.push_back({2900.0 + i, phi, std::pow(10.0, c0 + c1 * phi + c2 * phi * phi)});
    }
    return samples;
}

} // namespace

TEST(FitGraphs, CrossPlotShowsThePairsOnTheFittedCurve)
{
    GermanLocale german;
    struct Case {
        const char* what;
        double c0, c1, c2, phiFrom, phiTo;
        const char* subtitle;
        const char* formula;
    } cases[] = {
        {"the dialog's default relation", -2.56554, 22.0004, 0, 0.05, 0.3,
            "n = 26   R² = 1.0000   RMS = 0.0000 Dekaden", "log(K) =-2.56554 +22.0004*PHI +0*PHI*PHI"},
        {"a curved relation", -4.37812, 42.8346, -85.1207, 0.08, 0.32, "n = 26   R² = 1.0000   RMS = 0.0000 Dekaden",
            "log(K) =-4.37812 +42.8346*PHI -85.1207*PHI*PHI"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto selection = keldo::SelectPhiKPairs(OnRelation(c.c0, c.c1, c.c2, c.phiFrom, c.phiTo), 0, 5000);
        const auto fit = keldo::FitPhiK(selection, c.c2 == 0 ? 1 : 2);
        ASSERT_TRUE(fit.ok) << fit.message;
        const keldo::GraphPage page = keldo::PhiKCrossPlot(selection, fit, "15/9-F-12");

        EXPECT_EQ(page.title, "Phi-K-Korrelation: 15/9-F-12");
        for (const char* text : {"Phi-K-Korrelation: 15/9-F-12", "Porosität PHI (-)", "Permeabilität K (mD)"})
            EXPECT_TRUE(HasText(page, text)) << text;
        EXPECT_TRUE(HasText(page, c.subtitle));
        EXPECT_TRUE(HasText(page, c.formula));

        const auto markers = OfKind(page, GraphPrimitive::Kind::Markers, keldo::PenKind::Points);
        ASSERT_EQ(markers.size(), 1u);
        ASSERT_EQ(markers[0]->points.size(), selection.pairs.size());
        std::vector<GraphPoint> curve;
        for (const GraphPrimitive* line : OfKind(page, GraphPrimitive::Kind::Polyline, keldo::PenKind::Series1))
            curve.insert(curve.end(), line->points.begin(), line->points.end());
        ASSERT_GT(curve.size(), 100u);
        for (const GraphPoint& p : curve)
            EXPECT_TRUE(InsidePlot(p)) << p.x << " " << p.y;
        // Every point lies on the curve: within 1 mm of one of its points.
        for (const GraphPoint& m : markers[0]->points) {
            EXPECT_TRUE(InsidePlot(m));
            double nearest = 1e9;
            for (const GraphPoint& p : curve)
                nearest = std::min(nearest, std::hypot(p.x - m.x, p.y - m.y));
            EXPECT_LT(nearest, 10);
        }
        for (const GraphPrimitive& p : page.list)
            for (const GraphPoint& q : p.points) {
                EXPECT_GE(q.x, page.extent.left);
                EXPECT_LE(q.x, page.extent.right);
                EXPECT_LE(q.y, page.extent.top);
                EXPECT_GE(q.y, page.extent.bottom);
            }
    }
}

TEST(FitGraphs, CrossPlotKeepsACurveThatRunsOffInsideThePlot)
{
    // Three pairs fitted exactly by a steep parabola that reaches 10^-40 mD
    // between them and beyond: the axis follows it two decades past the
    // data, the rest of the curve is cut off.
    const std::vector<keldo::PhiKSample> samples = {{1, 0.1, 1000}, {2, 0.15, 1e-3}, {3, 0.3, 1000}};
    const auto selection = keldo::SelectPhiKPairs(samples, 0, 10);
    const auto fit = keldo::FitPhiK(selection, 2);
    ASSERT_TRUE(fit.ok) << fit.message;
    const keldo::GraphPage page = keldo::PhiKCrossPlot(selection, fit, "");
    EXPECT_TRUE(HasText(page, "Phi-K-Korrelation"));
    const auto curves = OfKind(page, GraphPrimitive::Kind::Polyline, keldo::PenKind::Series1);
    ASSERT_GE(curves.size(), 2u); // leaves the plot and comes back
    for (const GraphPrimitive* line : curves)
        for (const GraphPoint& p : line->points)
            EXPECT_TRUE(InsidePlot(p)) << p.x << " " << p.y;
}

TEST(FitGraphs, MisfitGraphMarksTheContactAndShadesTheBand)
{
    GermanLocale german;
    struct Case {
        const char* what;
        int fluid;
        float gapFrom, gapTo; // contacts without a value
        const char* title;
        size_t scanLines;
        bool belowSeaLevel; // depths of a LAS import with an elevation
        const char* axis;
    } cases[] = {
        {"gas", 0, 0, 0, "Anpassung des Gas-Wasser-Kontaktes: 15/9-F-12", 1, false, "Kontakt TVD (m)"},
        {"oil, a gap in the scan", 1, 2950, 2960.5f, "Anpassung des Öl-Wasser-Kontaktes: 15/9-F-12", 2, false,
            "Kontakt TVD (m)"},
        {"gas, depths below sea level", 0, 0, 0, "Anpassung des Gas-Wasser-Kontaktes: 15/9-F-12", 1, true,
            "Kontakt TVDSS (m)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = keldo::FitContact(
            [&](float contact) {
                if (contact >= c.gapFrom && contact < c.gapTo)
                    return keldo::ContactMisfit{0, 0};
                return keldo::ContactMisfit{0.05 + 0.003 * std::fabs(contact - 2893.46), 80};
            },
            2800, 3200);
        ASSERT_TRUE(fit.ok) << fit.message;
        const keldo::GraphPage page = keldo::ContactMisfitGraph(fit, c.fluid, "15/9-F-12", c.belowSeaLevel);
        EXPECT_EQ(page.title, c.title);
        EXPECT_EQ(HasText(page, "Kontakt TVD (m)"), !c.belowSeaLevel);
        for (const char* text :
            {c.title, c.axis, "RMS von Sw (-)", "Kontakt 2893.46 m   RMS = 0.0500   n = 80",
                "schattiert: RMS bis 5 % über dem Minimum, 2892.63 bis 2894.29 m", "2893.46 m"})
            EXPECT_TRUE(HasText(page, text)) << text;

        // The contact axis runs 2800 to 3200 m over 2000 units, 5 units a
        // metre: 2893.46 m at 467.
        const auto dashed = OfKind(page, GraphPrimitive::Kind::Line, keldo::PenKind::Dashed);
        ASSERT_EQ(dashed.size(), 1u);
        EXPECT_EQ(dashed[0]->points[0].x, 467);
        EXPECT_EQ(dashed[0]->points[1].x, 467);
        const auto shade = std::find_if(page.list.begin(), page.list.end(),
            [](const GraphPrimitive& p) { return p.brush == keldo::BrushKind::Shade; });
        ASSERT_NE(shade, page.list.end());
        // The band: 0.0025 / 0.003 = 0.8333 m either side of the minimum.
        EXPECT_EQ(shade->points[0].x, 463); // 2892.63 m
        EXPECT_EQ(shade->points[1].x, 471); // 2894.29 m

        const auto scan = OfKind(page, GraphPrimitive::Kind::Polyline, keldo::PenKind::Series3);
        ASSERT_EQ(scan.size(), c.scanLines);
        size_t drawn = 0;
        for (const GraphPrimitive* line : scan) {
            drawn += line->points.size();
            for (const GraphPoint& p : line->points)
                EXPECT_TRUE(InsidePlot(p)) << p.x << " " << p.y;
        }
        size_t withValue = 0;
        for (const auto& point : fit.scan)
            withValue += point.misfit.n > 0;
        EXPECT_EQ(drawn, withValue);
    }
}
