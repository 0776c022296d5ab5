#include <gtest/gtest.h>

#include <string>

#include "Utf8Text.h"

namespace {

// "ä" is 2 bytes, "€" 3, "𝄞" (U+1D11E) 4.
const std::string kUmlaut = "\xC3\xA4", kEuro = "\xE2\x82\xAC", kClef = "\xF0\x9D\x84\x9E";

} // namespace

TEST(Utf8Text, TellsWellFormedTextFromOtherBytes)
{
    const struct {
        std::string text;
        bool valid;
    } cases[] = {
        {"", true}, {"15/9-F-11 A", true}, {"Öl" + kEuro + kClef, true},
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF, the last code point
        {"Porosit\xE4t", false},     // Windows-1252
        {"\xC0\x80", false},         // NUL written overlong
        {"\xE0\x9F\xBF", false},     // U+07FF written in three bytes
        {"\xED\xA0\x80", false},     // a surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"\xC3", false},             // cut off at the end
        {"\xA4", false},             // a continuation byte alone
        {"\xE2\x82"
         "A",
            false}, // a sequence broken off
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::IsValidUtf8(c.text), c.valid) << c.text;
}

TEST(Utf8Text, CountsAndCutsWholeCharacters)
{
    const std::string text = "a" + kUmlaut + kEuro + kClef + "z"; // 5 characters, 11 bytes
    const struct {
        size_t count;
        std::string cut;
    } cases[] = {
        {0, ""},
        {1, "a"},
        {2, "a" + kUmlaut},
        {4, "a" + kUmlaut + kEuro + kClef},
        {5, text},
        {9, text},
    };
    EXPECT_EQ(keldo::Utf8Length(text), 5u);
    EXPECT_EQ(keldo::Utf8Length(""), 0u);
    for (const auto& c : cases) {
        EXPECT_EQ(keldo::CutToCharacters(text, c.count), c.cut) << c.count;
        EXPECT_EQ(keldo::Utf8Length(keldo::CutToCharacters(text, c.count)), std::min<size_t>(c.count, 5));
    }
}

TEST(Utf8Text, PadsToAColumnOfCharacters)
{
    const std::string text = "a" + kUmlaut + kEuro; // 3 characters, 6 bytes
    const struct {
        size_t width;
        bool left;
        std::string padded;
    } cases[] = {
        {5, true, text + "  "},
        {5, false, "  " + text},
        {3, true, text},
        {2, false, "a" + kUmlaut},
        {0, true, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::PadToCharacters(text, c.width, c.left), c.padded) << c.width << c.left;
}

TEST(Utf8Text, CutsToBytesNeverInsideACharacter)
{
    const std::string text = "a" + kUmlaut + kEuro + kClef + "z"; // bytes: 1, 2, 3, 4, 1
    const struct {
        const char* what;
        std::string text;
        size_t bytes;
        std::string cut;
    } cases[] = {
        {"text that fits stays", text, 11, text},
        {"a cut after a whole character", text, 3, "a" + kUmlaut},
        {"inside a two-byte character", text, 2, "a"},
        {"after one byte of three", text, 4, "a" + kUmlaut},
        {"after two bytes of three", text, 5, "a" + kUmlaut},
        {"after three bytes of four", text, 9, "a" + kUmlaut + kEuro},
        {"before the last byte", text, 10, "a" + kUmlaut + kEuro + kClef},
        {"nothing left", kEuro, 2, ""},
        {"no bytes", text, 0, ""},
        // Windows-1252 text: a byte that would begin a sequence is dropped at
        // the cut, any other stays.
        {"Windows-1252 ä at the cut", "Mo\xE4r", 3, "Mo"},
        {"Windows-1252 µ at the cut", "5 \xB5m", 3, "5 \xB5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::CutToBytes(c.text, c.bytes), c.cut) << c.what;
}
