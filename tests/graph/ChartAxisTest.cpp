#include <gtest/gtest.h>

#include "ChartAxis.h"
#include "ChartFrame.h"
#include "LocaleGuard.h"

using keldo::ChartAxis;
using keldo::ChartFrame;

namespace {

struct AxisCase {
    const char* what;
    bool logarithmic;
    double lo, hi;
    double min, max, step;
    const char* firstLabel;
    const char* lastLabel;
};

// Expected ends and steps follow the saturation graph's step rule (about
// ten intervals, steps of 1, 2, 4, 5 times a power of ten) and whole
// decades on a logarithmic axis.
const AxisCase kAxes[] = {
    {"depths of a well", false, 2791.782, 3182.238, 2750, 3200, 50, "2750", "3200"},
    {"contacts of a field", false, 2930.1, 3160.5, 2900, 3200, 50, "2900", "3200"},
    {"porosity", false, 0.001, 0.3526, 0, 0.36, 0.04, "0.00", "0.36"},
    {"RMS of Sw", false, 0.081, 0.25, 0.08, 0.26, 0.02, "0.08", "0.26"},
    {"one value", false, 5, 5, 5, 6, 1, "5", "6"},
    {"reversed range", false, 10, 0, 0, 10, 2, "0", "10"},
    {"permeability in mD", true, 0.05, 3000, -2, 4, 1, "0.01", "10000"},
    {"one decade", true, 20, 20, 1, 2, 1, "10", "100"},
};

} // namespace

TEST(ChartAxis, RangesWidenToWholeSteps)
{
    GermanLocale german; // labels keep the decimal point
    for (const AxisCase& c : kAxes) {
        SCOPED_TRACE(c.what);
        const ChartAxis axis = c.logarithmic ? ChartAxis::Log10(c.lo, c.hi) : ChartAxis::Linear(c.lo, c.hi);
        EXPECT_NEAR(axis.min, c.min, 1e-9);
        EXPECT_NEAR(axis.max, c.max, 1e-9);
        EXPECT_NEAR(axis.step, c.step, 1e-12);
        const std::vector<double> ticks = axis.Ticks();
        ASSERT_GE(ticks.size(), 2u);
        EXPECT_EQ(axis.TickLabel(ticks.front()), c.firstLabel);
        EXPECT_EQ(axis.TickLabel(ticks.back()), c.lastLabel);
        // Every data value of the range lies on the axis.
        EXPECT_GE(axis.Fraction(c.lo), -1e-12);
        EXPECT_LE(axis.Fraction(c.hi), 1 + 1e-12);
    }
}

TEST(ChartFrame, MapsValuesOntoThePlot)
{
    ChartFrame frame;
    frame.width = 2000;
    frame.height = 1000;
    frame.x = ChartAxis::Linear(0, 10);
    frame.y = ChartAxis::Linear(2900, 3000);
    struct Row {
        bool downward;
        double x, y;
        int px, py;
    } rows[] = {
        {false, 0, 2900, 0, -1000}, // the smallest value at the bottom
        {false, 10, 3000, 2000, 0},
        {true, 0, 2900, 0, 0}, // depth axis: the smallest value at the top
        {true, 5, 2950, 1000, -500},
        {true, 10, 3000, 2000, -1000},
    };
    for (const Row& r : rows) {
        frame.yDownward = r.downward;
        EXPECT_EQ(frame.Map(r.x, r.y), (keldo::GraphPoint{r.px, r.py}));
    }
}

TEST(ChartFrame, EverythingItDrawsLiesOnThePage)
{
    ChartFrame frame;
    frame.x = ChartAxis::Log10(0.05, 3000);
    frame.y = ChartAxis::Linear(2791.782, 3182.238);
    frame.yDownward = true;
    frame.title = "Titel";
    frame.subtitle = "Untertitel";
    frame.xLabel = "x";
    frame.yLabel = "y";
    keldo::DisplayList list;
    frame.Draw(list);
    const keldo::PageExtent page = frame.Extent();
    ASSERT_FALSE(list.empty());
    for (const keldo::GraphPrimitive& p : list)
        for (const keldo::GraphPoint& pt : p.points) {
            EXPECT_GE(pt.x, page.left);
            EXPECT_LE(pt.x, page.right);
            EXPECT_LE(pt.y, page.top);
            EXPECT_GE(pt.y, page.bottom);
        }
}
