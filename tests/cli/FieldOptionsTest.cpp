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

// The net-pay cut-offs, read and worded as keldo-batch reads them.
TEST(FieldOptions, NetPayCutoffs)
{
    const struct Case {
        std::vector<std::string> args;
        const char* error; // nullptr: accepted
        float sw;
        double vsh;
    } cases[] = {
        {{}, nullptr, 0.5f, 0.4},
        {{"--sw-cutoff", "0.35", "--vsh-cutoff", "0.3"}, nullptr, 0.35f, 0.3},
        {{"--vsh-cutoff", "1", "--sw-cutoff", "0"}, nullptr, 0.0f, 1.0},
        {{"--sw-cutoff", "1.5"}, "Option --sw-cutoff: \"1.5\" ist keine Zahl von 0 bis 1", 0, 0},
        {{"--vsh-cutoff", "0,3"}, "Option --vsh-cutoff: \"0,3\" ist keine Zahl von 0 bis 1", 0, 0},
        {{"--vsh-cutoff"}, "Option --vsh-cutoff braucht einen Wert", 0, 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"feld.csv", "--out", "aus"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        SCOPED_TRACE(args.back());
        std::string error;
        const auto options = keldo::ParseFieldOptions(args, error);
        if (c.error) {
            EXPECT_FALSE(options);
            EXPECT_EQ(error, c.error);
            continue;
        }
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->swCutoff, c.sw);
        EXPECT_EQ(options->shaleCutoff, c.vsh);
    }
}
