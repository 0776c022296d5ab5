// The field chart, readable with few and with many wells.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "FieldChartSupport.h"

using keldo::GraphPrimitive;

TEST(FieldChart, ReadableWithFewAndWithManyWells)
{
    const std::vector<keldo::WellSummary> volve = VolveSummaries();
    ASSERT_EQ(volve.size(), 3u);
    const struct Case {
        size_t wells;
        int angle;    // of the names
        size_t named; // columns with a name
    } cases[] = {{2, 0, 2}, {3, 0, 3}, {50, 90, 50}, {200, 90, 50}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wells);
        const std::vector<keldo::WellSummary> wells = Wells(volve, c.wells);
        const keldo::GraphPage page = keldo::FieldChart(wells);

        // The names: below the plot, inside the page, none on another or on
        // the axis label.
        std::vector<const GraphPrimitive*> names, boxes, medians, assumed;
        const GraphPrimitive* xLabel = nullptr;
        for (const GraphPrimitive& p : page.list) {
            if (p.kind == GraphPrimitive::Kind::Text && p.text == "Bohrung")
                xLabel = &p;
            else if (p.kind == GraphPrimitive::Kind::Text && p.text.rfind("15/9-F-1", 0) == 0)
                names.push_back(&p);
            else if (p.kind == GraphPrimitive::Kind::Rectangle && p.brush == keldo::BrushKind::Shade
                && p.points[0].y <= 0)
                boxes.push_back(&p);
            else if (p.kind == GraphPrimitive::Kind::Line && p.pen == keldo::PenKind::Thick && p.points[0].y <= 0)
                medians.push_back(&p);
            else if (p.kind == GraphPrimitive::Kind::Line && p.pen == keldo::PenKind::Dashed && p.points[0].y <= 0)
                assumed.push_back(&p);
        }
        ASSERT_NE(xLabel, nullptr);
        ASSERT_EQ(names.size(), c.named);
        const NameBox label{xLabel->points[0].x - 200, xLabel->points[0].y, xLabel->points[0].x + 200,
            xLabel->points[0].y - keldo::FontHeight(xLabel->font)};
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(names[i]->angle, c.angle);
            const NameBox cell = NameCell(*names[i]);
            EXPECT_GE(cell.left, page.extent.left);
            EXPECT_LE(cell.right, page.extent.right);
            EXPECT_GE(cell.bottom, page.extent.bottom);
            EXPECT_FALSE(cell.Overlaps(label)) << names[i]->text;
            if (i > 0) {
                EXPECT_FALSE(cell.Overlaps(NameCell(*names[i - 1]))) << names[i]->text;
            }
        }

        // One box, median and assumed contact per well, each in its column
        // and in the order of the wells; the median inside the box.
        ASSERT_EQ(boxes.size(), c.wells);
        ASSERT_EQ(medians.size(), c.wells);
        ASSERT_EQ(assumed.size(), c.wells);
        for (size_t i = 0; i < c.wells; ++i) {
            const int left = std::min(boxes[i]->points[0].x, boxes[i]->points[1].x);
            const int right = std::max(boxes[i]->points[0].x, boxes[i]->points[1].x);
            EXPECT_LT(left, right);
            if (i > 0) {
                EXPECT_LT(std::max(boxes[i - 1]->points[0].x, boxes[i - 1]->points[1].x), left);
            }
            const int y = medians[i]->points[0].y;
            EXPECT_LE(y, std::max(boxes[i]->points[0].y, boxes[i]->points[1].y));
            EXPECT_GE(y, std::min(boxes[i]->points[0].y, boxes[i]->points[1].y));
            EXPECT_LE(assumed[i]->points[0].x, left);
            EXPECT_GE(assumed[i]->points[1].x, right);
        }
    }
}

// Depth grows downwards: 15/9-F-11 B's median, deeper than 15/9-F-11 A's,
// stands lower on the page, and so does its assumed contact of 3137 m.
TEST(FieldChart, DeeperContactsStandLower)
{
    const keldo::GraphPage page = keldo::FieldChart(VolveSummaries());
    std::vector<int> medians, assumed;
    for (const GraphPrimitive& p : page.list) {
        if (p.kind == GraphPrimitive::Kind::Line && p.pen == keldo::PenKind::Thick && p.points[0].y <= 0)
            medians.push_back(p.points[0].y);
        if (p.kind == GraphPrimitive::Kind::Line && p.pen == keldo::PenKind::Dashed && p.points[0].y <= 0)
            assumed.push_back(p.points[0].y);
    }
    ASSERT_EQ(medians.size(), 3u); // F-12, F-11 A, F-11 B
    ASSERT_EQ(assumed.size(), 3u);
    EXPECT_LT(medians[2], medians[1]);
    EXPECT_LT(assumed[2], assumed[1]);
    EXPECT_EQ(assumed[0], assumed[1]); // both 3027 m
    const auto has = [&](const std::string& text) {
        return std::any_of(page.list.begin(), page.list.end(), [&](const GraphPrimitive& p) { return p.text == text; });
    };
    EXPECT_TRUE(has("Feldstudie: Öl-Wasser-Kontakte der Bohrungen"));
    // The Volve LAS files give their elevation (54.9 m, volve-field.csv):
    // the depths are below sea level.
    EXPECT_TRUE(has("Vertikale Teufe TVDSS des OWC (m)"));
    EXPECT_EQ(page.title, "Feldstudie");
}

// A well without contacts keeps its column and its name, and nothing else.
TEST(FieldChart, AWellWithoutValuesKeepsItsColumn)
{
    keldo::WellSummary unread;
    unread.well = "nicht gelesen";
    unread.status = keldo::WellStatus::Unreadable;
    std::vector<keldo::WellSummary> wells = VolveSummaries();
    wells.insert(wells.begin() + 1, unread);
    const keldo::GraphPage page = keldo::FieldChart(wells);
    int boxes = 0, named = 0;
    for (const GraphPrimitive& p : page.list) {
        boxes += p.kind == GraphPrimitive::Kind::Rectangle && p.brush == keldo::BrushKind::Shade && p.points[0].y <= 0;
        named += p.kind == GraphPrimitive::Kind::Text && p.text == "nicht gelesen";
    }
    EXPECT_EQ(boxes, 3);
    EXPECT_EQ(named, 1);
}

// The depth axis says TVDSS only where the wells' depths are below sea level;
// wells never prepared say nothing about it.
TEST(FieldChart, DepthAxisNamesTheReference)
{
    const auto well = [](bool prepared, bool belowSeaLevel) {
        keldo::WellSummary w;
        w.prepared = prepared;
        w.belowSeaLevel = belowSeaLevel;
        return w;
    };
    const struct {
        const char* name;
        std::vector<keldo::WellSummary> wells;
        const char* depth;
    } cases[] = {
        {"documents only", {well(true, false), well(true, false)}, "TVD"},
        {"LAS wells with elevation", {well(true, true), well(true, true)}, "TVDSS"},
        {"both kinds", {well(true, true), well(true, false)}, "TVD bzw. TVDSS"},
        {"an unread well besides LAS wells", {well(true, true), well(false, false)}, "TVDSS"},
        {"no wells", {}, "TVD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keldo::DepthName(c.wells), c.depth);
    }
}

// A well's free-water level is marked in its column at its depth, with a
// legend entry; a study without one keeps the chart it had.
TEST(FieldChart, MarksTheFreeWaterLevel)
{
    const auto volve = VolveSummaries();
    const auto count = [](const keldo::GraphPage& page, keldo::PenKind pen) {
        return std::count_if(page.list.begin(), page.list.end(),
            [&](const GraphPrimitive& p) { return p.kind == GraphPrimitive::Kind::Line && p.pen == pen; });
    };
    const auto legend = [](const keldo::GraphPage& page) {
        return std::count_if(page.list.begin(), page.list.end(),
            [](const GraphPrimitive& p) { return p.text == "freies Wasserniveau (Druck)"; });
    };
    const struct Case {
        const char* what;
        std::vector<std::optional<float>> levels; // by well
        long marks;
    } cases[] = {
        {"no level", {{}, {}, {}}, 0},
        {"the second well's level at its contact", {{}, volve[1].contact, {}}, 1},
        {"every well's level", {volve[0].contact, volve[1].contact, volve[2].contact}, 3},
    };
    const keldo::GraphPage before = keldo::FieldChart(volve);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<keldo::WellSummary> wells = volve;
        for (size_t i = 0; i < wells.size(); ++i)
            wells[i].freeWaterLevel = c.levels[i];
        const keldo::GraphPage page = keldo::FieldChart(wells);
        EXPECT_EQ(legend(page), c.marks > 0 ? 1 : 0);
        // One mark per level and one in the legend.
        EXPECT_EQ(count(page, keldo::PenKind::Series3), c.marks > 0 ? c.marks + 1 : 0);
        if (c.marks == 0) {
            ASSERT_EQ(page.list.size(), before.list.size());
            for (size_t i = 0; i < page.list.size(); ++i) {
                const GraphPrimitive &a = page.list[i], &b = before.list[i];
                EXPECT_TRUE(a.kind == b.kind && a.points == b.points && a.pen == b.pen && a.brush == b.brush
                    && a.text == b.text && a.size == b.size)
                    << i;
            }
        }
        // At the contact's depth each mark lies on the dashed contact's line.
        for (const GraphPrimitive& mark : page.list) {
            if (mark.kind != GraphPrimitive::Kind::Line || mark.pen != keldo::PenKind::Series3 || mark.points[0].y > 0)
                continue;
            const bool onContact = std::any_of(page.list.begin(), page.list.end(), [&](const GraphPrimitive& p) {
                return p.kind == GraphPrimitive::Kind::Line && p.pen == keldo::PenKind::Dashed
                    && p.points[0].y == mark.points[0].y && p.points[0].x < mark.points[0].x
                    && p.points[1].x > mark.points[1].x;
            });
            EXPECT_TRUE(onContact) << mark.points[0].y;
        }
    }
}
