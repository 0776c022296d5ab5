// The normalized capillary-pressure model: permeability from porosity, the
// normalization parameters as functions of log10(K), and the height above the
// contact at which a given water saturation is found.
#include <cmath>

#include "KeldoDoc.h"
#include "TextFormat.h"

float CKeldoDoc::PermeabilitaetAusPhi(float phi)
{
    const double l = phi * static_cast<double>(m_fPhiK1) + m_fPhiK0 + phi * static_cast<double>(m_fPhiK2) * phi;
    const float k = static_cast<float>(std::pow(10.0, l));
    // Without a Phi-K relation the porosity itself stands in for K.
    if (m_fPhiK0 == 0 && m_fPhiK1 == 0 && m_fPhiK2 == 0)
        return phi;
    return k;
}

double CKeldoDoc::Keff(float teufe, float phi)
{
    if (m_fPhiK0 == 0 && m_fPhiK1 == 0 && m_fPhiK2 == 0)
        return phi;
    const double k0 = phi > 0 ? PermeabilitaetAusPhi(phi) : 0.0;
    if (!m_bDruckabhaengig)
        return k0;

    // Effective stress in bar: 0.23 bar per metre overburden less the pore pressure.
    double s = 0.23 * teufe - m_fInitialdruck;
    if (s < 1.0) {
        m_strZeile = keldo::Format("  PI > 0.23*TEUFE,d.h.%5.1f > 0.23*%5.1f", m_fInitialdruck, teufe);
        AddLine(m_Ergebnisse, m_strZeile);
        s = 1.0;
    }
    if (k0 > 0) {
        // Tight rock loses more permeability under stress; unchanged at 1 MPa.
        const double n = 0.62 * std::pow(0.05 / k0, 0.3);
        return k0 * std::pow(s / 10, -n);
    }
    return 0;
}

float CKeldoDoc::Swmin(double k)
{
    // No logarithm for K <= 0: a minimum saturation of 1 leaves no usable
    // saturation range, so such a measurement gives no result.
    if (!(k > 0))
        return 1.0f;
    const float v = static_cast<float>(std::pow(10.0, m_fSwmin0 + m_fSwmin1 * std::log10(k)));
    return v > 1 ? 1.0f : v;
}

double CKeldoDoc::PcSperr(double k) { return std::pow(10.0, m_fPcsperr0 + m_fPcsperr1 * std::log10(k)); }

double CKeldoDoc::Alfa(double k)
{
    if (m_fAlfa0 == 0 && m_fAlfa1 == 0 && m_fAlfa2 == 0 && m_fAlfa3 == 0)
        return 1.2 * std::pow(k, 0.28) + 7.2 * std::pow(k, 0.12);
    const double l = std::log10(k);
    const double a = m_fAlfa0 + m_fAlfa1 * l + m_fAlfa2 * std::pow(l, 2) + m_fAlfa3 * std::pow(l, 3);
    return a < 1.5 ? 1.5 : a;
}

double CKeldoDoc::Beta(double k) { return std::pow(10.0, m_fBeta0 + m_fBeta1 * std::log10(k)); }

bool CKeldoDoc::PruefeDichtedifferenz()
{
    if (static_cast<double>(m_fWasserdichte) - m_fFluiddichte > 0)
        return true;
    if (!m_bDichteGemeldet) {
        m_bDichteGemeldet = true;
        m_strZeile = keldo::Format(m_nFluid == 0
                ? "ABBRUCH!!Die Gasdichte (%.1f kg/m3) ist nicht kleiner als die Wasserdichte (%.1f kg/m3)!"
                : "ABBRUCH!!Die Öldichte (%.1f kg/m3) ist nicht kleiner als die Wasserdichte (%.1f kg/m3)!",
            m_fFluiddichte, m_fWasserdichte);
        AddLine(m_Ergebnisse, m_strZeile);
        Message(m_strZeile);
    }
    return false;
}

double CKeldoDoc::HoeheUeberKontakt(float teufe, double k, float sw)
{
    float swmin = 0;
    double swn = 0;
    double pcsperr = 0;
    double pcmax = m_fPcMax;
    double alfa = 0;
    double beta = 0;

    if (k > 0) {
        const std::array<float, 10> koeffizienten{
            m_fSwmin0, m_fSwmin1, m_fPcsperr0, m_fPcsperr1, m_fAlfa0, m_fAlfa1, m_fAlfa2, m_fAlfa3, m_fBeta0, m_fBeta1};
        if (!m_Modell.gueltig || m_Modell.k != k || m_Modell.koeffizienten != koeffizienten)
            m_Modell = {true, k, koeffizienten, Swmin(k), PcSperr(k), Alfa(k), Beta(k)};

        swmin = m_Modell.swmin;
        if (sw < swmin) {
            // Below the irreducible saturation: taken as Swmin. The line is
            // prepared always but listed only in the detailed report with warnings.
            // "  In Teufe:%5.1f ist Sw:%6.3f < Swmin:%6.3f bei  Keff:%f", built
            // without printf: this runs for many rows of a contact run.
            m_strZeile.assign("  In Teufe:");
            keldo::AppendFixed(m_strZeile, teufe, 5, 1);
            m_strZeile += " ist Sw:";
            keldo::AppendFixed(m_strZeile, sw, 6, 3);
            m_strZeile += " < Swmin:";
            keldo::AppendFixed(m_strZeile, swmin, 6, 3);
            m_strZeile += " bei  Keff:";
            keldo::AppendFixed(m_strZeile, k, 0, 6);
            if (m_bDetail && m_bWarnungen)
                AddLine(m_Ergebnisse, m_strZeile);
            swn = 0;
        } else if (swmin < 1) {
            swn = (static_cast<double>(sw) - swmin) / (1.0 - swmin);
        } else {
            swn = 1;
        }
        pcsperr = m_Modell.pcsperr * m_dFaktorPc;
        pcmax = m_fPcMax * m_dFaktorPc;
        alfa = m_Modell.alfa;
        beta = m_Modell.beta;
    } else {
        m_strZeile = keldo::Format("\n\tPermeabilitaet<=0 bei Keff:%5.3f in Teufe:%6.1f\n", k, teufe);
        Message(m_strZeile);
    }

    if (swn < 0)
        swn = 0;
    double pcn = 0;
    if (swn < 1)
        pcn = (std::pow(1 - swn, alfa) + (1 - swn) * beta) / (1 + beta);
    const double pc = (pcmax - pcsperr) * pcn + pcsperr;

    // Water must be the denser phase, else there is no height at all; the
    // runs test this before they start, so 0 here only guards other callers.
    if (!PruefeDichtedifferenz())
        return 0;
    return pc * 100000 / ((static_cast<double>(m_fWasserdichte) - m_fFluiddichte) * 9.81);
}
