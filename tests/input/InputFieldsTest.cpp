#include <gtest/gtest.h>

#include <optional>

#include "InputFields.h"
#include "LocaleGuard.h"

namespace {

// A number field is shown with six significant digits and read back when the
// dialog closes; only a text the user changed may change the member.
TEST(ReadBackNumber, UnchangedTextKeepsTheExactValue)
{
    GermanLocale german; // shown and read with a decimal point whatever the locale
    struct Row {
        float member;
        const char* shown;
        std::optional<const char*> typed; // nothing: the user left the field alone
        bool accepted;
        float value;
    } rows[] = {
        // The deepest depth of examples/gas-well-F-12.kld.
        {2959.795f, "2959.79", std::nullopt, true, 2959.795f},
        {-0.0412589f, "-0.0412589", std::nullopt, true, -0.0412589f},
        {0.1000001f, "0.1", std::nullopt, true, 0.1000001f},
        {1.0e-7f, "1e-07", std::nullopt, true, 1.0e-7f},
        // Typing the text that is already there changes nothing.
        {2959.795f, "2959.79", "2959.79", true, 2959.795f},
        // Any other text is what the user means.
        {2959.795f, "2959.79", "2959.8", true, 2959.8f},
        {2959.795f, "2959.79", " 2959.79", true, 2959.79f},
        {2959.795f, "2959.79", "2959.790", true, 2959.79f},
        {200.0f, "200", "", false, 0.0f},
        {200.0f, "200", "2oo", false, 0.0f},
    };
    for (const Row& row : rows) {
        const keldo::ShownNumber shown = keldo::ShowNumber(row.member);
        EXPECT_EQ(shown.text, row.shown);
        float value = -1.0f;
        const std::string text = row.typed ? *row.typed : shown.text;
        EXPECT_EQ(keldo::ReadBackNumber(text, shown, value), row.accepted) << row.shown << " -> " << text;
        if (row.accepted) {
            EXPECT_EQ(value, row.value) << row.shown << " -> " << text;
        }
    }
}

TEST(ReadBackNumber, AFieldNeverShownIsParsed)
{
    const keldo::ShownNumber never;
    float value = -1.0f;
    EXPECT_FALSE(keldo::ReadBackNumber("", never, value));
    EXPECT_TRUE(keldo::ReadBackNumber("12.5", never, value));
    EXPECT_EQ(value, 12.5f);
}

} // namespace
