#include <gtest/gtest.h>

#include "BatchOptions.h"

using keldo::ParseBatchOptions;

TEST(BatchOptions, DefaultsAreThoseOfTheDialogAfterLoading)
{
    std::string error;
    auto options = ParseBatchOptions({"well.kld"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->document, "well.kld");
    EXPECT_EQ(options->modus, 0);
    EXPECT_FALSE(options->minTeufe);
    EXPECT_FALSE(options->maxTeufe);
    EXPECT_FLOAT_EQ(options->cutoff, 0.06f);
    EXPECT_FALSE(options->detail);
    EXPECT_FALSE(options->warnungen);
    EXPECT_TRUE(options->druckabhaengig);
    EXPECT_TRUE(options->descending);
}

TEST(BatchOptions, EveryOptionIsTaken)
{
    std::string error;
    auto options
        = ParseBatchOptions({"--mode", "contact", "--min-depth", "1500.5", "--max-depth", "1600", "--cutoff", "0.1",
                                "--detail", "--warnings", "--constant-permeability", "--report", "r.txt",
                                "--measurements", "m.txt", "--ascending", "--graph", "g.png", "w.kld"},
            error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->modus, 1);
    EXPECT_EQ(*options->minTeufe, 1500.5f);
    EXPECT_EQ(*options->maxTeufe, 1600.0f);
    EXPECT_EQ(options->cutoff, 0.1f);
    EXPECT_TRUE(options->detail);
    EXPECT_TRUE(options->warnungen);
    EXPECT_FALSE(options->druckabhaengig);
    EXPECT_EQ(options->reportFile, "r.txt");
    EXPECT_EQ(options->measurementsFile, "m.txt");
    EXPECT_FALSE(options->descending);
    EXPECT_EQ(options->graphFile, "g.png");
    EXPECT_EQ(options->document, "w.kld");
}

TEST(BatchOptions, UsageErrorsAreRefusedWithAReason)
{
    const std::vector<std::vector<std::string>> bad = {
        {},                              // no document
        {"--mode", "sideways", "w.kld"}, // unknown mode
        {"--cutoff", "0,1", "w.kld"},    // decimal comma
        {"--cutoff", "nan", "w.kld"},    // not a finite number
        {"--min-depth", "w.kld"},        // value missing
        {"--bogus", "w.kld"},            // unknown option
        {"a.kld", "b.kld"},              // two documents
        {"w.kld", "--report"},           // value missing at the end
    };
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(ParseBatchOptions(args, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(BatchOptions, HelpNeedsNoDocument)
{
    std::string error;
    auto options = ParseBatchOptions({"--help"}, error);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->help);
}
