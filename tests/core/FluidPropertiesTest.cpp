#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"

namespace {

struct FluidProperties : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};
};

// Density at normal conditions of the methane-nitrogen mixture for a relative density.
double NormalDensity(double gamma)
{
    double y = gamma < 0.55386 ? 0.0 : std::min(1.0, (28.964 * gamma - 16.042) / 11.974);
    return 10330 * (28.016 * y + (1 - y) * 16.042) / 231504;
}

} // namespace

TEST_F(FluidProperties, InterfacialTensionFollowsBothPolynomials)
{
    doc.m_fTemperatur = 100;
    doc.m_fInitialdruck = 100;
    EXPECT_NEAR(doc.GrenzflaechenspannungGW(), 52.26, 0.005);
    // 150 bar already belongs to the high-pressure fit; the fits do not join.
    doc.m_fInitialdruck = 149.9f;
    EXPECT_NEAR(doc.GrenzflaechenspannungGW(), 49.94, 0.005);
    doc.m_fInitialdruck = 150;
    EXPECT_NEAR(doc.GrenzflaechenspannungGW(), 50.41, 0.005);
}

TEST_F(FluidProperties, CapillaryPressureFactorForGasAndOil)
{
    doc.m_fTemperatur = 100;
    doc.m_fInitialdruck = 100;
    EXPECT_NEAR(doc.FaktorPc(), 0.1421, 0.00005);
    EXPECT_NEAR(doc.FaktorPc(), doc.GrenzflaechenspannungGW() / 367.701, 1e-5);

    doc.m_nFluid = 1;
    doc.m_fKontaktwinkel = 0;
    EXPECT_NEAR(doc.FaktorPc(), 0.0807, 0.00005);
    // The oil branch has a fixed interfacial tension: pressure and temperature do not matter.
    const double oel = doc.FaktorPc();
    doc.m_fInitialdruck = 300;
    doc.m_fTemperatur = 20;
    EXPECT_DOUBLE_EQ(doc.FaktorPc(), oel);
    doc.m_fKontaktwinkel = 60;
    EXPECT_NEAR(doc.FaktorPc(), oel / 2, 1e-6);
    // At 90° the single-precision pi leaves a factor of practically 0.
    doc.m_fKontaktwinkel = 90;
    EXPECT_NE(doc.FaktorPc(), 0.0);
    EXPECT_LT(std::fabs(doc.FaktorPc()), 1e-7);
}

TEST_F(FluidProperties, GasDensityOfTheWorkedExample)
{
    doc.m_fDichteKW = 0.6f;
    doc.m_fTemperatur = 100;
    doc.m_fInitialdruck = 200;
    const float rho = doc.Gasdichte();
    EXPECT_NEAR(rho, 117.3, 0.05);
    EXPECT_NEAR(NormalDensity(0.6), 0.7754, 0.0001);
    const double z = NormalDensity(0.6) * 200 * 273 / (rho * 373 * 1.0134);
    EXPECT_NEAR(z, 0.9547, 0.0001);
}

TEST_F(FluidProperties, GasDensityOfPureMethaneAndPureNitrogen)
{
    doc.m_fTemperatur = 0;
    doc.m_fInitialdruck = 1.0134f;
    doc.m_fDichteKW = 0.5f;
    // One atmosphere at 0 °C: the normal density of methane, z close to 1.
    EXPECT_NEAR(doc.Gasdichte(), 0.7158, 0.003);

    doc.m_fTemperatur = 120;
    doc.m_fInitialdruck = 250;
    const float methan = doc.Gasdichte();
    doc.m_fDichteKW = 0.55385f;
    EXPECT_EQ(doc.Gasdichte(), methan);
    doc.m_fDichteKW = 0.56f;
    EXPECT_GT(doc.Gasdichte(), methan);

    doc.m_fDichteKW = 0.9673f;
    const float stickstoff = doc.Gasdichte();
    doc.m_fDichteKW = 1.2f;
    EXPECT_EQ(doc.Gasdichte(), stickstoff);
    EXPECT_GT(stickstoff, methan);
}

TEST_F(FluidProperties, GasHeaderWithTheDefaultParameters)
{
    SetDefaultGasParameters(doc);
    doc.m_fKontakt = 2000;
    doc.m_Ergebnisse = {"from the last computation"};
    doc.ReportHeader();

    const std::vector<std::string> expected = {
        "",
        "  BERECHNUNG DER WASSERSAETTIGUNG",
        "",
        "  Bohrung:Name der Bohrung",
        "  Max.Kapillardruck Quecksilber Pc (bar):     141.7",
        "  Grenzflaechenspannung Gas/Wasser (mNm):      43.2",
        "  Faktor Kapillardruck Gas-Wasser/Hg (-):    0.1174",
        "  Initialdruck der Lagerstaette    (bar):     200.0",
        "  Rel.Gasdichte(Luft=1)              (-):     0.600",
        "  Lagerstaettentemperatur         (Grad):     138.0",
        "  Gasdichte                      (kg/m3):     103.1",
        "  Wasserdichte                   (kg/m3):    1070.0",
        "  Gas-Wasser-Kontakt                 (m):   2000.00",
        "",
        "",
        "      Parameter fuer die Kapillardruckberechnung",
        "  in Abhängigkeit vom Logarithmus der Permeabilität K",
        "",
        "  alfa=8.29083 +1.24712*log10(K) +0.626995*log10(K)^2 -0.0412589*log10(K)^3",
        "  log10(beta)=-0.853872 -0.5*log10(K)",
        "  log10(SwMin)  =-0.689505 -0.231293*log10(K)",
        "  log10(PcSperr)=0.503791 -0.39*log10(K)",
        "",
        "  PHI/K-Korrelation: log(K) =-2.56554 +22.0004*PHI +0*PHI*PHI  ",
        "  Die Permeabilität wird entsprechend dem Druck reduziert",
        "",
    };
    EXPECT_EQ(doc.m_Ergebnisse, expected);
    EXPECT_EQ(doc.m_strZeile, expected[23]);
    EXPECT_NEAR(doc.m_dFaktorPc, 0.1174, 0.00005);
    EXPECT_NEAR(doc.m_fFluiddichte, 103.1, 0.05);
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(FluidProperties, OilHeaderAndLineCounts)
{
    SetDefaultGasParameters(doc);
    doc.m_bDruckabhaengig = 0;
    doc.ReportHeader();
    EXPECT_EQ(doc.m_Ergebnisse.size(), 25u);

    doc.m_nFluid = 1;
    doc.m_nModus = 1;
    doc.m_fDichteKW = 850;
    doc.m_fKontaktwinkel = 30;
    doc.m_fKontakt = 1234.5f;
    doc.ReportHeader();
    ASSERT_EQ(doc.m_Ergebnisse.size(), 24u);
    EXPECT_EQ(doc.m_Ergebnisse[1], "  BERECHNUNG DES Öl-WASSER-KONTAKTES");
    EXPECT_EQ(doc.m_Ergebnisse[5], "  Faktor Kapillardruck Öl-Wasser/Hg  (-):    0.0699");
    EXPECT_EQ(doc.m_Ergebnisse[7], "  Öldichte                       (kg/m3):     850.0");
    EXPECT_EQ(doc.m_Ergebnisse[9], "  Kontaktwinkel Öl/Wasser        (Grad°):      30.0");
    EXPECT_EQ(doc.m_Ergebnisse[11], "  Öl-Wasser-Kontakt                  (m):   1234.50");
    EXPECT_EQ(doc.m_fFluiddichte, 850.0f);

    doc.m_bDruckabhaengig = 1;
    doc.ReportHeader();
    EXPECT_EQ(doc.m_Ergebnisse.size(), 25u);

    doc.m_nFluid = 0;
    doc.m_fDichteKW = 0.6f;
    doc.ReportHeader();
    EXPECT_EQ(doc.m_Ergebnisse.size(), 26u);
    EXPECT_EQ(doc.m_Ergebnisse[1], "  BERECHNUNG DES GAS-WASSER-KONTAKTES");
}

TEST_F(FluidProperties, CoefficientsPrintedAsEnteredAlsoWhenZero)
{
    doc.m_fInitialdruck = 200;
    doc.m_fTemperatur = 100;
    doc.m_fDichteKW = 0.6f;
    doc.m_fBeta0 = 1.5f;
    doc.ReportHeader();
    EXPECT_EQ(doc.m_Ergebnisse[18], "  alfa=0 +0*log10(K) +0*log10(K)^2 +0*log10(K)^3");
    EXPECT_EQ(doc.m_Ergebnisse[19], "  log10(beta)=1.5 +0*log10(K)");
    EXPECT_EQ(doc.m_Ergebnisse[23], "  PHI/K-Korrelation: log(K) =+0 +0*PHI +0*PHI*PHI  ");
}

TEST_F(FluidProperties, HeaderIsTheSameUnderAGermanLocale)
{
    SetDefaultGasParameters(doc);
    doc.m_fKontakt = 2000;
    doc.ReportHeader();
    const auto inC = doc.m_Ergebnisse;
    GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "no German locale installed";
    doc.ReportHeader();
    EXPECT_EQ(doc.m_Ergebnisse, inC);
}
