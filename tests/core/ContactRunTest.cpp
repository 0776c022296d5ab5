#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

namespace {

const CKeldoDoc::StringArray kKopf = {
    "    TEUFE   POROSITAET  WASSERSAETTIGUNG   GAS-WASSER-KONTAKT",
    "               n.Log       nach Log            berechnet",
    "     (M)        (-)           (-)                (M)",
    "",
};
const std::string kAbgeschlossen = "  Berechnung des Gas-Wasser-Kontaktes abgeschlossen";

// The default gas reservoir (PI 200 bar, contact 2000 m) with a window that
// holds every test depth. The two fluid values are what the report header
// derives for it; set here so that these tests need only the model.
struct ContactRun : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    ContactRun()
    {
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 2000;
        doc.m_nModus = 1;
        doc.m_fMinTeufe = 1000;
        doc.m_fMaxTeufe = 3000;
        doc.m_dFaktorPc = 0.1174;
        doc.m_fFluiddichte = 103.1f;
        doc.m_bGeaendert = 1;
    }

    void Add(float tvd, float phi, float sw)
    {
        doc.m_Messwerte.push_back(keldo::Format("%10.3f   %10.5f  %10.5f", tvd, phi, sw));
    }
    // Measurement line with Sw given to the last bit of the float.
    void AddExact(float tvd, float phi, float sw)
    {
        doc.m_Messwerte.push_back(keldo::Format("%10.3f   %10.5f  %.9g", tvd, phi, sw));
    }
    float ModelSwmin(float tvd, float phi) { return doc.Swmin(doc.Keff(tvd, phi)); }

    bool InReport(const std::string& line) const
    {
        return std::find(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), line) != doc.m_Ergebnisse.end();
    }
    // TVD of every report line that is a contact row.
    std::vector<float> ReportedRowDepths() const
    {
        std::vector<float> depths;
        for (const auto& line : doc.m_Ergebnisse) {
            float v[4];
            if (line.size() == 54 && keldo::ScanFloats(line, v, 4) == 4)
                depths.push_back(v[0]);
        }
        return depths;
    }
};

TEST_F(ContactRun, EmptyMeasurementListStopsWithMessage)
{
    doc.ComputeKontakte();
    const std::string text = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
    CKeldoDoc::StringArray expected = kKopf;
    expected.push_back(text);
    EXPECT_EQ(doc.m_Ergebnisse, expected);
    EXPECT_EQ(box.shown, std::vector<std::string>{text});
    EXPECT_TRUE(doc.m_Kontakte.empty());
    EXPECT_EQ(doc.m_bGeaendert, 1);
}

TEST_F(ContactRun, RowIsPrintedAsTheContactFormatAndLeadsToTheContact)
{
    Add(1950, 0.2f, 0.5f);
    doc.ComputeKontakte();
    ASSERT_EQ(doc.m_Kontakte.size(), 1u);
    const double hoehe = doc.HoeheUeberKontakt(1950, doc.Keff(1950, 0.2f), 0.5f);
    EXPECT_NEAR(hoehe, 2.71, 0.05); // height of Sw 0.5 over the contact for this rock
    const std::string row
        = keldo::Format("  %7.3f %9.5f %13.5f %19.1f", 1950.0, double(0.2f), double(0.5f), 1950.0 + hoehe);
    EXPECT_EQ(doc.m_Kontakte[0], row);
    EXPECT_EQ(row.size(), 54u);
    // header, the one row, a profile of 11 rows after its 7 lines, closing
    ASSERT_EQ(doc.m_Ergebnisse.size(), 4u + 1 + 7 + 11 + 2);
    EXPECT_TRUE(std::equal(kKopf.begin(), kKopf.end(), doc.m_Ergebnisse.begin()));
    EXPECT_EQ(doc.m_Ergebnisse[4], row);
    EXPECT_EQ(doc.m_Ergebnisse.back(), kAbgeschlossen);
    EXPECT_EQ(doc.m_Ergebnisse[doc.m_Ergebnisse.size() - 2], "");
    EXPECT_EQ(doc.m_bGeaendert, 0);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(ContactRun, ProfileRunsFromSwminToFullSaturation)
{
    Add(1950, 0.2f, 0.5f);
    doc.ComputeKontakte();
    const auto& r = doc.m_Ergebnisse;
    const CKeldoDoc::StringArray heading = {"", "         Wassersaettigungsprofil ", "         fuer Teufe:1950.0", "",
        "  Hoehe ueber    Wasser-       Teufe", "    GWC (m)    saettigung       (m)", ""};
    ASSERT_EQ(r.size(), 5 + heading.size() + 11 + 2);
    EXPECT_TRUE(std::equal(heading.begin(), heading.end(), r.begin() + 5));
    const float swmin = ModelSwmin(1950, 0.2f);
    float row[4]; // the contact row of the measurement
    ASSERT_EQ(keldo::ScanFloats(r[4], row, 4), 4);
    const float contact = row[3];
    float previousH = 1e30f;
    float previousS = 0;
    for (int k = 0; k <= 10; ++k) {
        const std::string& line = r[5 + heading.size() + k];
        float v[3]; // height, saturation, depth where it is reached
        ASSERT_EQ(keldo::ScanFloats(line, v, 3), 3) << line;
        if (k == 0) {
            EXPECT_EQ(line.substr(11, 12), keldo::Format("%12.3f", double(swmin)));
        }
        EXPECT_GT(v[1], previousS); // up in tenths of the range ...
        EXPECT_LT(v[0], previousH); // ... and down towards the contact
        EXPECT_NEAR(v[0] + v[2], contact, 0.15);
        previousH = v[0];
        previousS = v[1];
    }
    EXPECT_FLOAT_EQ(previousS, 1.0f);
}

TEST_F(ContactRun, ProfileOfAMinimumSaturationOfOneHasOneRow)
{
    doc.m_fSwmin0 = 1; // Swmin above 1 for every permeability here: capped at 1
    Add(1950, 0.2f, 0.5f);
    doc.ComputeKontakte();
    EXPECT_TRUE(doc.m_Kontakte.empty()); // Sw 0.5 < Swmin 1
    const auto& r = doc.m_Ergebnisse;
    ASSERT_EQ(r.size(), 4u + 7 + 1 + 2);
    EXPECT_EQ(r[11].substr(10, 13), "        1.000");
}

TEST_F(ContactRun, PorosityNotAboveZeroGivesProfileWithoutRows)
{
    for (float phi : {0.0f, -0.1f}) {
        doc.m_Ergebnisse.clear();
        doc.m_Messwerte.clear();
        Add(1950, 0.2f, 0.5f);
        Add(3500, phi, 0.5f); // outside the window: only the profile sees it
        doc.ComputeKontakte();
        const auto& r = doc.m_Ergebnisse;
        ASSERT_GE(r.size(), 5u);
        EXPECT_EQ(r[r.size() - 4], "    GWC (m)    saettigung       (m)");
        EXPECT_EQ(r[r.size() - 3], "");
        EXPECT_EQ(r[r.size() - 2], "");
        EXPECT_EQ(r.back(), kAbgeschlossen);
        EXPECT_TRUE(InReport("         fuer Teufe:3500.0"));
    }
}

TEST_F(ContactRun, WindowZeroToZeroStopsTheRun)
{
    doc.m_fMinTeufe = 0;
    doc.m_fMaxTeufe = 0;
    Add(1950, 0.2f, 0.5f);
    Add(1960, 0.2f, 0.5f);
    EXPECT_FALSE(doc.ComputeKontakte());
    const std::string text = "ABBRUCH!!Im Teufenbereich von 0 m bis 0 m liegt kein Messwert!";
    EXPECT_TRUE(doc.m_Kontakte.empty());
    EXPECT_TRUE(ReportedRowDepths().empty());
    EXPECT_FALSE(InReport("         fuer Teufe:1960.0"));
    EXPECT_EQ(doc.m_Ergebnisse.size(), 4u + 1);
    EXPECT_EQ(doc.m_Ergebnisse.back(), text);
    EXPECT_EQ(box.shown, std::vector<std::string>{text});
    EXPECT_EQ(doc.m_bGeaendert, 1);
}

TEST_F(ContactRun, WindowBoundsAndCutoffAreInclusive)
{
    doc.m_fMinTeufe = 1900;
    doc.m_fMaxTeufe = 2100;
    Add(1899.999f, 0.2f, 0.5f);
    Add(1900, 0.2f, 0.5f);
    Add(2000, 0.06f, 0.95f);    // exactly at the cut-off
    Add(2000, 0.05999f, 0.95f); // just below it
    Add(2100, 0.2f, 0.5f);
    Add(2100.001f, 0.2f, 0.5f);
    doc.ComputeKontakte();
    std::vector<std::pair<float, float>> kept; // TVD, porosity
    for (const auto& row : doc.m_Kontakte) {
        float v[4];
        ASSERT_EQ(keldo::ScanFloats(row, v, 4), 4);
        kept.emplace_back(v[0], v[1]);
    }
    const std::vector<std::pair<float, float>> expected = {{1900.0f, 0.2f}, {2000.0f, 0.06f}, {2100.0f, 0.2f}};
    EXPECT_EQ(kept, expected);
}

TEST_F(ContactRun, SaturationAtSwminOrOneIsUnusable)
{
    const float swmin = ModelSwmin(2000, 0.2f);
    ASSERT_GT(swmin, 0.0f);
    ASSERT_LT(swmin, 0.5f);
    AddExact(2000, 0.2f, swmin);
    AddExact(2000, 0.2f, std::nextafter(swmin, 1.0f));
    Add(2002, 0.2f, 1.0f);
    Add(2003, 0.2f, 0.99999f);
    Add(2004, 0.2f, 1.2f);
    doc.ComputeKontakte();
    std::vector<float> depths;
    for (const auto& row : doc.m_Kontakte) {
        float v[4];
        keldo::ScanFloats(row, v, 4);
        depths.push_back(v[0]);
    }
    EXPECT_EQ(depths, (std::vector<float>{2000, 2003}));
}

TEST_F(ContactRun, WithoutDetailReportShowsFirstThreeAndLastRow)
{
    for (int i = 0; i < 10; ++i)
        Add(2000 + i, 0.2f, 0.5f);
    doc.ComputeKontakte();
    EXPECT_EQ(doc.m_Kontakte.size(), 10u);
    EXPECT_EQ(ReportedRowDepths(), (std::vector<float>{2000, 2001, 2002, 2009}));

    // An unusable row does not count among the first three; an unusable
    // last row is not listed.
    doc.m_Ergebnisse.clear();
    doc.m_Kontakte.clear();
    doc.m_Messwerte[1] = keldo::Format("%10.3f   %10.5f  %10.5f", 2001.0, 0.2, 1.0);
    doc.m_Messwerte[9] = keldo::Format("%10.3f   %10.5f  %10.5f", 2009.0, 0.03, 0.5);
    doc.ComputeKontakte();
    EXPECT_EQ(doc.m_Kontakte.size(), 8u);
    EXPECT_EQ(ReportedRowDepths(), (std::vector<float>{2000, 2002, 2003}));

    doc.m_Ergebnisse.clear();
    doc.m_Kontakte.clear();
    doc.m_bDetail = 1;
    doc.ComputeKontakte();
    EXPECT_EQ(ReportedRowDepths(), (std::vector<float>{2000, 2002, 2003, 2004, 2005, 2006, 2007, 2008}));
}

TEST_F(ContactRun, PressureTestFailingAtFirstMeasurementStopsTheRun)
{
    Add(800, 0.2f, 0.5f); // 0.23 * 800 = 184 bar < PI 200 bar
    Add(2000, 0.2f, 0.5f);
    doc.ComputeKontakte();
    EXPECT_EQ(box.shown,
        (std::vector<std::string>{"  PI > 0.23*TEUFE,d.h.200.0 > 0.23*800.0", "  Abbruch der GWC-Berechnung"}));
    EXPECT_EQ(doc.m_Ergebnisse, kKopf);
    EXPECT_TRUE(doc.m_Kontakte.empty());
    EXPECT_EQ(doc.m_bGeaendert, 1);
}

TEST_F(ContactRun, PressureTestFailingLaterKeepsRowsAndProfilesThatMeasurement)
{
    Add(2000, 0.2f, 0.5f);
    Add(2010, 0.2f, 0.5f);
    Add(850, 0.2f, 0.5f); // also below the window: the test comes first
    Add(2020, 0.2f, 0.5f);
    doc.ComputeKontakte();
    EXPECT_EQ(box.shown, std::vector<std::string>{"  PI > 0.23*TEUFE,d.h.200.0 > 0.23*850.0"});
    EXPECT_EQ(doc.m_Kontakte.size(), 2u);
    EXPECT_EQ(ReportedRowDepths(), (std::vector<float>{2000, 2010}));
    // The stop itself is not reported; the one such line is the model's own
    // warning when the profile evaluates that measurement.
    EXPECT_EQ(
        std::count(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), "  PI > 0.23*TEUFE,d.h.200.0 > 0.23*850.0"), 1);
    EXPECT_TRUE(InReport("         fuer Teufe: 850.0"));
    EXPECT_EQ(doc.m_Ergebnisse.back(), kAbgeschlossen);
    EXPECT_EQ(doc.m_bGeaendert, 0);
}

TEST_F(ContactRun, ModelWarningsStandBeforeTheirRowAlsoBelowCutoff)
{
    // 0.23 * 870 - 200 = 0.1 bar: the model takes 1 bar and says so
    Add(870, 0.03f, 0.5f); // below the cut-off: no row, but the warning
    Add(870, 0.2f, 0.5f);
    doc.m_fMinTeufe = 800;
    doc.ComputeKontakte();
    const std::string warnung = "  PI > 0.23*TEUFE,d.h.200.0 > 0.23*870.0";
    ASSERT_GE(doc.m_Ergebnisse.size(), 7u);
    EXPECT_EQ(doc.m_Ergebnisse[4], warnung);
    EXPECT_EQ(doc.m_Ergebnisse[5], warnung);
    EXPECT_EQ(doc.m_Ergebnisse[6], doc.m_Kontakte.at(0));
}

TEST_F(ContactRun, HydrocarbonNotLighterThanWaterStopsTheRun)
{
    doc.m_fFluiddichte = doc.m_fWasserdichte;
    Add(2000, 0.2f, 0.5f);
    doc.ComputeKontakte();
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].rfind("ABBRUCH!!", 0), 0u);
    EXPECT_EQ(box.shown[1], "  Abbruch der GWC-Berechnung");
    EXPECT_TRUE(doc.m_Kontakte.empty());
    EXPECT_NE(doc.m_Ergebnisse.back(), kAbgeschlossen);
    EXPECT_EQ(doc.m_bGeaendert, 1);
}

TEST_F(ContactRun, UnreadableMeasurementLinesAreSkipped)
{
    Add(2000, 0.2f, 0.5f);
    doc.m_Messwerte.push_back("  2010.000   0.20000");
    Add(2020, 0.2f, 0.5f);
    doc.m_Messwerte.push_back("kaputt");
    doc.ComputeKontakte();
    EXPECT_EQ(ReportedRowDepths(), (std::vector<float>{2000, 2020}));
    EXPECT_TRUE(InReport("         fuer Teufe:2020.0"));
    EXPECT_EQ(doc.m_Ergebnisse.back(), kAbgeschlossen);

    // Not one readable line: there is nothing to compute.
    doc.m_Ergebnisse.clear();
    doc.m_Kontakte.clear();
    doc.m_Messwerte = {"kaputt", ""};
    doc.m_bGeaendert = 1;
    doc.ComputeKontakte();
    EXPECT_EQ(doc.m_Ergebnisse.back(), "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!");
    EXPECT_EQ(doc.m_bGeaendert, 1);
}

TEST_F(ContactRun, SameBytesUnderGermanLocale)
{
    for (int i = 0; i < 12; ++i)
        Add(1950 + 7.25f * i, 0.05f + 0.02f * i, 0.3f + 0.05f * i);
    doc.ComputeKontakte();
    doc.KontaktStatistik();
    const auto report = doc.m_Ergebnisse;
    const auto rows = doc.m_Kontakte;
    GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "no German locale on this machine";
    doc.m_Ergebnisse.clear();
    doc.m_Kontakte.clear();
    doc.ComputeKontakte();
    doc.KontaktStatistik();
    EXPECT_EQ(doc.m_Ergebnisse, report);
    EXPECT_EQ(doc.m_Kontakte, rows);
}

} // namespace
