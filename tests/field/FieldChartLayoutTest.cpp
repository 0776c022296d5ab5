// The field chart by zone and laid out for a window: one box per well and
// zone, a page of the asked size, names that stay apart.
#include <gtest/gtest.h>

#include <algorithm>

#include "FieldChartSupport.h"
#include "ZoneColumns.h"

using keldo::GraphPrimitive;

namespace {

const std::vector<keldo::WellSummary>& Volve()
{
    static const std::vector<keldo::WellSummary> wells = VolveSummaries(true);
    return wells;
}

bool IsBox(const GraphPrimitive& p)
{
    // The legend's box stands above the plot.
    return p.kind == GraphPrimitive::Kind::Rectangle && p.brush == keldo::BrushKind::Shade && p.points[0].y <= 0;
}

std::vector<const GraphPrimitive*> Texts(const keldo::GraphPage& page, const std::string& prefix)
{
    std::vector<const GraphPrimitive*> texts;
    for (const GraphPrimitive& p : page.list)
        if (p.kind == GraphPrimitive::Kind::Text && p.text.rfind(prefix, 0) == 0)
            texts.push_back(&p);
    return texts;
}

} // namespace

// Per zone, each well's zones stand side by side under "well: zone", a box
// for each zone with contacts; the zones' own contacts set its box and
// whiskers. Zones as zones.csv of `keldo-field --tops examples/volve-tops.csv`
// lists them: F-12 Oberer and Unterer Sand (its top below the log is
// skipped), F-11 A and F-11 B each Oberer and Unterer Sand.
TEST(FieldChartLayout, OneBoxPerWellOrPerZone)
{
    const std::vector<keldo::WellSummary>& volve = Volve();
    ASSERT_EQ(volve.size(), 3u);
    size_t zones = 0, zonesWithContacts = 0;
    for (const keldo::WellSummary& w : volve)
        for (const keldo::ZoneResult& z : w.zones) {
            ++zones;
            zonesWithContacts += z.contacts > 0;
        }
    ASSERT_EQ(zones, 6u);
    const struct Case {
        bool zones;
        size_t columns; // named
        size_t boxes;
    } cases[] = {{false, 3, 3}, {true, zones, zonesWithContacts}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zones);
        keldo::FieldChartLayout layout;
        layout.zones = c.zones;
        layout.nameChars = 40;
        const keldo::GraphPage page = keldo::FieldChart(volve, layout);
        const auto names = Texts(page, "15/9-F-1");
        ASSERT_EQ(names.size(), c.columns);
        EXPECT_EQ(std::count_if(page.list.begin(), page.list.end(), IsBox), static_cast<long>(c.boxes));
        if (c.zones) {
            EXPECT_EQ(names.front()->text, "15/9-F-12: Oberer Sand");
            EXPECT_EQ(names.back()->text, "15/9-F-11 B: Unterer Sand");
        }
    }
    // A zone's column carries the zone's numbers, not the well's.
    const std::vector<keldo::WellSummary> columns = keldo::ZoneColumns(volve);
    ASSERT_EQ(columns.size(), zones);
    const keldo::ZoneResult& upper = volve[1].zones[0];
    EXPECT_EQ(columns[2].well, "15/9-F-11 A: Oberer Sand");
    EXPECT_EQ(columns[2].classes[0].count, upper.contacts);
    EXPECT_EQ(columns[2].p10, upper.quantiles.p10);
    EXPECT_EQ(columns[2].p90, upper.quantiles.p90);
    EXPECT_EQ(columns[2].classes[0].min, upper.contactMin);
    EXPECT_LE(upper.contactMin, upper.quantiles.p10);
    EXPECT_GE(upper.contactMax, upper.quantiles.p90);
    EXPECT_EQ(columns[2].contact, volve[1].contact);
}

// A window's page is the size it asks for (at least a readable plot), its
// names inside it and apart from each other, turned where they do not fit.
TEST(FieldChartLayout, AWindowPageFillsItsSize)
{
    const struct Case {
        size_t wells;
        bool zones;
        int width, height; // of the page, logical units
        int angle;         // of the names
    } cases[] = {
        {3, false, 2600, 1300, 0},  // the default window: few wells, names side by side
        {3, true, 2600, 2000, 90},  // six zone names do not fit side by side
        {3, false, 5200, 2600, 0},  // a maximised window
        {40, false, 2600, 1500, 90},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wells * 10 + c.zones);
        const std::vector<keldo::WellSummary> wells = Wells(Volve(), c.wells);
        keldo::FieldChartLayout layout;
        layout.pageWidth = c.width;
        layout.pageHeight = c.height;
        layout.nameChars = 40;
        layout.zones = c.zones;
        const keldo::GraphPage page = keldo::FieldChart(wells, layout);
        EXPECT_EQ(page.extent.Width(), c.width);
        EXPECT_EQ(page.extent.Height(), c.height);
        const auto names = Texts(page, "15/9-F-1");
        ASSERT_FALSE(names.empty());
        for (size_t i = 0; i < names.size(); ++i) {
            EXPECT_EQ(names[i]->angle, c.angle);
            const NameBox cell = NameCell(*names[i]);
            EXPECT_GE(cell.left, page.extent.left);
            EXPECT_LE(cell.right, page.extent.right);
            EXPECT_GE(cell.bottom, page.extent.bottom);
            if (i > 0) {
                EXPECT_FALSE(cell.Overlaps(NameCell(*names[i - 1]))) << names[i]->text;
            }
        }
    }
}
