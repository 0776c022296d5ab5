#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "LocaleGuard.h"
#include "NumberText.h"

namespace {

struct NumberCase {
    const char* token;
    bool isNumber;
};

// Decimal texts on both sides of the short path (15 digits, no exponent) and
// beyond; the value must be the C library's correctly rounded reading.
const NumberCase kNumbers[] = {
    {"3102.2544", true},
    {"0.26989999", true},
    {"-999.25", true},
    {"+.5", true},
    {"2.", true},
    {"-0", true},
    {"0.1", true},
    {"999999999999999", true},  // 15 digits
    {"9999999999999999", true}, // 16 digits: the general way
    {"9007199254740993", true}, // 2^53 + 1, rounded to even
    {"0.30000000000000004", true},
    {"1.7976931348623157e308", true},
    {"4.9406564584124654e-324", true},
    {"1e-400", false},
    {"1e400", false},
    {"", false},
    {".", false},
    {"-", false},
    {"+-1", false},
    {"1.2.3", false},
    {"1e", false},
    {"nan", false},
    {"-inf", false},
    {"0x1p3", false},
    {"1,5", false},
    {"12abc", false},
};

TEST(NumberText, DecimalsReadAsTheCLibraryReadsThemWhateverTheLocale)
{
    GermanLocale german; // a decimal comma where the machine has the locale
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    for (const auto& n : kNumbers) {
        SCOPED_TRACE(n.token);
        double value = 12345;
        EXPECT_EQ(keldo::ParseNumber(n.token, value), n.isNumber);
        if (n.isNumber)
            EXPECT_EQ(value, strtod_l(n.token, nullptr, c));
        else
            EXPECT_EQ(value, 12345) << "untouched";
    }
    freelocale(c);
}

// A value shown in a field must read back as the very same double, so that
// an elevation left as shown gives the lines of the batch tool.
TEST(NumberText, ShortestTextReadsBackAsTheSameValue)
{
    GermanLocale german;
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {54.9, "54.9"},           // EDF of the Volve files, "54.900"
        {82 * 0.3048, "24.9936"}, // EKB 82 FT of tests/data/las/feet-percent.las
        {3351.6, "3351.6"},
        {-999.25, "-999.25"},
        {0, "0"},
        {1e21, "1e+21"},
        {std::nan(""), ""},
        {HUGE_VAL, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const std::string text = keldo::ShortestNumberText(c.value);
        EXPECT_EQ(text, c.text);
        double back = 0;
        if (!text.empty()) {
            ASSERT_TRUE(keldo::ParseNumber(text, back));
            EXPECT_EQ(back, c.value);
        }
    }
}

} // namespace
