#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

namespace {

// The default gas reservoir (PI 200 bar, cut-off 6 %); the two fluid values
// are what the report header derives for it. Rows are fed directly.
struct ContactStatistics : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    ContactStatistics()
    {
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 2000;
        doc.m_nModus = 1;
        doc.m_strBohrung = "Testbohrung 1";
        doc.m_dFaktorPc = 0.1174;
        doc.m_fFluiddichte = 103.1f;
        doc.InitGrafik();
    }

    void Row(double tvd, double phi, double sw, double kontakt)
    {
        doc.m_Kontakte.push_back(keldo::Format("  %7.3f %9.5f %13.5f %19.1f", tvd, phi, sw, kontakt));
    }
    CKeldoDoc::StringArray Tail(size_t from) const
    {
        return {doc.m_Ergebnisse.begin() + static_cast<long>(from), doc.m_Ergebnisse.end()};
    }
    bool InReport(const std::string& line) const
    {
        return std::find(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), line) != doc.m_Ergebnisse.end();
    }
};

TEST_F(ContactStatistics, EmptyMeasurementListGivesStatisticsOfNoRows)
{
    doc.m_Messwerte.clear();
    doc.Compute();
    const std::string abbruch = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
    EXPECT_EQ(box.shown, std::vector<std::string>{abbruch});
    auto at = std::find(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), abbruch);
    ASSERT_NE(at, doc.m_Ergebnisse.end());
    const CKeldoDoc::StringArray expected = {
        "",
        "  Bei Porositäten größer als  6.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:      0.0",
        "  Maximaler Gas-Wasser-Kontakt:      0.0",
        "",
        "  Bei Porositäten größer als  8.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:      0.0",
        "  Maximaler Gas-Wasser-Kontakt:      0.0",
        "",
        "  Bei Porositäten größer als 10.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:      0.0",
        "  Maximaler Gas-Wasser-Kontakt:      0.0",
        "",
        "  Anzahl der GWC-Werte für die Häufigkeitsberechnung:0",
        "",
        "  GWC-Teufen (m)   Häufigkeit",
        "   von    bis      ",
        "",
        "  0     1     0",
        "  1     2     0",
        "  2     3     0",
        " Gesamthäufigkeit:  0",
    };
    EXPECT_EQ(CKeldoDoc::StringArray(at + 1, doc.m_Ergebnisse.end()), expected);
    EXPECT_EQ(doc.m_MaxWerte, 3);
    EXPECT_EQ(doc.m_fKontaktMin, 0.0f);
    EXPECT_EQ(doc.m_fKontaktMax, 0.0f);
    EXPECT_EQ(doc.m_X[2], 2.0f);
}

TEST_F(ContactStatistics, CutoffClassesAdmitEqualityAndAddInDouble)
{
    Row(2000, 0.06, 0.95, 2010.0); // at c: class 1
    Row(2000, 0.08, 0.95, 2020.0); // 0.08f is below c + 0.02 formed in double
    Row(2000, 0.09, 0.95, 2030.0); // classes 1 and 2
    Row(2000, 0.10, 0.95, 2040.0); // 0.10f reaches c + 0.04: all three
    Row(2000, 0.12, 0.95, 2050.5); // all three
    Row(2000, 0.05, 0.95, 2000.0); // below c: none
    doc.KontaktStatistik();
    const CKeldoDoc::StringArray expected = {
        "",
        "  Bei Porositäten größer als  6.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:   2010.0",
        "  Maximaler Gas-Wasser-Kontakt:   2050.5",
        "  Mittlerer Gas-Wasser-Kontakt mit 5 Werten:   2030.1",
        "",
        "  Bei Porositäten größer als  8.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:   2030.0",
        "  Maximaler Gas-Wasser-Kontakt:   2050.5",
        "  Mittlerer Gas-Wasser-Kontakt mit 3 Werten:   2040.2",
        "",
        "  Bei Porositäten größer als 10.0 Prozent",
        "  Minimaler Gas-Wasser-Kontakt:   2040.0",
        "  Maximaler Gas-Wasser-Kontakt:   2050.5",
        "  Mittlerer Gas-Wasser-Kontakt mit 2 Werten:   2045.2",
    };
    ASSERT_GE(doc.m_Ergebnisse.size(), expected.size());
    EXPECT_EQ(CKeldoDoc::StringArray(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.begin() + 15), expected);
    EXPECT_EQ(doc.m_fKontaktMin, 2010.0f);
    EXPECT_EQ(doc.m_fKontaktMax, 2050.5f);
    // the row below c lies below Tmin as well: that line comes without warnings
    EXPECT_TRUE(InReport("  FEHLER! In Teufe:2000 GWC:2000 < minTeufe:2010!"));
}

// The classes stay in the document for a summary of many wells: the same
// numbers the report prints, and the first class's contacts in row order.
TEST_F(ContactStatistics, ClassesAndFirstClassContactsStayInTheDocument)
{
    Row(2000, 0.06, 0.95, 2010.0);
    Row(2000, 0.09, 0.95, 2030.0);
    Row(2000, 0.12, 0.95, 2050.5);
    Row(2000, 0.05, 0.95, 2000.0);
    Row(2000, 0.10, 0.95, 2040.0);
    doc.KontaktStatistik();
    const struct {
        int count;
        const char* min;
        const char* max;
        const char* mean; // as the report's mean line prints it
    } expected[]
        = {{4, "2010.0", "2050.5", "2032.6"}, {3, "2030.0", "2050.5", "2040.2"}, {2, "2040.0", "2050.5", "2045.2"}};
    for (size_t k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const CKeldoDoc::Kontaktklasse& klasse = doc.m_KontaktKlassen[k];
        EXPECT_EQ(klasse.nAnzahl, expected[k].count);
        EXPECT_EQ(keldo::Format("%.1f", double(klasse.fMin)), expected[k].min);
        EXPECT_EQ(keldo::Format("%.1f", double(klasse.fMax)), expected[k].max);
        EXPECT_EQ(keldo::Format("%.1f", double(klasse.Mittel())), expected[k].mean);
        EXPECT_TRUE(InReport(keldo::Format(
            "  Mittlerer Gas-Wasser-Kontakt mit %d Werten: %8.1f", klasse.nAnzahl, double(klasse.Mittel()))));
    }
    EXPECT_EQ(doc.m_KontakteKlasse1, (std::vector<float>{2010.0f, 2030.0f, 2050.5f, 2040.0f}));

    // A water-saturation run leaves no statistics behind.
    doc.m_Messwerte = {"2000.000 0.20000 0.50000"};
    doc.m_fMinTeufe = 1900;
    doc.m_fMaxTeufe = 2100;
    doc.m_nModus = 0;
    doc.Compute();
    EXPECT_EQ(doc.m_KontaktKlassen[0].nAnzahl, 0);
    EXPECT_TRUE(doc.m_KontakteKlasse1.empty());
}

TEST_F(ContactStatistics, MeanIsSummedInSinglePrecision)
{
    for (int i = 0; i < 3000; ++i)
        Row(2400, 0.2, 0.5, 2345.7);
    doc.KontaktStatistik();
    // a double sum would give 2345.7
    EXPECT_TRUE(InReport("  Mittlerer Gas-Wasser-Kontakt mit 3000 Werten:   2345.6"));
}

TEST_F(ContactStatistics, UnusableRowsAreLeftOutAndNamedWithWarnings)
{
    const float swmin = doc.Swmin(doc.Keff(2000, 0.2f));
    ASSERT_GT(swmin, 0.02f);
    Row(2000, 0.2, 0.5, 2100.0);
    Row(2000, 0.2, 1.0, 2100.5);  // Sw 1: left out of the classes, counted in the histogram
    Row(2000, 0.2, 0.01, 2100.2); // below swmin: left out of both
    Row(2000, 0.03, 1.0, 2100.0); // below c: no line
    doc.m_bWarnungen = 1;
    doc.KontaktStatistik();
    const auto& r = doc.m_Ergebnisse;
    ASSERT_GE(r.size(), 3u);
    EXPECT_EQ(r[0],
        keldo::Format(
            "  Ohne Teufe:%g gwc:%g sw:%g swmin:%g phi:%g", 2000.0, 2100.5, 1.0, double(swmin), double(0.2f)));
    EXPECT_EQ(r[1],
        keldo::Format("  Ohne Teufe:%g gwc:%g sw:%g swmin:%g phi:%g", 2000.0, 2100.2, double(0.01f), double(swmin),
            double(0.2f)));
    EXPECT_EQ(r[2], "");
    EXPECT_TRUE(InReport("  Mittlerer Gas-Wasser-Kontakt mit 1 Werten:   2100.0"));
    EXPECT_EQ(doc.m_fKontaktMax, 2100.0f);
    // Tmin 2100, Tmax 2101, dT 1: the Sw-1 row at 2100.5 counts, the one
    // below swmin does not
    EXPECT_EQ(doc.m_MaxWerte, 3);
    EXPECT_EQ(doc.m_Y[0], 2.0f);
    EXPECT_TRUE(InReport(" Gesamthäufigkeit:  2"));

    doc.m_Ergebnisse.clear();
    doc.m_bWarnungen = 0;
    doc.KontaktStatistik();
    EXPECT_EQ(doc.m_Ergebnisse.at(0), "");
    EXPECT_EQ(std::count_if(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(),
                  [](const std::string& l) { return l.rfind("  Ohne", 0) == 0; }),
        0);
}

TEST_F(ContactStatistics, HistogramOfContactsOverSeventyEightMetres)
{
    Row(2400, 0.2, 0.5, 2510.3);
    Row(2400, 0.2, 0.5, 2540.0);
    Row(2400, 0.2, 0.5, 2587.9);
    doc.KontaktStatistik();
    // Tmin 2510, Tmax 2588, dT 3, jmax 27
    EXPECT_EQ(doc.m_MaxWerte, 28);
    EXPECT_EQ(doc.m_X[0], 2510.0f);
    EXPECT_EQ(doc.m_X[27], 2591.0f);
    EXPECT_EQ(doc.m_Y[0], 1.0f);
    EXPECT_EQ(doc.m_Y[10], 1.0f);
    EXPECT_EQ(doc.m_Y[25], 1.0f);
    EXPECT_EQ(std::accumulate(doc.m_Y.begin(), doc.m_Y.end(), 0.0f), 3.0f);
    auto at = std::find(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), "  GWC-Teufen (m)   Häufigkeit");
    ASSERT_NE(at, doc.m_Ergebnisse.end());
    ASSERT_EQ(doc.m_Ergebnisse.end() - at, 3 + 28 + 1);
    EXPECT_EQ(at[1], "   von    bis      ");
    EXPECT_EQ(at[3], "  2510     2513     1");
    EXPECT_EQ(at[3 + 10], "  2540     2543     1");
    EXPECT_EQ(at[3 + 27], "  2591     2594     0");
    EXPECT_EQ(doc.m_Ergebnisse.back(), " Gesamthäufigkeit:  3");
    EXPECT_TRUE(InReport("  Anzahl der GWC-Werte für die Häufigkeitsberechnung:3"));
}

TEST_F(ContactStatistics, HistogramBoundsAndTheirLines)
{
    doc.m_fKontaktMin = 2510.3f;
    doc.m_fKontaktMax = 2587.9f;
    Row(2400, 0.2, 0.5, 2588.0);  // equal to Tmax: counted
    Row(2400, 0.2, 0.5, 2588.1);  // above Tmax
    Row(2400, 0.2, 0.5, 2510.0);  // equal to Tmin: counted
    Row(2400, 0.2, 0.5, 2509.9);  // below Tmin
    Row(2400, 0.05, 0.9, 2550.0); // below c
    doc.Haeufigkeit();
    const std::string ueber = "  FEHLER! In Teufe:2400 GWC:2588.1 > maxTeufe:2588!";
    const std::string unter = "  FEHLER! In Teufe:2400 GWC:2509.9 < minTeufe:2510!";
    const std::string phi = "  Häufigkeitsberechnunung ohne Teufe: 2400 Porosität:0.05";
    EXPECT_TRUE(InReport(unter));
    EXPECT_FALSE(InReport(ueber));
    EXPECT_FALSE(InReport(phi));
    EXPECT_EQ(doc.m_Y[26], 1.0f);
    EXPECT_EQ(doc.m_Y[0], 1.0f);
    EXPECT_EQ(doc.m_Ergebnisse.back(), " Gesamthäufigkeit:  2");

    doc.m_Ergebnisse.clear();
    doc.m_bWarnungen = 1;
    doc.Haeufigkeit();
    const CKeldoDoc::StringArray expected
        = {"", "  Anzahl der GWC-Werte für die Häufigkeitsberechnung:5", ueber, unter, phi, ""};
    ASSERT_GE(doc.m_Ergebnisse.size(), expected.size());
    EXPECT_EQ(CKeldoDoc::StringArray(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.begin() + 6), expected);
}

TEST_F(ContactStatistics, ContactBeyondIntegerRangeStillGivesAHistogram)
{
    // what a nearly vanishing density difference can produce
    Row(2400, 0.2, 0.5, 3e9);
    doc.KontaktStatistik();
    EXPECT_EQ(doc.m_MaxWerte, 3);
    EXPECT_EQ(doc.m_X[0], 3e9f);
    EXPECT_EQ(doc.m_Y[0], 1.0f);
    EXPECT_EQ(doc.m_Ergebnisse.back(), " Gesamthäufigkeit:  1");
}

TEST_F(ContactStatistics, OilChangesOnlyGraphTitleAndAxis)
{
    Row(2400, 0.2, 0.5, 2510.3);
    Row(2400, 0.12, 0.5, 2540.0);
    doc.KontaktStatistik();
    EXPECT_EQ(doc.m_strTitel, "Häufigkeit der GWC-Teufen");
    EXPECT_EQ(doc.m_strXAchse, "Vertikale Teufe TVD des GWC (m)");
    EXPECT_EQ(doc.m_strUntertitel1, "Testbohrung 1");
    EXPECT_EQ(doc.m_strUntertitel2, "Porositäts-Cutoff: 6 Prozent");
    EXPECT_EQ(doc.m_strYAchse, "Anzahl");
    EXPECT_EQ(doc.m_strY1Achse, "");
    EXPECT_EQ(doc.m_nYAchsen, 1);
    const auto gasReport = doc.m_Ergebnisse;

    doc.m_Ergebnisse.clear();
    doc.InitGrafik();
    doc.m_nFluid = 1;
    doc.KontaktStatistik();
    EXPECT_EQ(doc.m_Ergebnisse, gasReport);
    EXPECT_EQ(doc.m_strTitel, "Häufigkeit der OWC-Teufen");
    EXPECT_EQ(doc.m_strXAchse, "Vertikale Teufe TVD des OWC (m)");
    EXPECT_EQ(doc.m_strYAchse, "Anzahl");
}

TEST_F(ContactStatistics, UnreadableRowStopsWithoutStatistics)
{
    Row(2400, 0.2, 0.5, 2510.3);
    doc.m_Kontakte.push_back("  2400.000   0.20000");
    doc.KontaktStatistik();
    EXPECT_EQ(box.shown, std::vector<std::string>{"ABBRUCH!!Fehler beim Mittelwert für GWC\n  2400.000   0.20000"});
    EXPECT_TRUE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_strTitel, "");
}

TEST_F(ContactStatistics, ModelIsAskedAgainForEveryRow)
{
    // 0.23 * 870 - 200 bar < 1 bar: the model notes it on each evaluation
    Row(870, 0.2, 0.5, 880.0);
    doc.KontaktStatistik();
    EXPECT_EQ(
        std::count(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), "  PI > 0.23*TEUFE,d.h.200.0 > 0.23*870.0"), 2);
    EXPECT_TRUE(InReport("  Mittlerer Gas-Wasser-Kontakt mit 1 Werten:    880.0"));
}

} // namespace
