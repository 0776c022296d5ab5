#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "FreeWaterLevel.h"
#include "GeneratedPressures.h"
#include "LocaleGuard.h"
#include "PressureDepthGraph.h"
#include "TextFormat.h"

using keldo::GraphPoint;
using keldo::GraphPrimitive;
using keldo::PenKind;

namespace {

std::vector<const GraphPrimitive*> OfKind(const keldo::GraphPage& page, GraphPrimitive::Kind kind, PenKind pen)
{
    std::vector<const GraphPrimitive*> found;
    for (const GraphPrimitive& p : page.list)
        if (p.kind == kind && p.pen == pen)
            found.push_back(&p);
    return found;
}

std::vector<std::string> Texts(const keldo::GraphPage& page)
{
    std::vector<std::string> texts;
    for (const GraphPrimitive& p : page.list)
        if (p.kind == GraphPrimitive::Kind::Text)
            texts.push_back(p.text);
    return texts;
}

bool HasTextStartingWith(const keldo::GraphPage& page, const std::string& start)
{
    for (const std::string& text : Texts(page))
        if (text.rfind(start, 0) == 0)
            return true;
    return false;
}

// The page height where two drawn lines cross.
double CrossingY(const GraphPrimitive& a, const GraphPrimitive& b)
{
    // Each line as x = x0 + (y - y0)·dx/dy; depth lines are never level.
    auto slope = [](const GraphPrimitive& l) {
        return double(l.points[1].x - l.points[0].x) / (l.points[1].y - l.points[0].y);
    };
    const double sa = slope(a), sb = slope(b);
    // a.x0 + (y - a.y0)·sa = b.x0 + (y - b.y0)·sb
    return (b.points[0].x - a.points[0].x + a.points[0].y * sa - b.points[0].y * sb) / (sa - sb);
}

} // namespace

TEST(PressureDepthGraph, DrawsTheLegsTheirMeetingPointAndTheContact)
{
    GermanLocale german;
    PressureWell named;
    PressureWell noisy;
    noisy.named = false, noisy.noise = 0.05, noisy.seed = 4;
    PressureWell five;
    five.named = false, five.hcPoints = 3, five.waterPoints = 2;
    const std::vector<keldo::PressurePoint> leftOut = {{30, 2897, 293.5, {}}, {31, 2880, 286.1, {}}};

    struct Case {
        const char* what;
        PressureWell well;
        std::vector<keldo::PressurePoint> leftOut;
        std::optional<float> logContact;
        const char* subtitle; // nullptr: the level's
        std::vector<std::string> legend;
    } cases[] = {
        {"gas and water named, points left out", named, leftOut, std::nullopt, nullptr,
            {"Wasser: 8, 1020.0 kg/m3", "Gas: 6, 200.0 kg/m3", "ausgelassen (use = 0): 2"}},
        {"split legs with noise, the contact of the log fit", noisy, {}, 2895.5f, nullptr,
            {"Wasser: 8, ", "Kohlenwasserstoff: 6, "}},
        {"refused: the points unsplit", five, {}, 2895.5f, "kein freies Wasserniveau", {"Druckpunkte: 5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::FreeWaterLevel fwl = keldo::FitFreeWaterLevel(Generate(c.well), 0);
        const keldo::GraphPage page = keldo::PressureDepthGraph(fwl, c.leftOut, c.logContact, 0, "15/9-F-12");

        EXPECT_EQ(page.title, "Formationsdruck über Teufe: 15/9-F-12");
        EXPECT_TRUE(HasTextStartingWith(
            page, c.subtitle ? c.subtitle : keldo::Format("Freies Wasserniveau %.2f m, σ = ", fwl.level)));
        for (const std::string& row : c.legend)
            EXPECT_TRUE(HasTextStartingWith(page, row)) << row;
        for (const GraphPrimitive& p : page.list)
            for (const GraphPoint& q : p.points) {
                EXPECT_GE(q.x, page.extent.left);
                EXPECT_LE(q.x, page.extent.right);
                EXPECT_LE(q.y, page.extent.top);
                EXPECT_GE(q.y, page.extent.bottom);
            }

        // Every point inside the plot, deeper points lower on the page.
        const PenKind pointPens[] = {PenKind::Series3, PenKind::Series1, PenKind::Points, PenKind::Outline};
        for (const PenKind pen : pointPens)
            for (const GraphPrimitive* markers : OfKind(page, GraphPrimitive::Kind::Markers, pen)) {
                if (markers->points.size() == 1)
                    continue; // the legend's
                for (const GraphPoint& q : markers->points)
                    EXPECT_TRUE(q.x >= 0 && q.x <= 2000 && q.y <= 0 && q.y >= -1300) << q.x << " " << q.y;
                if (pen != PenKind::Outline) { // the legs' points come by depth
                    EXPECT_GT(markers->points.front().y, markers->points.back().y);
                }
            }

        const auto dashed = OfKind(page, GraphPrimitive::Kind::Line, PenKind::Dashed);
        const auto contact = OfKind(page, GraphPrimitive::Kind::Line, PenKind::Thick);
        ASSERT_EQ(contact.size(), c.logContact ? 1u : 0u);
        EXPECT_EQ(HasTextStartingWith(page, "Gas-Wasser-Kontakt (Logs) 2895.50 m"), c.logContact.has_value());
        if (!fwl.ok()) {
            EXPECT_TRUE(dashed.empty());
            EXPECT_EQ(OfKind(page, GraphPrimitive::Kind::Markers, PenKind::Points).front()->points.size(), 5u);
            continue;
        }
        // The drawn lines meet on the drawn level, inside its band.
        ASSERT_EQ(dashed.size(), 1u);
        const int levelY = dashed[0]->points[0].y;
        const auto water = OfKind(page, GraphPrimitive::Kind::Line, PenKind::Series3);
        const auto hc = OfKind(page, GraphPrimitive::Kind::Line, PenKind::Series1);
        ASSERT_EQ(water.size(), 1u);
        ASSERT_EQ(hc.size(), 1u);
        EXPECT_NEAR(CrossingY(*water[0], *hc[0]), levelY, 3);
        const auto band = OfKind(page, GraphPrimitive::Kind::Rectangle, PenKind::Grid);
        ASSERT_EQ(band.size(), 1u);
        EXPECT_GE(band[0]->points[0].y, levelY);
        EXPECT_LE(band[0]->points[1].y, levelY);
        EXPECT_EQ(band[0]->brush, keldo::BrushKind::Shade);
        if (c.logContact) { // 4.5 m above a level near 2900 m
            EXPECT_GT(contact[0]->points[0].y, levelY);
        }
    }
}
