#include <gtest/gtest.h>

#include "DecimalNumber.h"
#include "LocaleGuard.h"

using keldo::DecimalMark;

// Number cells of tables exported under a German locale ("3027,5") and an
// English one, whatever the locale of the program.
TEST(DecimalNumber, ReadsCellsWithTheDecimalMarkAsked)
{
    GermanLocale german;
    const struct {
        const char* cell;
        DecimalMark mark;
        bool isNumber;
        double value;
    } cases[] = {
        {"3027.5", DecimalMark::Point, true, 3027.5},
        {"3027,5", DecimalMark::Point, false, 0},
        {"3027,5", DecimalMark::PointOrComma, true, 3027.5},
        {"3027.5", DecimalMark::PointOrComma, true, 3027.5},
        {"-0,25", DecimalMark::PointOrComma, true, -0.25},
        {"1,5e2", DecimalMark::PointOrComma, true, 150},
        {"3.027,5", DecimalMark::PointOrComma, false, 0}, // thousands point: not taken
        {"1,2,3", DecimalMark::PointOrComma, false, 0},
        {",5", DecimalMark::PointOrComma, true, 0.5},
        {"", DecimalMark::PointOrComma, false, 0},
        {" 5", DecimalMark::PointOrComma, false, 0}, // cells come trimmed
        {"auto", DecimalMark::PointOrComma, false, 0},
        {"nan", DecimalMark::PointOrComma, false, 0},
    };
    for (const auto& c : cases) {
        double value = -1;
        EXPECT_EQ(keldo::ParseNumberCell(c.cell, c.mark, value), c.isNumber) << c.cell;
        EXPECT_EQ(value, c.isNumber ? c.value : -1) << c.cell;
    }
}
