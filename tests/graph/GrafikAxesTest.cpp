#include <gtest/gtest.h>

#include <algorithm>

#include "GrafikState.h"
#include "GraphTestData.h"
#include "KeldoDoc.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"

namespace {

using keldo::DisplayList;
using keldo::GraphPrimitive;
using Kind = keldo::GraphPrimitive::Kind;

struct Tick {
    int x, y;
};

std::vector<GraphPrimitive> OfKind(const DisplayList& list, Kind kind)
{
    std::vector<GraphPrimitive> out;
    std::copy_if(
        list.begin(), list.end(), std::back_inserter(out), [kind](const GraphPrimitive& p) { return p.kind == kind; });
    return out;
}

std::vector<std::string> Texts(const DisplayList& list)
{
    std::vector<std::string> out;
    for (const GraphPrimitive& p : OfKind(list, Kind::Text))
        out.push_back(p.text);
    return out;
}

class GrafikAxes : public ::testing::Test {
protected:
    RecordingMessageBox messages;
    CKeldoDoc doc{messages};
    CGrafikState state;
    DisplayList list;

    // Ranges as the scaling leaves them, without data behind them.
    void SetX(double lo, double hi, double step)
    {
        state.xmin = lo;
        state.xmax = hi;
        state.deltax = step;
    }
};

TEST_F(GrafikAxes, PlotSizesOnScreenWithMagnifierAndOnPaper)
{
    struct Case {
        int print, lupe, hoch, breite, hoehe;
    };
    const Case cases[] = {
        {0, 0, 1, 1300, 750}, {0, 1, 1, 1950, 1125}, {1, 0, 1, 1300, 2100}, {1, 0, 0, 2200, 1300},
        {1, 1, 1, 1300, 2100}, // the magnifier does not reach the paper
    };
    for (const Case& c : cases) {
        state.m_bPrint = c.print;
        state.m_bGrafiklupe = c.lupe;
        state.m_bHochformat = c.hoch;
        state.worldtrans(doc);
        EXPECT_EQ(state.breite, c.breite);
        EXPECT_EQ(state.hoehe, c.hoehe);
    }
}

TEST_F(GrafikAxes, DepthAxisTicksEveryStepLabelsEverySecond)
{
    SetX(1500, 1590, 10);
    state.xachse(list);
    const auto ticks = OfKind(list, Kind::Line);
    ASSERT_EQ(ticks.size(), 10u);
    const int expected[] = {0, 144, 288, 433, 577, 722, 866, 1011, 1155, 1299};
    for (size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(ticks[k].points[0].x, expected[k]);
        EXPECT_EQ(ticks[k].points[0].y, -750);
        EXPECT_EQ(ticks[k].points[1].y, -770);
    }
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"1500", "1520", "1540", "1560", "1580"}));
    const auto labels = OfKind(list, Kind::Text);
    EXPECT_EQ(labels[1].points[0].x, 288);
    EXPECT_EQ(labels[1].points[0].y, -780);
    EXPECT_EQ(labels[1].font, keldo::FontKind::Label);
}

TEST_F(GrafikAxes, XLabelFormatsFollowTheAxisEnds)
{
    SetX(0, 1, 0.2);
    state.xachse(list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"  0.0", "  0.2", "  0.4", "  0.6", "  0.8", "  1.0"}));

    list.clear();
    SetX(0, 30, 5);
    state.xachse(list);
    EXPECT_EQ(Texts(list).front(), "    0");
    EXPECT_EQ(Texts(list).back(), "   30");

    list.clear();
    SetX(0, 1000, 200);
    state.xachse(list);
    EXPECT_EQ(Texts(list).back(), " 1000"); // 1000 is not above 1000
}

TEST_F(GrafikAxes, LabelsKeepTheDecimalPointUnderAGermanLocale)
{
    GermanLocale german;
    SetX(0, 1, 0.2);
    state.xachse(list);
    EXPECT_EQ(Texts(list)[1], "  0.2");
}

TEST_F(GrafikAxes, SaturationAxesLeftAndRight)
{
    FillSaturationGraph(doc);
    state.OnGraf(doc);

    state.yachse(list);
    const std::vector<std::string> left = {
        "     0", "   0.2", "   0.4", "   0.6", "   0.8", "     1", "   1.2", "   1.4", "   1.6", "   1.8", "     2"};
    EXPECT_EQ(Texts(list), left);
    const auto leftTicks = OfKind(list, Kind::Line);
    ASSERT_EQ(leftTicks.size(), 11u);
    EXPECT_EQ(leftTicks[0].points[0].y, -750);
    EXPECT_EQ(leftTicks[0].points[1].x, -10);
    // Ten additions end just below the multiplied upper end: py 749.
    EXPECT_EQ(leftTicks.back().points[0].y, 749 - 750);
    EXPECT_EQ(OfKind(list, Kind::Text).back().points[0].x, -130);
    EXPECT_EQ(OfKind(list, Kind::Text).back().points[0].y, -1 + 20);

    list.clear();
    state.y1achse(list);
    const std::vector<std::string> right
        = {"   0", "0.04", "0.08", "0.12", "0.16", " 0.2", "0.24", "0.28", "0.32", "0.36", " 0.4"};
    EXPECT_EQ(Texts(list), right);
    const auto rightTicks = OfKind(list, Kind::Line);
    ASSERT_EQ(rightTicks.size(), 11u);
    EXPECT_EQ(rightTicks.back().points[0].x, 1300);
    EXPECT_EQ(rightTicks.back().points[1].x, 1310);
    EXPECT_EQ(rightTicks.back().points[0].y, 0);
    EXPECT_EQ(OfKind(list, Kind::Text).back().points[0].x, 1420);
}

TEST_F(GrafikAxes, CollapsedRangeHasTicksFromTheFirstTickOnly)
{
    FillHistogram(doc, 5.5f, 1, {3});
    state.OnGraf(doc);
    state.yachse(list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"     3", "     4"}));
    const auto ticks = OfKind(list, Kind::Line);
    ASSERT_EQ(ticks.size(), 2u);
    EXPECT_EQ(ticks[0].points[0].y, 375 - 750);
    EXPECT_EQ(ticks[1].points[0].y, 0);

    list.clear();
    state.gitter(list);
    for (const GraphPrimitive& line : list)
        EXPECT_EQ(line.points[0].x, line.points[1].x) << "a horizontal grid line was drawn";
}

TEST_F(GrafikAxes, GridLinesOnlyInsideTheFrame)
{
    FillSaturationGraph(doc);
    state.OnGraf(doc);
    state.gitter(list);
    int horizontal = 0, vertical = 0;
    for (const GraphPrimitive& line : list) {
        EXPECT_EQ(line.pen, keldo::PenKind::Grid);
        if (line.points[0].y == line.points[1].y) {
            ++horizontal;
            EXPECT_EQ(line.points[0].x, 0);
            EXPECT_EQ(line.points[1].x, 1300);
        } else {
            ++vertical;
            EXPECT_GT(line.points[0].x, 0);
            EXPECT_LT(line.points[0].x, 1300);
        }
    }
    // Left axis 0 to 2 in ten steps; the last addition ends below 2.0 and
    // gives one more line just under the top edge.
    EXPECT_EQ(horizontal, 10);
    EXPECT_EQ(vertical, 8);
}

TEST_F(GrafikAxes, SeriesPointsRoundTowardTheTop)
{
    FillSaturationGraph(doc, 2);
    doc.m_X[0] = 1500;
    doc.m_X[1] = 1590;
    doc.m_Y[0] = 0.5f;  // left axis 0..2
    doc.m_Y1[0] = 0.1f; // right axis 0..0.4
    doc.m_Y2[0] = 1.0f;
    state.OnGraf(doc);
    EXPECT_EQ(state.m_Punkte1[0], (keldo::GraphPoint{0, -562}));
    EXPECT_EQ(state.m_Punkte2[0].y, -562);
    EXPECT_EQ(state.m_Punkte3[0].y, -375);
    EXPECT_EQ(state.m_Punkte1[1].x, 1300);
}

TEST_F(GrafikAxes, UnscaledStateDrawsNoAxesAndDividesByNothing)
{
    state.xachse(list);
    state.yachse(list);
    state.y1achse(list);
    state.gitter(list);
    EXPECT_TRUE(list.empty());
    doc.m_MaxWerte = 1;
    state.worldtrans(doc);
    EXPECT_EQ(state.m_Punkte1[0], (keldo::GraphPoint{0, -750}));
}

} // namespace
