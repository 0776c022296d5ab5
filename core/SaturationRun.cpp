// Water-saturation run: the saturation the model predicts at every measured
// depth for the assumed contact, beside the saturation from the log.
#include <algorithm>

#include "KeldoDoc.h"
#include "SaturationSearch.h"
#include "TextFormat.h"

void CKeldoDoc::ComputeSw()
{
    AddLine(m_Ergebnisse, "  TEUFE   POROSITAET   WASSERSAETTIGUNG   PERMEABILITAET");
    AddLine(m_Ergebnisse, "             PHI       berechn.   n.Log        K ");
    AddLine(m_Ergebnisse, "   (M)       (-)         (-)       (-)        (mD)");

    const int n = static_cast<int>(m_Messwerte.size());
    if (n == 0) {
        m_strZeile = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
        AddLine(m_Ergebnisse, m_strZeile);
        Message(m_strZeile);
        return;
    }
    if (!PruefeTeufenbereich())
        return;
    if (!PruefeDichtedifferenz()) {
        Message("\tAbbruch der Sw-Berechnung");
        return;
    }

    // Without "Detailausgabe" about 21 rows spread over the list are listed;
    // the graph takes every g-th line, at most 999 points.
    const int r = m_bDetail ? 1 : std::max(n / 21, 1);
    const int g = n / 1000 + 1;

    int i = 0;
    int k = 0;
    bool abgebrochen = false;
    for (; k < 999 && i < n; ++i) {
        float werte[3];
        // The import refuses such lines; one that still lacks a number is skipped.
        if (keldo::ScanFloats(m_Messwerte[static_cast<size_t>(i)], werte, 3) < 3)
            continue;
        const float teufe = werte[0];
        const float phi = werte[1];
        const float swLog = werte[2];
        if (teufe < m_fMinTeufe || teufe > m_fMaxTeufe)
            continue;
        if (keldo::PressureReachesOverburden(teufe, m_fInitialdruck)) {
            m_strZeile = keldo::Format("  PI > 0.23*TEUFE,d.h.%5.1f > 0.23*%5.1f", m_fInitialdruck, teufe);
            Message(m_strZeile);
            abgebrochen = true;
            break;
        }

        const float swBerechnet = SwInTeufe(teufe, phi);
        const float permeabilitaet = PermeabilitaetAusPhi(phi);

        if (i % g == 0) {
            m_X[static_cast<size_t>(k)] = teufe;
            m_Y[static_cast<size_t>(k)] = swLog;
            m_Y1[static_cast<size_t>(k)] = phi;
            m_Y2[static_cast<size_t>(k)] = swBerechnet;
            ++k;
        }

        // "  %5.1f %8.3f %11.3f %9.3f %11.4f", built without printf: this row
        // is made for every measurement.
        m_strZeile.assign(2, ' ');
        keldo::AppendFixed(m_strZeile, teufe, 5, 1);
        m_strZeile += ' ';
        keldo::AppendFixed(m_strZeile, phi, 8, 3);
        m_strZeile += ' ';
        keldo::AppendFixed(m_strZeile, swBerechnet, 11, 3);
        m_strZeile += ' ';
        keldo::AppendFixed(m_strZeile, swLog, 9, 3);
        m_strZeile += ' ';
        keldo::AppendFixed(m_strZeile, permeabilitaet, 11, 4);

        if (i % r == 0 || i == n - 1)
            AddLine(m_Ergebnisse, m_strZeile);
    }

    if (!abgebrochen && i > 0) {
        m_MaxWerte = k;
        m_nYAchsen = 2;
        m_strTitel = "Nachrechnung der Wassersättigung Sw";
        m_strUntertitel1 = m_strBohrung;
        m_strUntertitel2
            = keldo::Format(m_nFluid == 0 ? "Gas-Wasser-Kontakt:%5.1f" : "Öl-Wasser-Kontakt:%5.1f", m_fKontakt);
        SetSaturationGraphTexts();
        m_bGeaendert = 0;
        Notice("Berechnung der Saettigung abgeschlossen");
    } else {
        Message("\tAbbruch der Sw-Berechnung");
    }
}

float CKeldoDoc::SwInTeufe(float teufe, float phi)
{
    // The curve is prepared once; each evaluation keeps the model's own
    // report lines and messages.
    const double k = Keff(teufe, phi);
    const keldo::CapillaryCurve kurve = keldo::CurveFor(Modell(), k);
    return keldo::SaturationAtHeight(teufe, m_fKontakt, kurve.swmin, [&](float sw) { return Hoehe(teufe, kurve, sw); });
}
