// Fluid properties at reservoir conditions and the head of the report.
#include "KeldoDoc.h"
#include "ReservoirFluids.h"
#include "TextFormat.h"

double CKeldoDoc::GrenzflaechenspannungGW()
{
    return keldo::InterfacialTensionGasWater(m_fTemperatur, m_fInitialdruck);
}

double CKeldoDoc::FaktorPc() { return keldo::CapillaryPressureFactor(*this); }

float CKeldoDoc::Gasdichte() { return keldo::GasDensity(m_fDichteKW, m_fTemperatur, m_fInitialdruck); }

void CKeldoDoc::ReportHeader()
{
    const bool gas = m_nFluid == 0;
    const double sigma = GrenzflaechenspannungGW();
    m_dFaktorPc = FaktorPc();
    m_fFluiddichte = gas ? Gasdichte() : m_fDichteKW;
    m_bDichteGemeldet = false;

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
