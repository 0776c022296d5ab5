#include <gtest/gtest.h>

#include <cmath>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"

namespace {

// The worked example: default parameters, 138 °C, PI 200 bar, header written.
struct CapillaryModel : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    void SetUp() override
    {
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 2000;
        doc.ReportHeader();
    }

    // Height of a capillary pressure (bar, reservoir system) above the contact.
    double Height(double pc) const
    {
        return pc * 100000 / ((static_cast<double>(doc.m_fWasserdichte) - doc.m_fFluiddichte) * 9.81);
    }
};

} // namespace

TEST_F(CapillaryModel, WorkedExampleAt1950m)
{
    EXPECT_NEAR(doc.GrenzflaechenspannungGW(), 43.16, 0.005);
    EXPECT_NEAR(doc.m_dFaktorPc, 0.1174, 0.00005);
    EXPECT_NEAR(doc.m_fFluiddichte, 103.1, 0.05);

    EXPECT_NEAR(doc.PermeabilitaetAusPhi(0.2f), 68.32, 0.005);
    const double k = doc.Keff(1950, 0.2f);
    EXPECT_NEAR(k, 54.37, 0.005);
    EXPECT_NEAR(doc.Swmin(k), 0.0811, 0.00005);
    EXPECT_NEAR(doc.PcSperr(k), 0.671, 0.0005);
    EXPECT_NEAR(doc.Alfa(k), 12.13, 0.005);
    EXPECT_NEAR(doc.Beta(k), 0.0190, 0.00005);

    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, 1.0f), 0.83, 0.005);
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, doc.Swmin(k)), 175.4, 0.05);
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, 0.5f), 2.71, 0.005);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(CapillaryModel, EndsOfTheCurve)
{
    const double k = doc.Keff(1950, 0.2f);
    const double schwelle = Height(doc.PcSperr(k) * doc.m_dFaktorPc);
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, 1.0f), schwelle, 1e-9);
    EXPECT_DOUBLE_EQ(doc.HoeheUeberKontakt(1950, k, 1.3f), doc.HoeheUeberKontakt(1950, k, 1.0f));
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, doc.Swmin(k)), Height(doc.m_fPcMax * doc.m_dFaktorPc), 1e-9);
    // The height falls steadily from Swmin to 1.
    double vorher = 1e9;
    for (float sw = 0.1f; sw <= 1.0f; sw += 0.1f) {
        const double h = doc.HoeheUeberKontakt(1950, k, sw);
        EXPECT_LT(h, vorher) << sw;
        vorher = h;
    }
}

TEST_F(CapillaryModel, SaturationBelowSwminCountsAsSwmin)
{
    const double k = doc.Keff(1950, 0.2f);
    const size_t zeilen = doc.m_Ergebnisse.size();
    const double amMinimum = doc.HoeheUeberKontakt(1950, k, doc.Swmin(k));
    EXPECT_DOUBLE_EQ(doc.HoeheUeberKontakt(1950, k, 0.05f), amMinimum);
    // Prepared in any case, listed only in the detailed report with warnings.
    EXPECT_EQ(doc.m_strZeile, "  In Teufe:1950.0 ist Sw: 0.050 < Swmin: 0.081 bei  Keff:54.370886");
    EXPECT_EQ(doc.m_Ergebnisse.size(), zeilen);
    doc.m_bDetail = 1;
    doc.HoeheUeberKontakt(1950, k, 0.05f);
    EXPECT_EQ(doc.m_Ergebnisse.size(), zeilen);
    doc.m_bWarnungen = 1;
    doc.HoeheUeberKontakt(1950, k, 0.05f);
    ASSERT_EQ(doc.m_Ergebnisse.size(), zeilen + 1);
    EXPECT_EQ(doc.m_Ergebnisse.back(), doc.m_strZeile);
}

TEST_F(CapillaryModel, NoPermeabilityGivesTheMessageAndTheUnconvertedMaximum)
{
    const double h = doc.HoeheUeberKontakt(1950, 0.0, 0.5f);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0], "\n\tPermeabilitaet<=0 bei Keff:0.000 in Teufe:1950.0\n");
    EXPECT_NEAR(h, Height(doc.m_fPcMax), 1e-9);
    doc.HoeheUeberKontakt(1800, -1.0, 1.0f);
    EXPECT_EQ(box.shown.size(), 2u);
}

TEST_F(CapillaryModel, SwminOfOneFollowsTheStepsNotTheSummary)
{
    // log10(Swmin) = 0.5 - 0.2*log10(K) is above 0 for K = 54: Swmin is capped at 1.
    doc.m_fSwmin0 = 0.5f;
    doc.m_fSwmin1 = -0.2f;
    const double k = doc.Keff(1950, 0.2f);
    ASSERT_EQ(doc.Swmin(k), 1.0f);
    const double schwelle = Height(doc.PcSperr(k) * doc.m_dFaktorPc);
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, 1.0f), schwelle, 1e-9);
    // Any Sw below 1 lies below Swmin and is taken as Swmin: the maximum height.
    EXPECT_NEAR(doc.HoeheUeberKontakt(1950, k, 0.6f), Height(doc.m_fPcMax * doc.m_dFaktorPc), 1e-9);
}

TEST_F(CapillaryModel, ParametersFollowChangedCoefficients)
{
    const double k = doc.Keff(1950, 0.2f);
    const double vorher = doc.HoeheUeberKontakt(1950, k, 0.5f);
    doc.m_fAlfa0 = 6.0f;
    doc.m_fPcsperr0 = 0.3f;
    const double nachher = doc.HoeheUeberKontakt(1950, k, 0.5f);
    EXPECT_NE(nachher, vorher);

    RecordingMessageBox frischeBox;
    CKeldoDoc frisch(frischeBox);
    SetDefaultGasParameters(frisch);
    frisch.m_fAlfa0 = 6.0f;
    frisch.m_fPcsperr0 = 0.3f;
    frisch.ReportHeader();
    EXPECT_DOUBLE_EQ(frisch.HoeheUeberKontakt(1950, k, 0.5f), nachher);
}

TEST_F(CapillaryModel, PermeabilityWithoutPhiKRelationIsPhi)
{
    doc.m_fPhiK0 = doc.m_fPhiK1 = doc.m_fPhiK2 = 0;
    const size_t zeilen = doc.m_Ergebnisse.size();
    EXPECT_EQ(doc.PermeabilitaetAusPhi(0.2f), 0.2f);
    // No pressure reduction either, not even at low effective stress.
    EXPECT_EQ(doc.Keff(1950, 0.2f), static_cast<double>(0.2f));
    EXPECT_EQ(doc.Keff(100, 0.2f), static_cast<double>(0.2f));
    EXPECT_EQ(doc.m_Ergebnisse.size(), zeilen);
}

TEST_F(CapillaryModel, PressureReduction)
{
    const double k0 = doc.PermeabilitaetAusPhi(0.2f);
    // 0.23*1000 - 220 = 10 bar = 1 MPa: no change.
    doc.m_fInitialdruck = 220;
    EXPECT_DOUBLE_EQ(doc.Keff(1000, 0.2f), k0);
    // Deeper means more stress and less permeability, more so for tight rock.
    EXPECT_LT(doc.Keff(2000, 0.2f), doc.Keff(1500, 0.2f));
    EXPECT_LT(doc.Keff(2000, 0.1f) / doc.PermeabilitaetAusPhi(0.1f), doc.Keff(2000, 0.2f) / k0);
    EXPECT_EQ(doc.Keff(2000, 0.0f), 0.0);
    EXPECT_EQ(doc.Keff(2000, -0.1f), 0.0);

    doc.m_bDruckabhaengig = 0;
    EXPECT_EQ(doc.Keff(2000, 0.2f), static_cast<double>(k0));
}

TEST_F(CapillaryModel, LowEffectiveStressIsTakenAsOneBarAndReported)
{
    const double k0 = doc.PermeabilitaetAusPhi(0.2f);
    const size_t zeilen = doc.m_Ergebnisse.size();
    // 0.23*870 - 200 = 0.1 bar.
    const double k = doc.Keff(870, 0.2f);
    const double n = 0.62 * std::pow(0.05 / k0, 0.3);
    EXPECT_NEAR(k, k0 * std::pow(0.1, -n), 1e-9);
    ASSERT_EQ(doc.m_Ergebnisse.size(), zeilen + 1);
    EXPECT_EQ(doc.m_Ergebnisse.back(), "  PI > 0.23*TEUFE,d.h.200.0 > 0.23*870.0");
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(CapillaryModel, SwminIsCappedAndNeedsPositivePermeability)
{
    EXPECT_NEAR(doc.Swmin(1.0), std::pow(10.0, -0.689505), 1e-6);
    EXPECT_EQ(doc.Swmin(1e-6), 1.0f);
    EXPECT_EQ(doc.Swmin(0.0), 1.0f);
    EXPECT_EQ(doc.Swmin(-5.0), 1.0f);
}

TEST_F(CapillaryModel, AlfaBoundAndDefaultFunction)
{
    // Far beyond the calibrated range the cubic term drives it under 1.5.
    EXPECT_EQ(doc.Alfa(1e20), 1.5);
    EXPECT_GT(doc.Alfa(1.0), 1.5);

    doc.m_fAlfa0 = doc.m_fAlfa1 = doc.m_fAlfa2 = doc.m_fAlfa3 = 0;
    EXPECT_DOUBLE_EQ(doc.Alfa(1.0), 8.4);
    EXPECT_DOUBLE_EQ(doc.Alfa(100.0), 1.2 * std::pow(100.0, 0.28) + 7.2 * std::pow(100.0, 0.12));
    // The default function is never raised to 1.5.
    EXPECT_LT(doc.Alfa(1e-6), 1.5);
}

TEST(CapillaryModelDensity, WaterNotDenserThanOilIsReportedOncePerComputation)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    SetDefaultGasParameters(doc);
    doc.m_nFluid = 1;
    doc.m_fDichteKW = 1100;
    doc.m_fWasserdichte = 1000;
    doc.ReportHeader();
    const size_t zeilen = doc.m_Ergebnisse.size();
    const double k = doc.Keff(1950, 0.2f);
    EXPECT_EQ(doc.HoeheUeberKontakt(1950, k, 0.5f), 0.0);
    EXPECT_EQ(doc.HoeheUeberKontakt(1950, k, 0.7f), 0.0);
    const std::string text
        = "ABBRUCH!!Die Öldichte (1100.0 kg/m3) ist nicht kleiner als die Wasserdichte (1000.0 kg/m3)!";
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0], text);
    ASSERT_EQ(doc.m_Ergebnisse.size(), zeilen + 1);
    EXPECT_EQ(doc.m_Ergebnisse.back(), text);

    // Equal densities are refused as well; a new computation reports again.
    doc.m_fDichteKW = 1000;
    doc.ReportHeader();
    EXPECT_FALSE(doc.PruefeDichtedifferenz());
    EXPECT_FALSE(doc.PruefeDichtedifferenz());
    EXPECT_EQ(box.shown.size(), 2u);

    doc.m_fDichteKW = 999;
    doc.ReportHeader();
    EXPECT_TRUE(doc.PruefeDichtedifferenz());
    EXPECT_GT(doc.HoeheUeberKontakt(1950, k, 0.5f), 0.0);
    EXPECT_EQ(box.shown.size(), 2u);
}
