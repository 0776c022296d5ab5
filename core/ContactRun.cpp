#include "KeldoDoc.h"
#include "TextFormat.h"

namespace {

// The contact row "  %7.3f %9.5f %13.5f %19.1f" (TVD, porosity, Sw, contact),
// written into `out` without going through printf: this runs once per
// measurement.
void FormatContactRow(std::string& out, float teufe, float phi, float sw, double kontakt)
{
    out.clear();
    out += "  ";
    keldo::AppendFixed(out, teufe, 7, 3);
    out += ' ';
    keldo::AppendFixed(out, phi, 9, 5);
    out += ' ';
    keldo::AppendFixed(out, sw, 13, 5);
    out += ' ';
    keldo::AppendFixed(out, kontakt, 19, 1);
}

} // namespace

bool CKeldoDoc::ComputeKontakte()
{
    AddLine(m_Ergebnisse, "    TEUFE   POROSITAET  WASSERSAETTIGUNG   GAS-WASSER-KONTAKT");
    AddLine(m_Ergebnisse, "               n.Log       nach Log            berechnet");
    AddLine(m_Ergebnisse, "     (M)        (-)           (-)                (M)");
    AddLine(m_Ergebnisse, "");

    if (m_Messwerte.empty()) {
        m_strZeile = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
        AddLine(m_Ergebnisse, m_strZeile);
        Message(m_strZeile);
        return true;
    }
    if (!PruefeTeufenbereich())
        return false;

    // Water that is not denser than the hydrocarbon phase gives no capillary
    // height: every contact would be the measured depth itself.
    if (!PruefeDichtedifferenz()) {
        m_strZeile = "  Abbruch der GWC-Berechnung";
        Message(m_strZeile);
        return true;
    }

    const size_t n = m_Messwerte.size();
    m_Kontakte.reserve(m_Kontakte.size() + n);
    int nBrauchbar = 0;
    bool bGelesen = false; // at least one line gave its three numbers
    bool bDruckErsteZeile = false;
    float teufe = 0, phi = 0, sw = 0;

    for (size_t i = 0; i < n; ++i) {
        float werte[3];
        // The import refuses a line without three numbers; one that still
        // comes in is passed over rather than run with the numbers before it.
        if (keldo::ScanFloats(m_Messwerte[i], werte, 3) < 3)
            continue;
        teufe = werte[0];
        phi = werte[1];
        sw = werte[2];
        const bool bErsteZeile = !bGelesen;
        bGelesen = true;

        // Made for every line before the depth window: a reservoir pressure
        // above the overburden makes the whole run meaningless from here on.
        if (0.23 * teufe < m_fInitialdruck) {
            m_strZeile = keldo::Format("  PI > 0.23*TEUFE,d.h.%5.1f > 0.23*%5.1f", static_cast<double>(m_fInitialdruck),
                static_cast<double>(teufe));
            Message(m_strZeile);
            bDruckErsteZeile = bErsteZeile;
            break;
        }

        if (teufe < m_fMinTeufe || teufe > m_fMaxTeufe)
            continue;

        const double keff = Keff(teufe, phi);
        // One curve per measurement serves its Swmin and its height.
        const keldo::CapillaryCurve kurve = keldo::CurveFor(Modell(), keff);
        const float swmin = kurve.swmin;
        const bool bBrauchbar = swmin < sw && sw < 1.0f;
        // Evaluated for unusable measurements too: the model's own warnings
        // for them belong in the report.
        const double kontakt = teufe + Hoehe(teufe, kurve, sw);
        FormatContactRow(m_strZeile, teufe, phi, sw, kontakt);

        if (phi < m_fCutoff || !bBrauchbar)
            continue;
        AddLine(m_Kontakte, m_strZeile);
        ++nBrauchbar;
        // Without "Detailausgabe" the report gets a sample: the first three
        // usable rows and the row of the last measurement.
        if (nBrauchbar <= 3 || m_bDetail == 1 || i == n - 1)
            AddLine(m_Ergebnisse, m_strZeile);
    }

    if (!bGelesen) {
        // Not one line could be read: there are no measurements to work on.
        m_strZeile = "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!";
        AddLine(m_Ergebnisse, m_strZeile);
        Message(m_strZeile);
        return true;
    }
    if (bDruckErsteZeile) {
        m_strZeile = "  Abbruch der GWC-Berechnung";
        Message(m_strZeile);
        return true;
    }

    SwProfil(teufe, phi, sw);

    m_bGeaendert = 0;
    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "  Berechnung des Gas-Wasser-Kontaktes abgeschlossen");
    return true;
}

void CKeldoDoc::SwProfil(float teufe, float phi, float sw)
{
    const double keff = Keff(teufe, phi);
    float swmin = 1.0f;
    if (keff > 0)
        swmin = Swmin(keff);
    const double kontakt = HoeheUeberKontakt(teufe, keff, sw) + teufe;

    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "         Wassersaettigungsprofil ");
    m_strZeile = keldo::Format("         fuer Teufe:%6.1f", static_cast<double>(teufe));
    AddLine(m_Ergebnisse, m_strZeile);
    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "  Hoehe ueber    Wasser-       Teufe");
    AddLine(m_Ergebnisse, "    GWC (m)    saettigung       (m)");
    AddLine(m_Ergebnisse, "");

    if (!(phi > 0))
        return;
    // From the minimum saturation to full water saturation in tenths of the
    // range; a profile that reaches 1 early stops there.
    for (int k = 0; k <= 10; ++k) {
        const float s = static_cast<float>(swmin + (1.0 - swmin) * k / 10.0);
        const double h = HoeheUeberKontakt(teufe, keff, s);
        m_strZeile = keldo::Format("  %8.1f %12.3f %13.1f", h, static_cast<double>(s), kontakt - h);
        AddLine(m_Ergebnisse, m_strZeile);
        if (s == 1.0f)
            break;
    }
}
