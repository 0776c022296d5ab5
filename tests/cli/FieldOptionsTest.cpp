#include <gtest/gtest.h>

#include "FieldOptions.h"

TEST(FieldOptions, CommandLines)
{
    const struct Case {
        std::vector<std::string> args;
        const char* error; // nullptr: accepted
        int jobs;
        float cutoff;
    } cases[] = {
        {{"feld.csv", "--template", "m.kld", "--out", "aus"}, nullptr, 0, 0.06f},
        {{"--jobs", "4", "--cutoff", "0.1", "--out", "aus", "feld.csv"}, nullptr, 4, 0.1f},
        {{"feld.csv", "--out", "aus", "--jobs", "256"}, nullptr, 256, 0.06f},
        {{"feld.csv", "--out", "aus", "--jobs", "0"}, "Option --jobs: \"0\" ist keine ganze Zahl von 1 bis 256", 0, 0},
        {{"feld.csv", "--out", "aus", "--jobs", "2.5"}, "Option --jobs: \"2.5\" ist keine ganze Zahl von 1 bis 256", 0,
            0},
        {{"feld.csv", "--out", "aus", "--cutoff", "0,1"}, "Option --cutoff: \"0,1\" ist keine Zahl", 0, 0},
        {{"feld.csv", "--out"}, "Option --out braucht einen Wert", 0, 0},
        {{"--out", "aus"}, "keine Felddatei angegeben", 0, 0},
        {{"feld.csv"}, "kein Ausgabeordner angegeben (--out)", 0, 0},
        {{"feld.csv", "zwei.csv", "--out", "aus"}, "mehr als eine Felddatei angegeben: zwei.csv", 0, 0},
        {{"feld.csv", "--out", "aus", "--mode", "contact"}, "unbekannte Option --mode", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.front() + " …");
        std::string error;
        const auto options = keldo::ParseFieldOptions(c.args, error);
        if (c.error) {
            EXPECT_FALSE(options);
            EXPECT_EQ(error, c.error);
            continue;
        }
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->fieldFile, "feld.csv");
        EXPECT_EQ(options->outDir, "aus");
        EXPECT_EQ(options->jobs, c.jobs);
        EXPECT_EQ(options->cutoff, c.cutoff);
    }
    std::string error;
    const auto help = keldo::ParseFieldOptions({"--help"}, error);
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->help);
}
