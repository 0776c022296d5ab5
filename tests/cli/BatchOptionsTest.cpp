#include <gtest/gtest.h>

#include <optional>

#include "BatchOptions.h"

using keldo::ParseBatchOptions;

TEST(BatchOptions, DefaultsAreThoseOfTheDialogAfterLoading)
{
    std::string error;
    auto options = ParseBatchOptions({"well.kld"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->inputs.document, "well.kld");
    EXPECT_EQ(options->settings.modus, 0);
    EXPECT_FALSE(options->settings.minTeufe);
    EXPECT_FALSE(options->settings.maxTeufe);
    EXPECT_FLOAT_EQ(options->settings.cutoff, 0.06f);
    EXPECT_FALSE(options->settings.detail);
    EXPECT_FALSE(options->settings.warnungen);
    EXPECT_TRUE(options->settings.druckabhaengig);
    EXPECT_TRUE(options->inputs.descending);
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
    EXPECT_EQ(options->settings.modus, 1);
    EXPECT_EQ(*options->settings.minTeufe, 1500.5f);
    EXPECT_EQ(*options->settings.maxTeufe, 1600.0f);
    EXPECT_EQ(options->settings.cutoff, 0.1f);
    EXPECT_TRUE(options->settings.detail);
    EXPECT_TRUE(options->settings.warnungen);
    EXPECT_FALSE(options->settings.druckabhaengig);
    EXPECT_EQ(options->reportFile, "r.txt");
    EXPECT_EQ(options->inputs.measurementsFile, "m.txt");
    EXPECT_FALSE(options->inputs.descending);
    EXPECT_EQ(options->graphFile, "g.png");
    EXPECT_EQ(options->inputs.document, "w.kld");
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

TEST(BatchOptions, FitOptionsAreTaken)
{
    std::string error;
    auto options = ParseBatchOptions({"--fit-phik", "--phik-order", "1", "--core", "kern.txt", "--fit-contact",
                                         "--contact-range", "-20.5:3000", "--fit-graph", "fit.pdf", "w.kld"},
        error);
    ASSERT_TRUE(options) << error;
    EXPECT_TRUE(options->fitPhiK);
    EXPECT_EQ(options->phiKOrder, 1);
    EXPECT_EQ(options->coreFile, "kern.txt");
    EXPECT_TRUE(options->fitContact);
    ASSERT_TRUE(options->contactRange);
    EXPECT_EQ(options->contactRange->from, -20.5f);
    EXPECT_EQ(options->contactRange->to, 3000.0f);
    EXPECT_EQ(options->fitGraphFile, "fit.pdf");

    options = ParseBatchOptions({"--las", "w.las", "--fit-phik", "--permeability-curve", "KLOGH", "w.kld"}, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->phiKOrder, 2);
    EXPECT_EQ(options->inputs.permeabilityCurve, "KLOGH");
    EXPECT_FALSE(options->contactRange);
}

TEST(BatchOptions, FitOptionsOutOfPlaceAreRefused)
{
    const struct {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--fit-phik", "--permeability-curve", "KLOGH", "w.kld"},
            "--permeability-curve braucht --las: die Permeabilitätskurve ist eine Kurve der LAS-Datei"},
        {{"--fit-phik", "w.kld"}, "--fit-phik braucht --core DATEI oder --las DATEI mit einer Permeabilitätskurve"},
        {{"--las", "w.las", "--fit-phik", "--core", "k.txt", "--permeability-curve", "K", "w.kld"},
            "--core und --permeability-curve schließen einander aus"},
        {{"--phik-order", "1", "--core", "k.txt", "w.kld"}, "--phik-order gilt nur mit --fit-phik"},
        {{"--core", "k.txt", "w.kld"}, "--core gilt nur mit --fit-phik"},
        {{"--fit-phik", "--core", "k.txt", "--phik-order", "3", "w.kld"},
            "Option --phik-order: \"3\" ist weder 1 noch 2"},
        {{"--contact-range", "2800:3100", "w.kld"}, "--contact-range gilt nur mit --fit-contact"},
        {{"--fit-contact", "--contact-range", "2800-3100", "w.kld"},
            "Option --contact-range: \"2800-3100\" ist nicht A:B mit zwei Zahlen (m)"},
        {{"--fit-contact", "--contact-range", "2800:", "w.kld"},
            "Option --contact-range: \"2800:\" ist nicht A:B mit zwei Zahlen (m)"},
        {{"--fit-contact", "--mode", "contact", "w.kld"},
            "--fit-contact gilt nur für die Wassersättigung: die Kontaktberechnung nimmt keinen Kontakt an"},
        {{"--fit-graph", "fit.png", "w.kld"}, "--fit-graph gilt nur mit --fit-phik, --fit-contact, --fit-pc oder --fit-pressure"},
        {{"--pc-max", "150", "w.kld"}, "--pc-max, --alfa-order und --pc-two-step gelten nur mit --fit-pc"},
        {{"--alfa-order", "2", "w.kld"}, "--pc-max, --alfa-order und --pc-two-step gelten nur mit --fit-pc"},
        {{"--pc-two-step", "w.kld"}, "--pc-max, --alfa-order und --pc-two-step gelten nur mit --fit-pc"},
        {{"--fit-pc", "kern.csv", "--alfa-order", "4", "w.kld"}, "Option --alfa-order: \"4\" ist nicht 0, 1, 2 oder 3"},
        {{"--fit-pc", "kern.csv", "--alfa-order", "-1", "w.kld"},
            "Option --alfa-order: \"-1\" ist nicht 0, 1, 2 oder 3"},
        {{"--fit-pc", "kern.csv", "--pc-max", "150 bar", "w.kld"}, "Option --pc-max: \"150 bar\" ist keine Zahl"},
        {{"--fit-pc"}, "Option --fit-pc braucht einen Wert"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseBatchOptions(c.args, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(BatchOptions, CapillaryPressureFitOptionsAreTaken)
{
    const struct {
        std::vector<std::string> args;
        std::optional<float> pcMax;
        int alfaOrder;
        bool twoStep;
    } cases[] = {
        {{"--fit-pc", "kern.csv", "w.kld"}, std::nullopt, 3, false},
        {{"--fit-pc", "kern.csv", "--pc-max", "150.5", "--alfa-order", "0", "--pc-two-step", "w.kld"}, 150.5f, 0, true},
        {{"--alfa-order", "1", "--fit-pc", "kern.csv", "--fit-graph", "f.svg", "w.kld"}, std::nullopt, 1, false},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto options = ParseBatchOptions(c.args, error);
        ASSERT_TRUE(options) << error;
        EXPECT_EQ(options->pcFile, "kern.csv");
        EXPECT_EQ(options->pcMax, c.pcMax);
        EXPECT_EQ(options->alfaOrder, c.alfaOrder);
        EXPECT_EQ(options->pcTwoStep, c.twoStep);
    }
}

TEST(BatchOptions, HelpNeedsNoDocument)
{
    std::string error;
    auto options = ParseBatchOptions({"--help"}, error);
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->help);
}
