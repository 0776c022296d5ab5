#include <gtest/gtest.h>

#include "CodePage.h"

using keldo::Cp1252ToUtf8;
using keldo::Utf8ToCp1252;

TEST(CodePage, UmlautsAreSingleBytesOnDisk)
{
    EXPECT_EQ(Utf8ToCp1252("Porosität größer Öl °"),
        "Porosit\xe4t gr\xf6\xdf"
        "er \xd6l \xb0");
    EXPECT_EQ(Cp1252ToUtf8("Porosit\xe4t \x80 \x84"), "Porosität € „");
}

TEST(CodePage, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(CodePage, UnrepresentableAndBrokenTextBecomesQuestionMarks)
{
    EXPECT_EQ(Utf8ToCp1252("a\xe2\x88\x9e"
                           "b"),
        "a?b");                             // infinity sign
    EXPECT_EQ(Utf8ToCp1252("a\xc3"), "a?"); // cut-off sequence
    EXPECT_EQ(Utf8ToCp1252("\xff\xfe"
                           "x"),
        "??x");                               // not UTF-8 at all
    EXPECT_EQ(Utf8ToCp1252("\xc3(x"), "?(x"); // bad continuation byte
}
