#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "LocaleGuard.h"
#include "PhiKFit.h"
#include "VolveTable.h"

using keldo::FitPhiK;
using keldo::PhiKSample;
using keldo::SelectPhiKPairs;

namespace {

// Samples every 0.5 m from 2900 m with the given porosities and K from
// log10(K) = c0 + c1·φ + c2·φ².
std::vector<PhiKSample> OnRelation(const std::vector<double>& porosities, double c0, double c1, double c2)
{
    std::vector<PhiKSample> samples;
    double depth = 2900;
    for (const double phi : porosities) {
        samples.push_back({depth, phi, std::pow(10.0, c0 + c1 * phi + c2 * phi * phi)});
        depth += 0.5;
    }
    return samples;
}

std::vector<double> Spread(double from, double to, int count)
{
    std::vector<double> v;
    for (int i = 0; i < count; ++i)
        v.push_back(from + (to - from) * i / (count - 1));
    return v;
}

} // namespace

TEST(PhiKFit, SelectsPairsInsideTheWindowWithUsableValues)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<PhiKSample> samples = {
        {2899.9, 0.2, 100},   // above the window
        {2900, 0.2, 100},     // at its top: counts
        {2950, 0, 100},       // porosity 0
        {2950, 1, 100},       // porosity 1
        {2950, 0.2, 0},       // K 0
        {2950, 0.2, -999.25}, // a log's null value
        {2950, nan, 100},
        {2950, 0.2, std::numeric_limits<double>::infinity()},
        {3000, 0.25, 0.001}, // at its bottom: counts
        {3000.1, 0.2, 100},  // below
        {nan, 0.2, 100},
    };
    const auto selection = SelectPhiKPairs(samples, 2900, 3000);
    ASSERT_EQ(selection.pairs.size(), 2u);
    EXPECT_EQ(selection.pairs[0].depth, 2900);
    EXPECT_EQ(selection.pairs[1].permeability, 0.001);
    EXPECT_EQ(selection.outsideWindow, 3);
    EXPECT_EQ(selection.porosityOutOfRange, 3);
    EXPECT_EQ(selection.permeabilityNotPositive, 3);
    EXPECT_EQ(selection.Read(), static_cast<int>(samples.size()));
}

TEST(PhiKFit, RecoversTheRelationThePairsWereMadeFrom)
{
    struct Case {
        const char* what;
        std::vector<double> porosities;
        double c0, c1, c2;
        int order;
    } cases[] = {
        {"the dialog's default relation", Spread(0.05, 0.30, 26), -2.56554, 22.0004, 0, 1},
        {"a curved relation", Spread(0.08, 0.32, 49), -4.37812, 42.8346, -85.1207, 2},
        {"three porosities", {0.1, 0.2, 0.3}, -1.5, 14.25, -6.5, 2},
        {"a straight line fitted with order 2", Spread(0.05, 0.30, 11), -2.56554, 22.0004, 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitPhiK(SelectPhiKPairs(OnRelation(c.porosities, c.c0, c.c1, c.c2), 0, 5000), c.order);
        ASSERT_TRUE(fit.ok) << fit.message;
        EXPECT_EQ(fit.order, c.order);
        EXPECT_EQ(fit.n, static_cast<int>(c.porosities.size()));
        EXPECT_NEAR(fit.coefficients[0], c.c0, 1e-9);
        EXPECT_NEAR(fit.coefficients[1], c.c1, 1e-8);
        EXPECT_NEAR(fit.coefficients[2], c.c2, 1e-7);
        EXPECT_NEAR(fit.r2, 1, 1e-12);
        EXPECT_LT(fit.rmsLog10, 1e-12);
        // Shown with 6 digits and read back: the relation's own floats (a
        // term that is 0 comes back as its rounding error).
        const double known[3] = {c.c0, c.c1, c.c2};
        for (int i = 0; i < 3; ++i) {
            if (known[i] == 0)
                EXPECT_NEAR(fit.documentCoefficients[i], 0, 1e-9);
            else
                EXPECT_EQ(fit.documentCoefficients[i], static_cast<float>(known[i]));
        }
        EXPECT_TRUE(fit.message.empty());
        EXPECT_TRUE(fit.notice.empty());
    }
}

TEST(PhiKFit, GivesRSquaredAndRmsOfTheResiduals)
{
    // log10(K) = 1, 3, 2, 5 at φ = 0.1 ... 0.4: by hand the line is
    // 11·φ, residuals -0.1, 0.8, -1.3, 0.6, SSres = 2.7, SStot = 8.75,
    // R² = 1 - 2.7/8.75 and RMS = sqrt(2.7/4).
    const std::vector<PhiKSample> samples = {{1, 0.1, 10}, {2, 0.2, 1000}, {3, 0.3, 100}, {4, 0.4, 100000}};
    const auto fit = FitPhiK(SelectPhiKPairs(samples, 0, 10), 1);
    ASSERT_TRUE(fit.ok) << fit.message;
    EXPECT_NEAR(fit.coefficients[0], 0, 1e-13);
    EXPECT_NEAR(fit.coefficients[1], 11, 1e-12);
    EXPECT_NEAR(fit.r2, 1 - 2.7 / 8.75, 1e-13);
    EXPECT_NEAR(fit.rmsLog10, std::sqrt(2.7 / 4), 1e-13);
    EXPECT_EQ(fit.documentCoefficients[1], 11.0f);
}

TEST(PhiKFit, FitsTheVolveTable)
{
    // 15/9-F-12, PHIF and KLOGH from 2850 to 2960 m TVDSS (1215 pairs).
    // Reference: the normal equations solved in exact rational arithmetic
    // (Python fractions) over the same floats and the same double log10(K).
    std::string error;
    const std::vector<PhiKSample> samples = ReadVolveTable(error);
    ASSERT_TRUE(error.empty()) << error;
    const auto selection = SelectPhiKPairs(samples, 2850, 2960);
    struct Case {
        int order;
        double c0, c1, c2, r2, rms;
        float shown[3];
    } cases[] = {
        {1, -2.7857063970493083, 16.26903407632885, 0, 0.44830277324652834, 1.3101951129955693,
            {-2.78571f, 16.269f, 0}},
        {2, -4.378119681347454, 42.834577002430755, -85.12067893687755, 0.49756483339137236, 1.2503326995494586,
            {-4.37812f, 42.8346f, -85.1207f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        const auto fit = FitPhiK(selection, c.order);
        ASSERT_TRUE(fit.ok) << fit.message;
        EXPECT_EQ(fit.n, 1215);
        EXPECT_NEAR(fit.coefficients[0], c.c0, 1e-10);
        EXPECT_NEAR(fit.coefficients[1], c.c1, 1e-9);
        EXPECT_NEAR(fit.coefficients[2], c.c2, 1e-8);
        EXPECT_NEAR(fit.r2, c.r2, 1e-12);
        EXPECT_NEAR(fit.rmsLog10, c.rms, 1e-12);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(fit.documentCoefficients[i], c.shown[i]);
    }
}

TEST(PhiKFit, FallsBackToALineWhenPhiSquaredIsNotDetermined)
{
    struct Case {
        const char* what;
        std::vector<double> porosities;
        const char* reason;
    } cases[] = {
        {"two porosities", {0.1, 0.1, 0.2, 0.2, 0.2}, "nur zwei verschiedene Porositäten"},
        // Six porosities within 0.001: what is left of φ² beside 1 and φ is
        // 2.5e-6 of it, while φ beside 1 keeps 1.7e-3 of itself.
        {"porosities within 0.001", {0.2, 0.2002, 0.2004, 0.2006, 0.2008, 0.201},
            "die Porositäten streuen dafür zu wenig"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitPhiK(SelectPhiKPairs(OnRelation(c.porosities, -2, 20, 0), 0, 5000), 2);
        ASSERT_TRUE(fit.ok) << fit.message;
        EXPECT_EQ(fit.requestedOrder, 2);
        EXPECT_EQ(fit.order, 1);
        EXPECT_EQ(fit.coefficients[2], 0);
        EXPECT_NEAR(fit.coefficients[1], 20, 1e-3);
        EXPECT_EQ(fit.notice,
            std::string("WARNUNG!! Das Glied PHI*PHI der Phi-K-Beziehung ist aus diesen Daten nicht bestimmbar (")
                + c.reason + "); angepasst wird eine Gerade (Ordnung 1).");
    }
}

TEST(PhiKFit, RefusesDataThatGiveNoRelation)
{
    GermanLocale german; // numbers in messages keep the decimal point
    struct Case {
        const char* what;
        std::vector<PhiKSample> samples;
        int order;
        const char* message;
    } cases[] = {
        {"no pairs", {}, 2, "ABBRUCH!!Für die Phi-K-Anpassung liegen keine Werte von Porosität und Permeabilität vor!"},
        {"every K <= 0", {{2900, 0.2, 0}, {2901, 0.25, -999.25}}, 2,
            "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 2 von 2 haben keine Permeabilität > 0!"},
        {"every reason", {{2800, 0.2, 10}, {2900, 1.5, 10}, {2901, 0.25, 0}}, 1,
            "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 1 von 3 liegt außerhalb des "
            "Teufenbereichs 2850.5 m bis 3000.0 m, 1 hat keine Porosität zwischen 0 und 1, 1 hat keine "
            "Permeabilität > 0!"},
        {"one pair", {{2900, 0.2, 10}}, 1,
            "ABBRUCH!!Aus einem einzigen Wertepaar ist die Phi-K-Beziehung nicht bestimmbar!"},
        {"one porosity", {{2900, 0.25, 10}, {2901, 0.25, 100}}, 1,
            "ABBRUCH!!Die Phi-K-Beziehung ist nicht bestimmbar: alle 2 Wertepaare haben dieselbe Porosität 0.25!"},
        // φ spreads over 1e-7·3: less than 1e-5 of the column is left beside
        // the column of ones, the floats' rounding and not data.
        {"porosities within a float's rounding",
            {{2900, 0.2, 10}, {2901, 0.2000001, 100}, {2902, 0.2000002, 10}, {2903, 0.2000003, 100}}, 1,
            "ABBRUCH!!Die Phi-K-Beziehung ist nicht bestimmbar: die Porositäten streuen zu wenig!"},
        {"order 3", {{2900, 0.2, 10}, {2901, 0.25, 100}}, 3,
            "ABBRUCH!!Die Ordnung der Phi-K-Beziehung muss 1 oder 2 sein, nicht 3!"},
        // The model would read three zero coefficients as "no relation".
        {"K = 1 mD everywhere", {{2900, 0.2, 1}, {2901, 0.25, 1}, {2902, 0.3, 1}}, 2,
            "ABBRUCH!!Die angepasste Phi-K-Beziehung hat nur Koeffizienten 0 (K = 1 mD bei jeder Porosität); im "
            "Modell hieße das \"keine Beziehung\" mit K = Porosität!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitPhiK(SelectPhiKPairs(c.samples, 2850.5f, 3000), c.order);
        EXPECT_FALSE(fit.ok);
        EXPECT_EQ(fit.message, c.message);
    }
}
