#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FitReport.h"
#include "LocaleGuard.h"

using Lines = std::vector<std::string>;

namespace {

keldo::PhiKSelection Counted(int pairs, int outside, int porosity, int permeability)
{
    keldo::PhiKSelection s;
    s.pairs.resize(static_cast<size_t>(pairs));
    s.minDepth = 2850;
    s.maxDepth = 2960;
    s.outsideWindow = outside;
    s.porosityOutOfRange = porosity;
    s.permeabilityNotPositive = permeability;
    return s;
}

keldo::PhiKFitResult PhiKFitted(int order, std::array<float, 3> shown, const std::string& notice = "")
{
    keldo::PhiKFitResult fit;
    fit.ok = true;
    fit.order = order;
    fit.n = 1215;
    fit.documentCoefficients = shown;
    fit.r2 = 0.49756483339137236;
    fit.rmsLog10 = 1.2503326995494586;
    fit.notice = notice;
    return fit;
}

keldo::ContactFitResult ContactFitted(std::vector<std::string> warnings = {})
{
    keldo::ContactFitResult fit;
    fit.ok = true;
    fit.from = 2850.021f;
    fit.to = 3259.79f;
    fit.contact = 2919.51f;
    fit.rms = 0.14351;
    fit.n = 242;
    fit.bandFrom = 2918.51f;
    fit.bandTo = 2925.94f;
    fit.warnings = std::move(warnings);
    return fit;
}

} // namespace

TEST(FitReport, PhiKLinesInTheReportLayout)
{
    GermanLocale german;
    keldo::PhiKFitResult failed;
    failed.message = "ABBRUCH in der 3.Zeile der Datei kern.txt\n2851,0 0,19 85\nDie Zeile enthält …";
    struct Case {
        const char* what;
        keldo::PhiKSelection selection;
        keldo::PhiKFitResult fit;
        Lines lines;
    } cases[] = {
        {"order 2", Counted(1215, 1432, 0, 0), PhiKFitted(2, {-4.37812f, 42.8346f, -85.1207f}),
            {"", "  ANPASSUNG DER PHI/K-KORRELATION", "  Daten: Kerntabelle kern.txt",
                "  Teufenbereich                      (m):    2850.0 bis 2960.0",
                "  Gelesene Wertepaare                (-):      2647",
                "  davon außerhalb des Teufenbereichs (-):      1432",
                "  davon Porosität nicht in (0,1)     (-):         0",
                "  davon Permeabilität <= 0           (-):         0",
                "  Angepasste Wertepaare n            (-):      1215",
                "  Ordnung                            (-):         2",
                "  PHI/K-Korrelation: log(K) =-4.37812 +42.8346*PHI -85.1207*PHI*PHI",
                "  Bestimmtheitsmaß R²                (-):    0.4976",
                "  RMS von log10(K)             (Dekaden):    1.2503"}},
        {"fallen back to order 1", Counted(1215, 0, 1, 2),
            PhiKFitted(1, {-2.78571f, 16.269f, 0}, "WARNUNG!! Das Glied PHI*PHI …"),
            {"", "  ANPASSUNG DER PHI/K-KORRELATION", "  Daten: Kerntabelle kern.txt",
                "  Teufenbereich                      (m):    2850.0 bis 2960.0",
                "  Gelesene Wertepaare                (-):      1218",
                "  davon außerhalb des Teufenbereichs (-):         0",
                "  davon Porosität nicht in (0,1)     (-):         1",
                "  davon Permeabilität <= 0           (-):         2",
                "  Angepasste Wertepaare n            (-):      1215",
                "  Ordnung                            (-):         1", "  WARNUNG!! Das Glied PHI*PHI …",
                "  PHI/K-Korrelation: log(K) =-2.78571 +16.269*PHI +0*PHI*PHI",
                "  Bestimmtheitsmaß R²                (-):    0.4976",
                "  RMS von log10(K)             (Dekaden):    1.2503"}},
        {"no fit: its message, line by line", Counted(0, 0, 0, 0), failed,
            {"", "  ANPASSUNG DER PHI/K-KORRELATION", "  Daten: Kerntabelle kern.txt",
                "  ABBRUCH in der 3.Zeile der Datei kern.txt", "  2851,0 0,19 85", "  Die Zeile enthält …"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keldo::PhiKFitReport(c.selection, c.fit, "Kerntabelle kern.txt"), c.lines);
    }
}

TEST(FitReport, ContactLinesInTheReportLayout)
{
    GermanLocale german;
    keldo::ContactFitResult refused;
    refused.from = 3000;
    refused.to = 2900;
    refused.message = "ABBRUCH!!Der Kontaktbereich …";
    struct Case {
        const char* what;
        keldo::ContactFitResult fit;
        int fluid;
        Lines lines;
    } cases[] = {
        {"gas", ContactFitted(), 0,
            {"", "  ANPASSUNG DES GAS-WASSER-KONTAKTES",
                "  Kontaktbereich                     (m):   2850.02 bis 3259.79",
                "  Messwerte mit Porosität ab Cut-off (-):       242",
                "  Angepasster Gas-Wasser-Kontakt     (m):   2919.51",
                "  RMS von Sw                         (-):    0.1435",
                "  RMS bis 5 % über dem Minimum       (m):   2918.51 bis 2925.94"}},
        {"oil, with a warning", ContactFitted({"WARNUNG!! Der angepasste Kontakt …"}), 1,
            {"", "  ANPASSUNG DES ÖL-WASSER-KONTAKTES",
                "  Kontaktbereich                     (m):   2850.02 bis 3259.79",
                "  Messwerte mit Porosität ab Cut-off (-):       242",
                "  Angepasster Öl-Wasser-Kontakt      (m):   2919.51",
                "  RMS von Sw                         (-):    0.1435",
                "  RMS bis 5 % über dem Minimum       (m):   2918.51 bis 2925.94",
                "  WARNUNG!! Der angepasste Kontakt …"}},
        {"no fit", refused, 0,
            {"", "  ANPASSUNG DES GAS-WASSER-KONTAKTES",
                "  Kontaktbereich                     (m):   3000.00 bis 2900.00", "  ABBRUCH!!Der Kontaktbereich …"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keldo::ContactFitReport(c.fit, c.fluid), c.lines);
    }
}
