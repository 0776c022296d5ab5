#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

#include "LocaleGuard.h"
#include "TextFormat.h"

using keldo::AppendFixed;
using keldo::Format;
using keldo::ScanFloats;

TEST(TextFormat, FormatUsesDecimalPointUnderGermanLocale)
{
    GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "no German locale on this machine";
    char native[32];
    std::snprintf(native, sizeof native, "%10.3f", 1234.5);
    EXPECT_STREQ(native, "  1234,500"); // what the library alone would print
    EXPECT_EQ(Format("%10.3f", 1234.5), "  1234.500");
    EXPECT_EQ(Format("%g %+g", 0.626995f * 1.0, -0.0412589), "0.626995 -0.0412589");
    float v[3];
    ASSERT_EQ(ScanFloats("1234.5 0.2 0.3", v, 3), 3);
    EXPECT_FLOAT_EQ(v[0], 1234.5f);
}

TEST(TextFormat, FormatHandlesLongOutput)
{
    std::string longText(2000, 'x');
    EXPECT_EQ(Format("%s|%d", longText.c_str(), 7), longText + "|7");
}

TEST(TextFormat, AppendFixedGivesThePrintfBytes)
{
    std::mt19937 rng(42);
    std::uniform_real_distribution<float> depth(-5000.0f, 5000.0f);
    std::uniform_real_distribution<float> frac(0.0f, 1.0f);
    const int widths[] = {5, 7, 8, 9, 10, 11, 13, 19};
    for (int i = 0; i < 20000; ++i) {
        float value = (i % 2) ? depth(rng) : frac(rng);
        int width = widths[i % 8];
        int precision = i % 6;
        std::string mine;
        AppendFixed(mine, value, width, precision);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%*.*f", width, precision, static_cast<double>(value));
        ASSERT_EQ(mine, expected) << value << " " << width << " " << precision;
    }
    // Doubles of every magnitude, and values just beside a halfway point.
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int i = 0; i < 50000; ++i) {
        double value = std::pow(2.0, exponent(rng)) * ((i % 3) ? 1 : -1);
        if (i % 5 == 0)
            value = std::nextafter(std::round(value * 1000.0) / 1000.0 + 0.0005, (i % 2) ? 1e9 : -1e9);
        const int precision = i % 10;
        std::string mine;
        AppendFixed(mine, value, 12, precision);
        char expected[128];
        std::snprintf(expected, sizeof expected, "%12.*f", precision, value);
        ASSERT_EQ(mine, expected) << value << " " << precision;
    }
    // Halfway cases round as printf does, on the exact binary value.
    for (double v :
        {0.125, 0.375, 2.5, 3.5, -2.5, 0.0005, 1e20, 1e-300, -1e-300, -0.0, 0.0, 9.9999999999, 4503599627370497.0}) {
        std::string mine;
        AppendFixed(mine, v, 10, 2);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%10.2f", v);
        EXPECT_EQ(mine, expected);
    }
    std::string overflow;
    AppendFixed(overflow, 123456789.0, 5, 1);
    EXPECT_EQ(overflow, "123456789.0");
}

TEST(TextFormat, ScanFloatsFollowsTheDecimalGrammar)
{
    float v[4] = {};
    EXPECT_EQ(ScanFloats("  1200 0.25 0.4 extra", v, 3), 3);
    EXPECT_FLOAT_EQ(v[1], 0.25f);
    EXPECT_EQ(ScanFloats("-1.5e2\t+.5 3.", v, 3), 3);
    EXPECT_FLOAT_EQ(v[0], -150.0f);
    EXPECT_FLOAT_EQ(v[1], 0.5f);
    EXPECT_FLOAT_EQ(v[2], 3.0f);
    EXPECT_EQ(ScanFloats("nan 0.2 0.3", v, 3), 0);
    EXPECT_EQ(ScanFloats("inf 0.2 0.3", v, 3), 0);
    EXPECT_EQ(ScanFloats("1 0x10 0.3", v, 3), 2); // "0" then "x10" is no number
    EXPECT_EQ(ScanFloats("1234,5 0,2 0,3", v, 3), 1);
    EXPECT_EQ(ScanFloats("", v, 3), 0);
    EXPECT_EQ(ScanFloats("   ", v, 3), 0);
    EXPECT_EQ(ScanFloats("- 1 2", v, 3), 0);
    EXPECT_EQ(ScanFloats("1e 2 3", v, 3), 1); // the exponent needs digits
    EXPECT_EQ(ScanFloats("1e5", v, 1), 1);
    EXPECT_FLOAT_EQ(v[0], 1e5f);
    EXPECT_EQ(ScanFloats("1e99", v, 1), 1);
    EXPECT_TRUE(std::isinf(v[0]));
    EXPECT_EQ(ScanFloats("1e-99", v, 1), 1);
    EXPECT_EQ(v[0], 0.0f);
}

TEST(TextFormat, ScanFloatsRoundsLikeStrtof)
{
    // The printed forms of the program's own lines, with every number of
    // digits and decimals, and halfway cases just beside a float.
    std::mt19937 small(11);
    std::uniform_int_distribution<uint32_t> mantissa(0, 1u << 25);
    for (int i = 0; i < 200000; ++i) {
        char text[64];
        const uint32_t m = mantissa(small);
        const int decimals = i % 12;
        std::snprintf(text, sizeof text, "%s%u.%0*u", (i & 64) ? "-" : "", m / 100000, 5, m % 100000);
        if (decimals > 5)
            std::snprintf(text, sizeof text, "%ue-%d", m, decimals);
        else if (i % 7 == 0)
            std::snprintf(text, sizeof text, "%ue%d", m % 100000, decimals);
        float mine = 0;
        ASSERT_EQ(ScanFloats(text, &mine, 1), 1) << text;
        float expected = std::strtof(text, nullptr);
        ASSERT_EQ(std::memcmp(&mine, &expected, sizeof mine), 0) << text;
    }

    std::mt19937 rng(7);
    std::uniform_real_distribution<double> dist(-10000.0, 10000.0);
    for (int i = 0; i < 5000; ++i) {
        char text[64];
        std::snprintf(text, sizeof text, "%.9f", dist(rng));
        float mine = 0;
        ASSERT_EQ(ScanFloats(text, &mine, 1), 1);
        EXPECT_EQ(mine, std::strtof(text, nullptr)) << text;
    }
}

TEST(TextFormat, ParseWholeFloatTakesOneNumberOnly)
{
    float v = -1;
    EXPECT_TRUE(keldo::ParseWholeFloat(" 0.1000001 ", v));
    EXPECT_EQ(v, 0.1000001f);
    EXPECT_TRUE(keldo::ParseWholeFloat("-2.5e3", v));
    EXPECT_EQ(v, -2500.0f);
    for (const char* bad : {"", " ", "1 2", "1,5", "nan", "inf", "0x10", "12a", "--1", "."})
        EXPECT_FALSE(keldo::ParseWholeFloat(bad, v)) << bad;
}

TEST(TextFormat, OutOfRangeNumbersRoundAsStrtofDoes)
{
    // Written without an exponent, or with an exponent whose sign does not
    // tell over- from underflow.
    for (const char* text : {"0.000000000000000000000000000000000000000000000000001",
             "1000000000000000000000000000000000000000000000000e-9", "1e-40", "-1e-45", "3.5e38", "-1e39",
             "123456789012345678901234567890123456789012"}) {
        float mine = 0;
        ASSERT_EQ(ScanFloats(text, &mine, 1), 1) << text;
        float expected = std::strtof(text, nullptr);
        EXPECT_EQ(std::memcmp(&mine, &expected, sizeof mine), 0) << text << ": " << mine << " vs " << expected;
    }
}
