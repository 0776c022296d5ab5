// The measurement line: its fixed-width form, reading it back, and the depth
// window of a list of lines.
#include <gtest/gtest.h>

#include <string>

#include "LocaleGuard.h"
#include "MeasurementLine.h"

TEST(MeasurementLine, FixedWidthFormat)
{
    GermanLocale german;
    EXPECT_EQ(keldo::FormatMeasurementLine(1234.5f, 0.2f, 0.35f), "  1234.500      0.20000     0.35000");
    EXPECT_EQ(keldo::FormatMeasurementLine(-12.25f, 0.123456f, 1.0f), "   -12.250      0.12346     1.00000");
    // wider values push the columns out instead of being cut
    EXPECT_EQ(keldo::FormatMeasurementLine(1234567.0f, 0.5f, 0.5f), "1234567.000      0.50000     0.50000");
}

// Reading a line back as "%f%f%f": the stored form of a Volve row (15/9-F-12,
// first row of tests/data/volve/15_9-F-12.txt), lines typed by hand, and
// lines that stop early, which keep the values not read.
TEST(MeasurementLine, ReadsTheThreeValuesBack)
{
    const struct {
        std::string line;
        bool complete;
        keldo::MeasurementValues values; // from {-1, -1, -1}
    } rows[] = {
        {keldo::FormatMeasurementLine(2804.301f, 0.2699f, 0.0205f), true, {2804.301f, 0.2699f, 0.0205f}},
        {"1500 0.2 0.3", true, {1500.0f, 0.2f, 0.3f}},
        {"\t-12.25  1e-1 1. extra", true, {-12.25f, 0.1f, 1.0f}},
        {"1500 0.2", false, {1500.0f, 0.2f, -1.0f}},
        {"1500,5 0,2 0,3", false, {1500.0f, -1.0f, -1.0f}},
        {"nan 0.2 0.3", false, {-1.0f, -1.0f, -1.0f}},
        {"", false, {-1.0f, -1.0f, -1.0f}},
    };
    GermanLocale german;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.line);
        keldo::MeasurementValues values{-1, -1, -1};
        EXPECT_EQ(keldo::ReadMeasurementLine(row.line, values), row.complete);
        EXPECT_EQ(values.tvd, row.values.tvd);
        EXPECT_EQ(values.porosity, row.values.porosity);
        EXPECT_EQ(values.sw, row.values.sw);
    }
}

TEST(DepthWindow, FirstAndLastLineSmallerFirst)
{
    float minT = 7, maxT = 8;
    EXPECT_FALSE(keldo::DepthWindowFromLines({}, minT, maxT));
    EXPECT_EQ(minT, 7.0f);
    EXPECT_FALSE(keldo::DepthWindowFromLines({"1500 0.2 0.3", "Unsinn"}, minT, maxT));
    EXPECT_EQ(maxT, 8.0f);
    EXPECT_TRUE(keldo::DepthWindowFromLines({"  1400.000 0.2 0.3", "x", "  1500.500 0.2 0.3"}, minT, maxT));
    EXPECT_EQ(minT, 1400.0f);
    EXPECT_EQ(maxT, 1500.5f);
    EXPECT_TRUE(keldo::DepthWindowFromLines({"1500.5 0.2 0.3"}, minT, maxT));
    EXPECT_EQ(minT, 1500.5f);
    EXPECT_EQ(maxT, 1500.5f);
}
