#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AsciiText.h"

TEST(AsciiText, TrimsTheBlanksOfTheCLocaleOnly)
{
    const struct {
        std::string text;
        std::string trimmed;
    } cases[] = {
        {"", ""}, {" \t\r\n\v\f", ""}, {"  3027.5\t", "3027.5"}, {"a b", "a b"},
        {"\xC2\xA0"
         "a\xC2\xA0",
            "\xC2\xA0"
            "a\xC2\xA0"},                               // a no-break space is no blank
        {std::string("\0a", 2), std::string("\0a", 2)}, // nor is NUL
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keldo::TrimBlanks(c.text), c.trimmed) << c.text;
        EXPECT_EQ(keldo::IsBlankText(c.text), c.trimmed.empty()) << c.text;
    }
}

TEST(AsciiText, ComparesAsciiLettersInAnyCase)
{
    const struct {
        const char* a;
        const char* b;
        bool equal;
    } cases[] = {
        {"VERS", "vers", true},
        {"Depth_Curve", "DEPTH_CURVE", true},
        {".las", ".LAS", true},
        {"", "", true},
        {"WRAP", "WRAPS", false},
        {"\xC3\xA4", "\xC3\x84", false}, // ä and Ä: no case beyond ASCII
        {"[", "{", false},               // 0x5B and 0x7B are no letters
        {"@", "`", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::EqualsIgnoringCase(c.a, c.b), c.equal) << c.a << " " << c.b;
    EXPECT_EQ(keldo::AsciiUpper("phie \xC3\xA4 z{"), "PHIE \xC3\xA4 Z{");
}

TEST(AsciiText, SplitsBlankSeparatedWords)
{
    const struct {
        std::string text;
        std::vector<std::string> words;
    } cases[] = {
        {"", {}},
        {" \t ", {}},
        {"2850.5 0.21\t120", {"2850.5", "0.21", "120"}},
        {"\t -999.25  \r", {"-999.25"}},
        {"a;b , c", {"a;b", ",", "c"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> words;
        size_t pos = 0;
        for (std::string_view w = keldo::NextWord(c.text, pos); !w.empty(); w = keldo::NextWord(c.text, pos))
            words.emplace_back(w);
        EXPECT_EQ(words, c.words) << c.text;
        EXPECT_EQ(pos, c.text.size());
    }
}
