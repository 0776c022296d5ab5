#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LocaleGuard.h"
#include "PcReport.h"
#include "PcTestSets.h"

namespace {

size_t Characters(const std::string& s)
{
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

TEST(PcReport, CoefficientsAsTheReportHeaderPrintsThem)
{
    // The report header's lines for the dialog's default set, as printed there.
    EXPECT_EQ(keldo::CoefficientLines(DialogDefaultCoefficients()),
        (std::vector<std::string>{"  alfa=8.29083 +1.24712*log10(K) +0.626995*log10(K)^2 -0.0412589*log10(K)^3",
            "  log10(beta)=-0.853872 -0.5*log10(K)", "  log10(SwMin)  =-0.689505 -0.231293*log10(K)",
            "  log10(PcSperr)=0.503791 -0.39*log10(K)"}));
}

TEST(PcReport, ReportsSamplesCoefficientsAndWhatWasTaken)
{
    GermanLocale german;
    keldo::SyntheticPcSpec spec = DefaultSpec(6);
    spec.permeabilities[3] = 0;
    const keldo::PcTable table = keldo::MakeSyntheticPcTable(spec);
    struct Case {
        const char* what;
        keldo::PcFitOptions options;
        std::vector<std::string> lines;
        bool refused;
    } cases[] = {
        {"refined set, Pc max from the file", {},
            {"  NORMIERUNG DER QUECKSILBER-KAPILLARDRUCKKURVEN", "  Daten: kern.csv",
                "  Max.Kapillardruck Quecksilber Pc (bar):     141.7  höchster Druck der Datei",
                "  Proben in der Datei                (-):         6",
                "  davon angepasst                    (-):         5",
                "  Verwendete Messpunkte              (-):       200",
                "  Probe \"P04\" (ab Zeile 122) wird nicht verwendet: die Permeabilität 0 mD ist nicht größer Null.",
                "  übernommen: Gesamtanpassung, wie der Eingabedialog sie zeigt",
                "  Ordnung der alfa-Beziehung         (-):         2",
                "  WARNUNG!! alfa wird mit der Ordnung 2 statt 3 angepasst: 5 Proben, für die Ordnung 3 sind "
                "mindestens "
                "6 nötig."},
            false},
        {"two-step set asked, Pc max given", {150.0f, 2, true},
            {"  Max.Kapillardruck Quecksilber Pc (bar):     150.0  vorgegeben",
                "  übernommen: Zweischritt-Anpassung, wie der Eingabedialog sie zeigt",
                "  Übernommen wird, wie verlangt, die Zweischritt-Anpassung."},
            false},
        {"refused", {5.0f, 3, false},
            {"  Max.Kapillardruck Quecksilber Pc (bar):       5.0  vorgegeben",
                "  ABBRUCH!!Der Max.Kapillardruck 5.0 bar ist zu niedrig; der Eingabedialog verlangt mehr als 10 bar!"},
            true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::PcNormalization n = keldo::NormalizePc(table, c.options);
        ASSERT_EQ(n.ok, !c.refused);
        const std::vector<std::string> lines = keldo::PcFitReport(table, n, "kern.csv");
        for (const std::string& line : c.lines)
            EXPECT_TRUE(Has(lines, line)) << line;
        if (c.refused) {
            EXPECT_EQ(lines.back().rfind("  ABBRUCH!!", 0), 0u);
            continue;
        }
        // The taken set as the header prints it, and the fixed-width table
        // of the samples: every row as wide as its heading.
        for (const std::string& line : keldo::CoefficientLines(n.Chosen()))
            EXPECT_TRUE(Has(lines, line)) << line;
        const auto heading = std::find_if(
            lines.begin(), lines.end(), [](const std::string& l) { return l.rfind("  Probe         Teufe", 0) == 0; });
        ASSERT_NE(heading, lines.end());
        for (auto row = heading; row != heading + 2 + static_cast<long>(n.samples.size()); ++row)
            EXPECT_EQ(Characters(*row), Characters(*heading)) << *row;
        // P01: 0.1 mD, porosity (log10(0.1) + 2.56554) / 22.0004, 40 points.
        EXPECT_EQ((heading + 2)->substr(0, 49), "  P01         2900.00    0.0712      0.100     40");
    }
}
