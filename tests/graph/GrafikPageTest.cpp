#include <gtest/gtest.h>

#include <algorithm>

#include "GrafikState.h"
#include "GraphTestData.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"

namespace {

using keldo::BrushKind;
using keldo::DisplayList;
using keldo::FontKind;
using keldo::GraphPoint;
using keldo::GraphPrimitive;
using keldo::PenKind;
using Kind = keldo::GraphPrimitive::Kind;

// Ten units per character: enough to place the legend lines.
class FixedMeasure : public keldo::ITextMeasure {
public:
    int TextWidth(FontKind, const std::string& text) const override { return 10 * int(text.size()); }
};

const GraphPrimitive* FindText(const DisplayList& list, const std::string& text)
{
    auto it = std::find_if(
        list.begin(), list.end(), [&](const GraphPrimitive& p) { return p.kind == Kind::Text && p.text == text; });
    return it == list.end() ? nullptr : &*it;
}

std::vector<GraphPrimitive> WithPen(const DisplayList& list, Kind kind, PenKind pen)
{
    std::vector<GraphPrimitive> out;
    for (const GraphPrimitive& p : list)
        if (p.kind == kind && p.pen == pen)
            out.push_back(p);
    return out;
}

class GrafikPage : public ::testing::Test {
protected:
    RecordingMessageBox messages;
    CKeldoDoc doc{messages};
    CGrafikState state;
    FixedMeasure measure;

    DisplayList Draw()
    {
        state.OnGraf(doc);
        return state.zeichnen(doc, measure);
    }
};

TEST_F(GrafikPage, SaturationPageTextsCurvesAndLegend)
{
    FillSaturationGraph(doc);
    doc.SetTitle("F12.kld");
    const DisplayList list = Draw();

    ASSERT_FALSE(list.empty());
    const GraphPrimitive& frame = list.front();
    EXPECT_EQ(frame.kind, Kind::Rectangle);
    EXPECT_EQ(frame.points, (std::vector<GraphPoint>{{0, 0}, {1300, -750}}));
    EXPECT_EQ(frame.brush, BrushKind::Default);

    struct Where {
        std::string text;
        int x, y;
        FontKind font;
    };
    const Where texts[] = {
        {"Nachrechnung der Wassersättigung Sw", 650, 300, FontKind::Title},
        {"15/9-F-12", 650, 210, FontKind::Heading},
        {"Gas-Wasser-Kontakt:1600.0", 650, 150, FontKind::Heading},
        {"Sw(-)", -50, 120, FontKind::Heading},
        {"Vertikale Teufe TVD (m)", 650, -820, FontKind::Heading},
        {"Porosität(-)", 1300, 120, FontKind::Heading},
        {"Dokument F12.kld", 100, -950, FontKind::Label},
        {"Sw gemessen ", 650, -890, FontKind::Label},
        {"  Porosität ", 650, -930, FontKind::Label},
        {"Sw berechnet", 650, -970, FontKind::Label},
    };
    for (const Where& w : texts) {
        const GraphPrimitive* t = FindText(list, w.text);
        ASSERT_NE(t, nullptr) << w.text;
        EXPECT_EQ(t->points[0], (GraphPoint{w.x, w.y})) << w.text;
        EXPECT_EQ(t->font, w.font) << w.text;
        EXPECT_EQ(t->align, keldo::kAlignCenter);
    }

    // One curve per series, then each legend line right of its text.
    const PenKind pens[] = {PenKind::Series1, PenKind::Series2, PenKind::Series3};
    const int legendY[] = {-910, -950, -990};
    const std::string legends[] = {doc.m_strLegende1, doc.m_strLegende2, doc.m_strLegende3};
    for (int s = 0; s < 3; ++s) {
        const auto curves = WithPen(list, Kind::Polyline, pens[s]);
        ASSERT_EQ(curves.size(), 1u);
        EXPECT_EQ(curves[0].points.size(), 60u);
        const auto legend = WithPen(list, Kind::Line, pens[s]);
        ASSERT_EQ(legend.size(), 1u);
        const int w = measure.TextWidth(FontKind::Label, legends[s]);
        EXPECT_EQ(legend[0].points, (std::vector<GraphPoint>{{650 + w, legendY[s]}, {650 + w + 200, legendY[s]}}));
    }
    // Measured Sw is drawn before the porosity legend and curve.
    auto index = [&](Kind kind, PenKind pen) {
        return std::find_if(list.begin(), list.end(), [&](const GraphPrimitive& p) {
            return p.kind == kind && p.pen == pen;
        }) - list.begin();
    };
    EXPECT_LT(index(Kind::Polyline, PenKind::Series1), index(Kind::Line, PenKind::Series1));
    EXPECT_LT(index(Kind::Line, PenKind::Series1), index(Kind::Polyline, PenKind::Series2));
    EXPECT_TRUE(WithPen(list, Kind::Rectangle, PenKind::Bar).empty());
}

TEST_F(GrafikPage, HistogramBarsOfSevenBounds)
{
    FillHistogram(doc, 1480, 5, {1, 3, 17, 9, 4, 1, 0});
    const DisplayList list = Draw();
    const auto bars = WithPen(list, Kind::Rectangle, PenKind::Bar);
    ASSERT_EQ(bars.size(), 7u);
    // 1300 / 6 - 9 = 207: half widths of 103.
    EXPECT_EQ(bars[0].points[0], (GraphPoint{0, -750}));
    EXPECT_EQ(bars[0].points[1].x, 103);
    EXPECT_EQ(bars[0].brush, BrushKind::BarHatch);
    EXPECT_EQ(bars[2].points[0].x, 433 - 103);
    EXPECT_EQ(bars[2].points[1].x, 433 + 103);
    EXPECT_EQ(bars[2].points[1].y, -41); // -41.7, rounded toward the top
    EXPECT_EQ(bars[6].points[0].x, 1300 - 103);
    EXPECT_EQ(bars[6].points[1].x, 1300);
    // One y axis: no curves, no legend, no right axis.
    EXPECT_TRUE(WithPen(list, Kind::Polyline, PenKind::Series2).empty());
    EXPECT_EQ(FindText(list, "Sw gemessen "), nullptr);
    EXPECT_NE(FindText(list, "Anzahl"), nullptr);
}

TEST_F(GrafikPage, BarsStandOnTheBottomWhenCountsStayAboveZero)
{
    FillHistogram(doc, 1480, 5, {12, 14, 17, 15});
    const DisplayList list = Draw();
    ASSERT_GT(state.ymin, 0);
    for (const GraphPrimitive& bar : WithPen(list, Kind::Rectangle, PenKind::Bar))
        EXPECT_EQ(bar.points[0].y, -750);
}

TEST_F(GrafikPage, SingleBarIsNineUnitsWide)
{
    FillHistogram(doc, 5.5f, 1, {3});
    const DisplayList list = Draw();
    const auto bars = WithPen(list, Kind::Rectangle, PenKind::Bar);
    ASSERT_EQ(bars.size(), 1u);
    EXPECT_EQ(bars[0].points[0].x, 650 - 4);
    EXPECT_EQ(bars[0].points[1].x, 650); // the last bar has no right half
}

TEST_F(GrafikPage, EmptyResultStillHasFrameAxesAndGrid)
{
    FillSaturationGraph(doc, 0);
    const DisplayList list = Draw();
    EXPECT_EQ(list.front().kind, Kind::Rectangle);
    const auto curve = WithPen(list, Kind::Polyline, PenKind::Series1);
    ASSERT_EQ(curve.size(), 1u);
    EXPECT_TRUE(curve[0].points.empty());
    EXPECT_FALSE(WithPen(list, Kind::Line, PenKind::Grid).empty());
    EXPECT_NE(FindText(list, "  0.0"), nullptr);
}

TEST_F(GrafikPage, LandscapePaperRecomputesThePagePoints)
{
    FillSaturationGraph(doc);
    state.OnGraf(doc);
    state.m_bPrint = 1;
    state.m_bHochformat = 0;
    const DisplayList list = state.zeichnen(doc, measure);
    EXPECT_EQ(state.breite, 2200);
    EXPECT_EQ(state.hoehe, 1300);
    EXPECT_EQ(list.front().points[1], (GraphPoint{2200, -1300}));
    EXPECT_EQ(state.m_Punkte1[59].x, keldo::Trunc32(2200 * (double(doc.m_X[59]) - 1500) / 90));
    ASSERT_NE(FindText(list, "Dokument "), nullptr);
    EXPECT_EQ(FindText(list, "Dokument ")->points[0].y, -1500);
}

TEST_F(GrafikPage, EverythingLiesInsideThePageExtent)
{
    for (int lupe = 0; lupe < 2; ++lupe) {
        FillSaturationGraph(doc);
        state.m_bGrafiklupe = lupe;
        const DisplayList list = Draw();
        const auto extent = state.PageExtent();
        for (const GraphPrimitive& p : list)
            for (const GraphPoint& pt : p.points) {
                EXPECT_GE(pt.x, extent.left);
                EXPECT_LE(pt.x, extent.right);
                EXPECT_LE(pt.y, extent.top);
                EXPECT_GE(pt.y, extent.bottom);
            }
    }
}

} // namespace

namespace {

TEST(BoundsOf, PointsAndTextCells)
{
    using keldo::DrawingBounds;
    const FixedMeasure measure; // ten units per character
    struct Row {
        const char* what;
        DisplayList list;
        DrawingBounds expected;
    } rows[] = {
        {"nothing", {}, {0, 0, 0, 0}},
        {"a line", {GraphPrimitive::Line({-10, 20}, {30, -40}, PenKind::Frame)}, {-10, 20, 30, -40}},
        {"centred heading hangs 60 down", {GraphPrimitive::Text({1950, 120}, "Porosität(-)", FontKind::Heading)},
            {1885, 120, 2015, 60}},
        {"right-aligned title hangs 70 down",
            {GraphPrimitive::Text({100, 0}, "abc", FontKind::Title, keldo::kAlignRight)}, {70, 0, 100, -70}},
        {"left-aligned label hangs 45 down", {GraphPrimitive::Text({100, 0}, "abc", FontKind::Label, keldo::kAlignTop)},
            {100, 0, 130, -45}},
        {"an empty text adds nothing",
            {GraphPrimitive::Rectangle({0, 0}, {1300, -750}, PenKind::Frame, BrushKind::Default),
                GraphPrimitive::Text({5000, 5000}, "", FontKind::Title)},
            {0, 0, 1300, -750}},
        {"text beside a polyline",
            {GraphPrimitive::Polyline({{0, 0}, {500, -100}}, PenKind::Series1),
                GraphPrimitive::Text({500, -200}, "Dokument x", FontKind::Label)},
            {0, 0, 550, -245}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(keldo::BoundsOf(row.list, measure), row.expected) << row.what;
}

} // namespace
