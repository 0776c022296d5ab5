#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "LocaleGuard.h"

using keldo::ContactMisfit;
using keldo::FitContact;

namespace {

// A misfit with its minimum `floor` at c0, rising as sqrt(floor² + s·(c - c0)²):
// the RMS stays within 5 % of the minimum for |c - c0| <= floor·sqrt(0.1025 / s).
keldo::ContactMisfitFunction Valley(double c0, double floor, double s, int n = 40)
{
    return [=](float c) { return ContactMisfit{std::sqrt(floor * floor + s * (c - c0) * (c - c0)), n}; };
}

struct FitCase {
    const char* what;
    keldo::ContactMisfitFunction misfit;
    float from, to;
    float contact;
    float bandFrom, bandTo;
    bool openAbove, openBelow;
    const char* warning; // the one warning, or nullptr
};

} // namespace

TEST(ContactFit, FindsTheMinimumOnTheCentimetreGrid)
{
    GermanLocale german; // numbers in warnings keep the decimal point
    // Band ends: 2893.456 ± 0.05·sqrt(0.1025 / 1e-4) = 2893.456 ± 1.60078,
    // the outermost grid points inside are 2891.86 and 2895.05.
    const FitCase cases[] = {
        {"valley inside the range", Valley(2893.456, 0.05, 1e-4), 2800, 3100, 2893.46f, 2891.86f, 2895.05f, false,
            false, nullptr},
        {"range starting off the grid", Valley(2900.123, 0.05, 1e-4), 2804.301f, 3104.3f, 2900.12f, 2898.53f, 2901.72f,
            false, false, nullptr},
        {"range shorter than a step", Valley(2900.5, 0.05, 1e-4), 2900.2f, 2900.7f, 2900.5f, 2900.2f, 2900.7f, true,
            true,
            "WARNUNG!! Im ganzen Bereich bleibt der RMS innerhalb von 5 % über dem Minimum: der Kontakt ist "
            "durch die Messwerte nicht eingegrenzt."},
        // At the range's end the RMS is sqrt(1.0025); the band reaches
        // |c - c0| <= sqrt((1.1025·1.0025 - 0.0025) / 1e-4) = 105.0122.
        {"minimum below the range", Valley(3200, 0.05, 1e-4), 2800, 3100, 3100, 3094.99f, 3100, false, true,
            "WARNUNG!! Der angepasste Kontakt 3100.00 m liegt am Rand des Bereichs 2800.00 m bis 3100.00 m: das "
            "Minimum kann außerhalb liegen."},
        {"minimum above the range", Valley(2700, 0.05, 1e-4), 2800, 3100, 2800, 2800, 2805.01f, true, false,
            "WARNUNG!! Der angepasste Kontakt 2800.00 m liegt am Rand des Bereichs 2800.00 m bis 3100.00 m: das "
            "Minimum kann außerhalb liegen."},
        // Below 2850 m no row counts (a deep window with a shallow contact):
        // those contacts have no value and are passed over.
        {"no value above 2850 m",
            [](float c) {
                return c < 2850 ? ContactMisfit{0, 0} : ContactMisfit{0.05 + 0.0012 * std::fabs(c - 2870), 12};
            },
            2800, 3000, 2870, 2867.92f, 2872.08f, false, false, nullptr}, // 0.0025 / 0.0012 = 2.0833
        // Ties go to the shallower contact. 0.005 / 0.003 = 1.6667.
        {"flat towards the top",
            [](float c) {
                return ContactMisfit{0.1 + 0.003 * std::fmax(0, c - 2950), 30};
            },
            2900, 3000, 2900, 2900, 2951.66f, true, false,
            "WARNUNG!! Der angepasste Kontakt 2900.00 m liegt am Rand des Bereichs 2900.00 m bis 3000.00 m: das "
            "Minimum kann außerhalb liegen."},
        {"within 5 % everywhere",
            [](float c) {
                return ContactMisfit{0.1 + 0.00001 * std::fabs(c - 2950), 30};
            },
            2800, 3100, 2950, 2800, 3100, true, true,
            "WARNUNG!! Im ganzen Bereich bleibt der RMS innerhalb von 5 % über dem Minimum: der Kontakt ist durch "
            "die Messwerte nicht eingegrenzt."},
        // 0.05·sqrt(0.1025 / 1e-6) = 16.0078: the band starts at 2973.9922.
        {"open towards the bottom", Valley(2990, 0.05, 1e-6), 2900, 3000, 2990, 2974, 3000, false, true,
            "WARNUNG!! Bis zum unteren Rand des Bereichs (3000.00 m) bleibt der RMS innerhalb von 5 % über dem "
            "Minimum: der Kontakt ist nach unten nicht eingegrenzt."},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitContact(c.misfit, c.from, c.to);
        ASSERT_TRUE(fit.ok) << fit.message;
        EXPECT_FLOAT_EQ(fit.contact, c.contact);
        EXPECT_EQ(fit.rms, c.misfit(fit.contact).rms);
        EXPECT_EQ(fit.n, c.misfit(fit.contact).n);
        EXPECT_FLOAT_EQ(fit.bandFrom, c.bandFrom);
        EXPECT_FLOAT_EQ(fit.bandTo, c.bandTo);
        EXPECT_EQ(fit.bandOpenAbove, c.openAbove);
        EXPECT_EQ(fit.bandOpenBelow, c.openBelow);
        if (c.warning) {
            ASSERT_EQ(fit.warnings.size(), 1u);
            EXPECT_EQ(fit.warnings[0], c.warning);
        } else {
            EXPECT_TRUE(fit.warnings.empty()) << fit.warnings[0];
        }
        // The scan: every metre from the start and the end itself; a few
        // dozen more evaluations for the refinement and the band.
        ASSERT_GE(fit.scan.size(), 2u);
        EXPECT_EQ(fit.scan.front().contact, c.from);
        EXPECT_EQ(fit.scan.back().contact, c.to);
        for (size_t i = 1; i + 1 < fit.scan.size(); ++i)
            EXPECT_NEAR(fit.scan[i].contact - fit.scan[i - 1].contact, 1, 1e-3);
        EXPECT_GT(fit.scan.back().contact - fit.scan[fit.scan.size() - 2].contact, 0);
        EXPECT_LE(fit.scan.back().contact - fit.scan[fit.scan.size() - 2].contact, 1 + 1e-3);
        EXPECT_LE(fit.evaluations, static_cast<int>(fit.scan.size()) + 40);
    }
}

TEST(ContactFit, RefusesWhatCannotBeFitted)
{
    GermanLocale german;
    struct Case {
        const char* what;
        keldo::ContactMisfitFunction misfit;
        float from, to;
        const char* message;
    } cases[] = {
        {"range upside down", Valley(2900, 0.05, 1e-4), 3000, 2900,
            "ABBRUCH!!Der Kontaktbereich von 3000.00 m bis 2900.00 m ist leer: der Anfang muss kleiner als das Ende "
            "sein!"},
        {"empty range", Valley(2900, 0.05, 1e-4), 2900, 2900,
            "ABBRUCH!!Der Kontaktbereich von 2900.00 m bis 2900.00 m ist leer: der Anfang muss kleiner als das Ende "
            "sein!"},
        {"range too long", Valley(2900, 0.05, 1e-4), -100, 10000,
            "ABBRUCH!!Der Kontaktbereich von -100.00 m bis 10000.00 m ist länger als 10000 m!"},
        {"no rows",
            [](float) {
                return ContactMisfit{0, 0};
            },
            2800, 3100,
            "ABBRUCH!!Für die Kontaktanpassung liegt kein Messwert im Teufenbereich mit einer Porosität ab dem Cut-off "
            "vor!"},
        {"a one-row well", Valley(2900, 0.05, 1e-4, 1), 2800, 3100,
            "ABBRUCH!!Für die Kontaktanpassung liegt nur ein Messwert im Teufenbereich mit einer Porosität ab dem "
            "Cut-off vor: daraus ist kein Kontakt bestimmbar!"},
        {"no finite RMS",
            [](float) {
                return ContactMisfit{std::nan(""), 20};
            },
            2800, 3100,
            "ABBRUCH!!Für die Kontaktanpassung liegt kein Messwert im Teufenbereich mit einer Porosität ab dem Cut-off "
            "vor!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto fit = FitContact(c.misfit, c.from, c.to);
        EXPECT_FALSE(fit.ok);
        EXPECT_EQ(fit.message, c.message);
    }
}

TEST(ContactFit, DefaultRangeRunsFromTheShallowestRowTo300MBelowTheDeepest)
{
    const std::vector<std::string> lines = {
        "  2804.301      0.26990     0.02050",
        "  2850.021      0.18810     0.19030",
        "  2900.500      0.20000     0.50000",
        "  3044.615      0.13540     1.00000",
    };
    struct Case {
        float minDepth, maxDepth;
        bool found;
        float from, to;
    } cases[] = {
        {0, 5000, true, 2804.301f, 3344.615f},
        {2850.021f, 2900.5f, true, 2850.021f, 3200.5f}, // both ends of the window count
        {2850.5f, 2900, false, 0, 0},
        {2900, 2800, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minDepth);
        const auto range = keldo::DefaultContactRange(lines, c.minDepth, c.maxDepth);
        ASSERT_EQ(range.has_value(), c.found);
        if (!range)
            continue;
        EXPECT_EQ(range->from, c.from);
        EXPECT_EQ(range->to, c.to);
    }
}
