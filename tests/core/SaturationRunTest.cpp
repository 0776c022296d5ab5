#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

namespace {

const char* const kAbgeschlossen = "Berechnung der Saettigung abgeschlossen";
const char* const kAbbruch = "\tAbbruch der Sw-Berechnung";
const char* const kLetzteKopfzeile = "   (M)       (-)         (-)       (-)        (mD)";

std::string Messzeile(float teufe, float phi, float sw)
{
    return keldo::Format("%10.3f   %10.5f  %10.5f", teufe, phi, sw);
}

// The worked example's reservoir with the contact at 2000 m, water-saturation mode.
struct SaturationRun : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    void SetUp() override
    {
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 2000;
        doc.m_fMinTeufe = 1000;
        doc.m_fMaxTeufe = 2500;
        doc.m_bGeaendert = 1;
    }

    // n lines from 1800 m downwards in steps of 0.5 m.
    void SetLines(int n)
    {
        doc.m_Messwerte.clear();
        for (int i = 0; i < n; ++i)
            doc.m_Messwerte.push_back(Messzeile(1800.0f + 0.5f * static_cast<float>(i), 0.2f, 0.3f));
    }

    // The report lines after the table head.
    std::vector<std::string> Rows() const
    {
        const auto& r = doc.m_Ergebnisse;
        for (size_t i = 0; i < r.size(); ++i) {
            if (r[i] == kLetzteKopfzeile)
                return {r.begin() + static_cast<std::ptrdiff_t>(i) + 1, r.end()};
        }
        ADD_FAILURE() << "no table head in the report";
        return {};
    }

    // Depths of the listed rows, read back from their first column.
    std::vector<float> RowDepths() const
    {
        std::vector<float> depths;
        for (const auto& row : Rows()) {
            float v = 0;
            if (keldo::ScanFloats(row, &v, 1) == 1)
                depths.push_back(v);
        }
        return depths;
    }
};

} // namespace

TEST_F(SaturationRun, SaturationAtDepthOfTheWorkedExample)
{
    doc.ReportHeader();
    EXPECT_NEAR(doc.SwInTeufe(1999, 0.2f), 0.953, 0.0005);
    EXPECT_NEAR(doc.SwInTeufe(1950, 0.2f), 0.175, 0.0005);
    EXPECT_NEAR(doc.SwInTeufe(1900, 0.2f), 0.124, 0.0005);
    // Higher than the height of the maximum capillary pressure: Swmin.
    const float swmin = doc.Swmin(doc.Keff(1800, 0.2f));
    EXPECT_NEAR(swmin, 0.081, 0.0005);
    EXPECT_EQ(doc.SwInTeufe(1800, 0.2f), swmin);
    // Below the contact the rock is water-bearing.
    EXPECT_EQ(doc.SwInTeufe(2001, 0.2f), 1.0f);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(SaturationRun, SaturationAtDepthInvertsTheHeight)
{
    doc.ReportHeader();
    for (float teufe : {1995.0f, 1990.0f, 1950.0f, 1900.0f, 1850.0f}) {
        const float sw = doc.SwInTeufe(teufe, 0.15f);
        const double h = doc.HoeheUeberKontakt(teufe, doc.Keff(teufe, 0.15f), sw);
        EXPECT_NEAR(h, 2000.0 - teufe, 0.01) << teufe;
    }
}

TEST_F(SaturationRun, SwminOfOneGivesFullSaturation)
{
    doc.m_fSwmin0 = 0.5f;
    doc.m_fSwmin1 = -0.2f;
    doc.ReportHeader();
    EXPECT_EQ(doc.SwInTeufe(1999.5f, 0.2f), 1.0f);
    EXPECT_EQ(doc.SwInTeufe(1800, 0.2f), 1.0f);
}

TEST_F(SaturationRun, CompleteRunWithTheExampleRow)
{
    doc.m_Messwerte = {Messzeile(1950, 0.2f, 0.3f)};
    doc.Compute();

    const std::vector<std::string> kopf(doc.m_Ergebnisse.end() - 4, doc.m_Ergebnisse.end() - 1);
    EXPECT_EQ(kopf,
        (std::vector<std::string>{"  TEUFE   POROSITAET   WASSERSAETTIGUNG   PERMEABILITAET",
            "             PHI       berechn.   n.Log        K ", kLetzteKopfzeile}));
    ASSERT_EQ(Rows(), std::vector<std::string>{"  1950.0    0.200       0.175     0.300     68.3188"});
    EXPECT_EQ(Rows()[0].size(), 51u);
    EXPECT_EQ(doc.m_strZeile, Rows()[0]);
    EXPECT_EQ(box.shown, std::vector<std::string>{kAbgeschlossen});

    EXPECT_EQ(doc.m_bGeaendert, 0);
    EXPECT_EQ(doc.m_bSkaliert, 0);
    EXPECT_EQ(doc.m_MaxWerte, 1);
    EXPECT_EQ(doc.m_nYAchsen, 2);
    EXPECT_EQ(doc.m_X[0], 1950.0f);
    EXPECT_EQ(doc.m_Y[0], 0.3f);
    EXPECT_EQ(doc.m_Y1[0], 0.2f);
    EXPECT_NEAR(doc.m_Y2[0], 0.17515, 0.00001);
    EXPECT_EQ(doc.m_strTitel, "Nachrechnung der Wassersättigung Sw");
    EXPECT_EQ(doc.m_strUntertitel1, "Name der Bohrung");
    EXPECT_EQ(doc.m_strUntertitel2, "Gas-Wasser-Kontakt:2000.0");
    EXPECT_EQ(doc.m_strXAchse, "Vertikale Teufe TVD (m)");
    EXPECT_EQ(doc.m_strY1Achse, "Porosität(-)");
    EXPECT_EQ(doc.m_strLegende2, "  Porosität ");
    EXPECT_TRUE(doc.m_Kontakte.empty());
}

TEST_F(SaturationRun, OilRunNamesTheOilWaterContact)
{
    doc.m_nFluid = 1;
    doc.m_fDichteKW = 700;
    doc.m_fKontakt = 1987.5f;
    doc.m_Messwerte = {Messzeile(1950, 0.2f, 0.3f)};
    doc.Compute();
    EXPECT_EQ(doc.m_strUntertitel2, "Öl-Wasser-Kontakt:1987.5");
    EXPECT_EQ(box.shown, std::vector<std::string>{kAbgeschlossen});
}

TEST_F(SaturationRun, ReportSampling)
{
    SetLines(20);
    doc.Compute();
    EXPECT_EQ(Rows().size(), 20u);

    SetLines(42);
    doc.Compute();
    std::vector<float> erwartet;
    for (int i = 0; i <= 40; i += 2)
        erwartet.push_back(1800.0f + 0.5f * static_cast<float>(i));
    erwartet.push_back(1800.0f + 0.5f * 41);
    EXPECT_EQ(RowDepths(), erwartet);
    EXPECT_EQ(doc.m_MaxWerte, 42);

    doc.m_bDetail = 1;
    doc.Compute();
    EXPECT_EQ(Rows().size(), 42u);
}

TEST_F(SaturationRun, GraphSampling)
{
    SetLines(1000);
    doc.Compute();
    ASSERT_EQ(doc.m_MaxWerte, 500);
    EXPECT_EQ(doc.m_X[0], 1800.0f);
    EXPECT_EQ(doc.m_X[1], 1801.0f);
    EXPECT_EQ(doc.m_X[499], 1800.0f + 0.5f * 998);
    // 1000 / 21 = 47: lines 0, 47, ..., 987 and the last one.
    EXPECT_EQ(Rows().size(), 23u);

    // At most 999 points: the run stops there, before the last lines.
    doc.m_fMaxTeufe = 3000;
    SetLines(1999);
    doc.Compute();
    EXPECT_EQ(doc.m_MaxWerte, 999);
    EXPECT_EQ(doc.m_X[998], 1800.0f + 0.5f * 1996);
    EXPECT_NE(RowDepths().back(), 1800.0f + 0.5f * 1998);
    EXPECT_EQ(doc.m_bGeaendert, 0);
}

TEST_F(SaturationRun, DepthWindowIsInclusive)
{
    doc.m_fMinTeufe = 1900;
    doc.m_fMaxTeufe = 1950;
    doc.m_Messwerte = {Messzeile(1899.99f, 0.2f, 0.3f), Messzeile(1900, 0.2f, 0.3f), Messzeile(1920, 0.2f, 0.3f),
        Messzeile(1950, 0.2f, 0.3f), Messzeile(1950.01f, 0.2f, 0.3f)};
    doc.Compute();
    EXPECT_EQ(RowDepths(), (std::vector<float>{1900, 1920, 1950}));
    EXPECT_EQ(doc.m_MaxWerte, 3);
}

TEST_F(SaturationRun, NoLineInsideTheWindowStopsTheRun)
{
    doc.m_fMinTeufe = 100;
    doc.m_fMaxTeufe = 200;
    SetLines(5);
    doc.Compute();
    const std::string text = "ABBRUCH!!Im Teufenbereich von 100 m bis 200 m liegt kein Messwert!";
    EXPECT_EQ(Rows(), std::vector<std::string>{text});
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_nYAchsen, 1);
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(box.shown, std::vector<std::string>{text});
}

TEST_F(SaturationRun, PressureEqualToOverburdenAbortsTheRun)
{
    doc.m_fInitialdruck = 230;
    // 0.23 * 500 is below PI but outside the window: no abort there.
    doc.m_Messwerte = {Messzeile(500, 0.2f, 0.3f), Messzeile(1950, 0.2f, 0.3f), Messzeile(1000, 0.2f, 0.3f),
        Messzeile(1900, 0.2f, 0.3f)};
    doc.m_fMinTeufe = 900;
    doc.Compute();
    EXPECT_EQ(box.shown, (std::vector<std::string>{"  PI > 0.23*TEUFE,d.h.230.0 > 0.23*1000.0", kAbbruch}));
    EXPECT_EQ(doc.m_strZeile, box.shown[0]);
    // The rows before the abort stay; the message itself is not in the report.
    EXPECT_EQ(RowDepths(), std::vector<float>{1950});
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_X[0], 1950.0f);
    EXPECT_EQ(doc.m_nYAchsen, 1);
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_TRUE(doc.m_strTitel.empty());
}

TEST_F(SaturationRun, LowEffectiveStressLineStandsBeforeTheRow)
{
    // 0.23 * 870 - 200 = 0.1 bar: the run goes on, the model notes it.
    doc.m_fMinTeufe = 0;
    doc.m_fKontakt = 900;
    doc.m_Messwerte = {Messzeile(870, 0.2f, 0.3f)};
    doc.Compute();
    const auto rows = Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "  PI > 0.23*TEUFE,d.h.200.0 > 0.23*870.0");
    EXPECT_EQ(box.shown, std::vector<std::string>{kAbgeschlossen});
}

TEST_F(SaturationRun, MissingMeasurements)
{
    doc.Compute();
    const std::string text = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
    EXPECT_EQ(Rows(), std::vector<std::string>{text});
    EXPECT_EQ(box.shown, std::vector<std::string>{text});
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_nYAchsen, 1);
}

TEST_F(SaturationRun, LineWithoutThreeNumbersIsSkipped)
{
    doc.m_Messwerte = {Messzeile(1950, 0.2f, 0.3f), "  1960.000     0.20000", "abc", Messzeile(1970, 0.2f, 0.3f)};
    doc.Compute();
    EXPECT_EQ(RowDepths(), (std::vector<float>{1950, 1970}));
    EXPECT_EQ(doc.m_MaxWerte, 2);
    EXPECT_EQ(box.shown, std::vector<std::string>{kAbgeschlossen});
}

TEST_F(SaturationRun, OilDenserThanWaterStopsTheRun)
{
    doc.m_nFluid = 1;
    doc.m_fDichteKW = 1100;
    doc.m_fWasserdichte = 1000;
    SetLines(3);
    doc.Compute();
    const std::string text
        = "ABBRUCH!!Die Öldichte (1100.0 kg/m3) ist nicht kleiner als die Wasserdichte (1000.0 kg/m3)!";
    EXPECT_EQ(box.shown, (std::vector<std::string>{text, kAbbruch}));
    EXPECT_EQ(Rows(), std::vector<std::string>{text});
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(doc.m_MaxWerte, 0);
}

TEST_F(SaturationRun, SameBytesUnderAGermanLocale)
{
    SetLines(60);
    doc.m_Messwerte.push_back(Messzeile(870, 0.2f, 0.3f));
    doc.m_fMinTeufe = 0;
    doc.Compute();
    const auto report = doc.m_Ergebnisse;
    const auto series = doc.m_Y2;
    {
        GermanLocale german;
        if (!german.active())
            GTEST_SKIP() << "no German locale installed";
        doc.Compute();
    }
    EXPECT_EQ(doc.m_Ergebnisse, report);
    EXPECT_EQ(doc.m_Y2, series);
    EXPECT_EQ(doc.m_MaxWerte, 61);
}
