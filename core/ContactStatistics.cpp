#include <algorithm>
#include <cstdint>

#include "KeldoDoc.h"
#include "TextFormat.h"

namespace {

// A contact depth truncated toward zero. Depths beyond any real well (from a
// vanishing density difference) are held at a bound instead of overflowing.
int64_t TruncateDepth(float value)
{
    constexpr double kLimit = 1e15;
    const double v = std::clamp(static_cast<double>(value), -kLimit, kLimit);
    return static_cast<int64_t>(v);
}

constexpr int kKlassen = 31;

} // namespace

void CKeldoDoc::Kontaktklasse::Add(float kontakt)
{
    if (nAnzahl == 0) {
        fMin = kontakt;
        fMax = kontakt;
    } else {
        fMin = std::min(fMin, kontakt);
        fMax = std::max(fMax, kontakt);
    }
    ++nAnzahl;
    fSumme += kontakt;
}

bool CKeldoDoc::LeseKontaktzeile(const std::string& zeile, Kontaktzeile& row)
{
    // The row is read back as printed, so its values are the rounded ones.
    float werte[4];
    if (keldo::ScanFloats(zeile, werte, 4) == 4) {
        row = {werte[0], werte[1], werte[2], werte[3]};
        return true;
    }
    m_strZeile = keldo::Format("ABBRUCH!!Fehler beim Mittelwert für GWC\n%s", zeile.c_str());
    Message(m_strZeile);
    return false;
}

void CKeldoDoc::KontaktStatistik()
{
    m_fKontaktMin = 0;
    m_fKontaktMax = 0;
    m_KontaktKlassen = {};
    m_KontakteKlasse1.clear();
    auto& klassen = m_KontaktKlassen;
    const float c = m_fCutoff;
    const double cutoff2 = c + 0.02;
    const double cutoff3 = c + 0.04;

    for (const std::string& zeile : m_Kontakte) {
        Kontaktzeile row;
        if (!LeseKontaktzeile(zeile, row))
            return;
        const float teufe = row.teufe, phi = row.phi, sw = row.sw, kontakt = row.kontakt;

        const double keff = Keff(teufe, phi);
        const float swmin = Swmin(keff);
        const bool bBrauchbar = swmin < sw && sw < 1.0f;
        if (!bBrauchbar && phi >= c) {
            m_strZeile = keldo::Format("  Ohne Teufe:%g gwc:%g sw:%g swmin:%g phi:%g", static_cast<double>(teufe),
                static_cast<double>(kontakt), static_cast<double>(sw), static_cast<double>(swmin),
                static_cast<double>(phi));
            if (m_bWarnungen == 1)
                AddLine(m_Ergebnisse, m_strZeile);
        }
        if (!bBrauchbar)
            continue;
        if (phi >= c) {
            klassen[0].Add(kontakt);
            m_KontakteKlasse1.push_back(kontakt);
            m_fKontaktMin = klassen[0].fMin;
            m_fKontaktMax = klassen[0].fMax;
        }
        if (phi >= cutoff2)
            klassen[1].Add(kontakt);
        if (phi >= cutoff3)
            klassen[2].Add(kontakt);
    }

    // A class without rows prints its zeroed minimum and maximum (0.0).
    for (int k = 0; k < 3; ++k) {
        const Kontaktklasse& klasse = klassen[k];
        AddLine(m_Ergebnisse, "");
        m_strZeile = keldo::Format("  Bei Porositäten größer als %4.1f Prozent", static_cast<double>(100 * c + 2 * k));
        AddLine(m_Ergebnisse, m_strZeile);
        m_strZeile = keldo::Format("  Minimaler Gas-Wasser-Kontakt: %8.1f", static_cast<double>(klasse.fMin));
        AddLine(m_Ergebnisse, m_strZeile);
        m_strZeile = keldo::Format("  Maximaler Gas-Wasser-Kontakt: %8.1f", static_cast<double>(klasse.fMax));
        AddLine(m_Ergebnisse, m_strZeile);
        if (klasse.nAnzahl > 0) {
            m_strZeile = keldo::Format("  Mittlerer Gas-Wasser-Kontakt mit %d Werten: %8.1f", klasse.nAnzahl,
                static_cast<double>(klasse.Mittel()));
            AddLine(m_Ergebnisse, m_strZeile);
        }
    }

    Haeufigkeit();
}

void CKeldoDoc::Haeufigkeit()
{
    int zaehler[kKlassen] = {};
    const int64_t tmin = TruncateDepth(m_fKontaktMin);
    const int64_t tmax = TruncateDepth(m_fKontaktMax) + 1;
    const int64_t spanne = tmax - tmin;
    // Whole metres per class, wide enough that the span fits in 31 classes.
    const int64_t dT = spanne / 30 + 1;
    const int64_t jmax = spanne / dT + 1;
    const float c = m_fCutoff;

    AddLine(m_Ergebnisse, "");
    m_strZeile
        = keldo::Format("  Anzahl der GWC-Werte für die Häufigkeitsberechnung:%d", static_cast<int>(m_Kontakte.size()));
    AddLine(m_Ergebnisse, m_strZeile);

    for (const std::string& zeile : m_Kontakte) {
        Kontaktzeile row;
        if (!LeseKontaktzeile(zeile, row))
            return;
        const float teufe = row.teufe, phi = row.phi, sw = row.sw, kontakt = row.kontakt;

        // Every test is made, so one row may give several lines.
        bool bAusgeschlossen = false;
        if (kontakt > static_cast<double>(tmax)) {
            m_strZeile = keldo::Format("  FEHLER! In Teufe:%g GWC:%g > maxTeufe:%lld!", static_cast<double>(teufe),
                static_cast<double>(kontakt), static_cast<long long>(tmax));
            if (m_bWarnungen == 1)
                AddLine(m_Ergebnisse, m_strZeile);
            bAusgeschlossen = true;
        }
        if (kontakt < static_cast<double>(tmin)) {
            m_strZeile = keldo::Format("  FEHLER! In Teufe:%g GWC:%g < minTeufe:%lld!", static_cast<double>(teufe),
                static_cast<double>(kontakt), static_cast<long long>(tmin));
            AddLine(m_Ergebnisse, m_strZeile);
            bAusgeschlossen = true;
        }
        if (phi < c) {
            m_strZeile = keldo::Format("  Häufigkeitsberechnunung ohne Teufe: %g Porosität:%g",
                static_cast<double>(teufe), static_cast<double>(phi));
            if (m_bWarnungen == 1)
                AddLine(m_Ergebnisse, m_strZeile);
            bAusgeschlossen = true;
        }
        if (sw < Swmin(Keff(teufe, phi)))
            bAusgeschlossen = true;
        if (bAusgeschlossen)
            continue;

        const double x = (kontakt - static_cast<double>(tmin)) / static_cast<double>(dT);
        const int64_t j = static_cast<int64_t>(x);
        if (j >= kKlassen) {
            m_strZeile = keldo::Format(
                "ABBRUCH bei der Häufigkeitsberechnung!\ndT: %lld GWC: %g Tmin:%lld Wert: %g Element: %lld",
                static_cast<long long>(dT), static_cast<double>(kontakt), static_cast<long long>(tmin), x,
                static_cast<long long>(j));
            Message(m_strZeile);
            return;
        }
        ++zaehler[j];
    }

    AddLine(m_Ergebnisse, "");
    AddLine(m_Ergebnisse, "  GWC-Teufen (m)   Häufigkeit");
    AddLine(m_Ergebnisse, "   von    bis      ");
    AddLine(m_Ergebnisse, "");

    float fGesamt = 0;
    int j = 0;
    for (; j <= jmax && j < kKlassen; ++j) {
        const float unten = static_cast<float>(tmin + j * dT);
        m_X[j] = unten;
        m_Y[j] = static_cast<float>(zaehler[j]);
        fGesamt += m_Y[j];
        m_strZeile = keldo::Format("  %g     %g     %g", static_cast<double>(unten),
            static_cast<double>(unten + static_cast<float>(dT)), static_cast<double>(m_Y[j]));
        AddLine(m_Ergebnisse, m_strZeile);
    }
    m_strZeile = keldo::Format(" Gesamthäufigkeit:  %g", static_cast<double>(fGesamt));
    AddLine(m_Ergebnisse, m_strZeile);
    m_MaxWerte = j;

    const bool bOel = m_nFluid == 1;
    m_strTitel = bOel ? "Häufigkeit der OWC-Teufen" : "Häufigkeit der GWC-Teufen";
    m_strUntertitel1 = m_strBohrung;
    m_strUntertitel2 = keldo::Format("Porositäts-Cutoff: %g Prozent", static_cast<double>(100 * c));
    m_strXAchse = bOel ? "Vertikale Teufe TVD des OWC (m)" : "Vertikale Teufe TVD des GWC (m)";
    m_strYAchse = "Anzahl";
    m_strY1Achse.clear();
}
