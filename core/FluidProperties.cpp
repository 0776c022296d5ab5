// Fluid properties at reservoir conditions and the head of the report.
#include <cmath>

#include "KeldoDoc.h"
#include "TextFormat.h"

namespace {

// cos(140°), the contact angle of mercury on rock, as the constant in radians.
const double kCosQuecksilber = std::cos(2.44346120622423);
// pi as the single-precision constant the contact angle has always been converted with.
constexpr double kPiF = 3.1415929794311523;

} // namespace

double CKeldoDoc::GrenzflaechenspannungGW()
{
    const double T = m_fTemperatur;
    const double P = m_fInitialdruck / 10.0; // MPa

    // Two fitted polynomials that do not join at 150 bar; the jump is kept.
    if (P < 15) {
        return 71.7735 - 0.0741413 * T - 0.0004356 * std::pow(T, 2) - 6.05333e-7 * std::pow(T, 3)
            + 3.2e-9 * std::pow(T, 4) - 8.53333e-13 * std::pow(T, 5) - 0.997587 * P + 0.0309069 * std::pow(P, 2)
            - 0.000648271 * std::pow(P, 3) + 9.54207e-6 * std::pow(P, 4) - 7.36156e-8 * std::pow(P, 5);
    }
    const double t = T / 10;
    const double Q = P / 10;
    return 68.5687 - 0.642642 * t - 0.0131636 * std::pow(t, 2) - 0.000569697 * std::pow(t, 3)
        - 0.000116364 * std::pow(t, 4) + 5.19758e-6 * std::pow(t, 5) - 8.94743 * Q + 2.33062 * std::pow(Q, 2)
        - 0.345256 * std::pow(Q, 3) + 0.0282517 * std::pow(Q, 4) - 0.000991453 * std::pow(Q, 5);
}

double CKeldoDoc::FaktorPc()
{
    // Ratio of (interfacial tension · cos contact angle) reservoir fluid/water
    // to mercury; the mercury surface tension differs between the branches.
    if (m_nFluid == 0) {
        const double sigma = GrenzflaechenspannungGW();
        return -sigma / (kCosQuecksilber * 480.0);
    }
    // Oil/water: fixed interfacial tension of 30 mN/m.
    return std::cos(kPiF * m_fKontaktwinkel / 180) * (-30.0) / (kCosQuecksilber * 485.0);
}

float CKeldoDoc::Gasdichte()
{
    // Methane-nitrogen mixture of the same molar mass as the gas; these
    // quantities have always been computed in single precision.
    const float gamma = m_fDichteKW;
    float y = gamma < 0.55386f ? 0.0f : (28.964f * gamma - 16.042f) / 11.974f;
    if (y > 1.0f)
        y = 1.0f;
    const float ppc = 492.0f * y + (1.0f - y) * 673.1f; // psia
    const float tpc = 227.2f * y + (1.0f - y) * 343.5f; // °R
    const float molmasse = 28.016f * y + (1.0f - y) * 16.042f;
    const float rhoNormal = 10330.0f * molmasse / 231504.0f;

    const double p = m_fInitialdruck;
    const double T = m_fTemperatur;
    const double ppr = p * static_cast<double>(14.503f) / ppc;
    const double tpr = (T * 9 / 5 + 492) / tpc;
    const double t = 1 / tpr;

    // Hall-Yarborough
    const double A = 0.06125 * t * std::exp(-1.2 * std::pow(1 - t, 2));
    const double B = (14.76 - 9.76 * t + 4.58 * t * t) * t;
    const double C = (90.7 - 242.0 * t + 42.4 * t * t) * t;
    const double D = 2.18 + 2.82 * t;
    const double toleranz = static_cast<double>(0.0001f);

    double yr = 0.001;
    for (int schritt = 0; schritt < 30; ++schritt) {
        if (yr > 1)
            yr = 0.6;
        const double F = (yr + yr * yr + std::pow(yr, 3) - std::pow(yr, 4)) / std::pow(1 - yr, 3) - A * ppr
            - B * yr * yr + C * std::pow(yr, D);
        if (std::fabs(1000 * F) < toleranz)
            break;
        const double dF = (1 + 4 * yr + 4 * yr * yr - 4 * std::pow(yr, 3) + std::pow(yr, 4)) / std::pow(1 - yr, 4)
            - 2 * B * yr + C * D * std::pow(yr, D - 1);
        yr -= F / dF;
    }
    // Without convergence after 30 steps the last iterate stands; inside the
    // dialog's ranges the iteration converges within a few steps.
    const float z = static_cast<float>(A * ppr / yr);

    const float pf = m_fInitialdruck;
    const float Tf = m_fTemperatur;
    return rhoNormal * pf * 273.0f / (z * (Tf + 273.0f) * 1.0134f);
}

void CKeldoDoc::ReportHeader()
{
    const bool gas = m_nFluid == 0;
    const double sigma = GrenzflaechenspannungGW();
    m_dFaktorPc = FaktorPc();
    m_fFluiddichte = gas ? Gasdichte() : m_fDichteKW;
    m_bDichteGemeldet = false;
    m_Modell.gueltig = false;

    auto zeile = [this](std::string text) {
        m_strZeile = std::move(text);
        AddLine(m_Ergebnisse, m_strZeile);
    };

    m_Ergebnisse.clear();
    AddLine(m_Ergebnisse, "");
    if (m_nModus == 0)
        AddLine(m_Ergebnisse, "  BERECHNUNG DER WASSERSAETTIGUNG");
    else if (gas)
        AddLine(m_Ergebnisse, "  BERECHNUNG DES GAS-WASSER-KONTAKTES");
    else
        AddLine(m_Ergebnisse, "  BERECHNUNG DES Öl-WASSER-KONTAKTES");
    AddLine(m_Ergebnisse, "");
    zeile(keldo::Format("  Bohrung:%s", m_strBohrung.c_str()));
    zeile(keldo::Format("  Max.Kapillardruck Quecksilber Pc (bar):%10.1f", m_fPcMax));
    if (gas)
        zeile(keldo::Format("  Grenzflaechenspannung Gas/Wasser (mNm):%10.1f", sigma));
    zeile(keldo::Format(
        gas ? "  Faktor Kapillardruck Gas-Wasser/Hg (-):%10.4f" : "  Faktor Kapillardruck Öl-Wasser/Hg  (-):%10.4f",
        m_dFaktorPc));
    zeile(keldo::Format("  Initialdruck der Lagerstaette    (bar):%10.1f", m_fInitialdruck));
    if (gas)
        zeile(keldo::Format("  Rel.Gasdichte(Luft=1)              (-):%10.3f", m_fDichteKW));
    else
        zeile(keldo::Format("  Öldichte                       (kg/m3):%10.1f", m_fDichteKW));
    zeile(keldo::Format("  Lagerstaettentemperatur         (Grad):%10.1f", m_fTemperatur));
    if (gas)
        zeile(keldo::Format("  Gasdichte                      (kg/m3):%10.1f", m_fFluiddichte));
    else
        zeile(keldo::Format("  Kontaktwinkel Öl/Wasser        (Grad°):%10.1f", m_fKontaktwinkel));
    zeile(keldo::Format("  Wasserdichte                   (kg/m3):%10.1f", m_fWasserdichte));
    zeile(keldo::Format(
        gas ? "  Gas-Wasser-Kontakt                 (m):%10.2f" : "  Öl-Wasser-Kontakt                  (m):%10.2f",
        m_fKontakt));
    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "      Parameter fuer die Kapillardruckberechnung");
    AddLine(m_Ergebnisse, "  in Abhängigkeit vom Logarithmus der Permeabilität K");
    AddLine(m_Ergebnisse, "");
    zeile(
        keldo::Format("  alfa=%g %+g*log10(K) %+g*log10(K)^2 %+g*log10(K)^3", m_fAlfa0, m_fAlfa1, m_fAlfa2, m_fAlfa3));
    zeile(keldo::Format("  log10(beta)=%g %+g*log10(K)", m_fBeta0, m_fBeta1));
    zeile(keldo::Format("  log10(SwMin)  =%g %+g*log10(K)", m_fSwmin0, m_fSwmin1));
    zeile(keldo::Format("  log10(PcSperr)=%g %+g*log10(K)", m_fPcsperr0, m_fPcsperr1));
    AddLine(m_Ergebnisse, "");
    zeile(keldo::Format("  PHI/K-Korrelation: log(K) =%+g %+g*PHI %+g*PHI*PHI  ", m_fPhiK0, m_fPhiK1, m_fPhiK2));
    if (m_bDruckabhaengig == 1)
        AddLine(m_Ergebnisse, "  Die Permeabilität wird entsprechend dem Druck reduziert");
    AddLine(m_Ergebnisse, "");
}
