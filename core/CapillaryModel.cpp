// The normalized capillary-pressure model as the document's operations: the
// formulas are the plain functions of SaturationModel.h; here the conditions
// they report become report lines and message boxes.
#include "KeldoDoc.h"
#include "TextFormat.h"

keldo::ModelParameters CKeldoDoc::Modell() const
{
    return keldo::ModelParametersWith(*this, m_dFaktorPc, m_fFluiddichte);
}

float CKeldoDoc::PermeabilitaetAusPhi(float phi) { return keldo::PermeabilityFromPorosity(Modell(), phi); }

double CKeldoDoc::Keff(float teufe, float phi)
{
    const keldo::EffectivePermeability keff = keldo::EffectivePermeabilityAt(Modell(), teufe, phi);
    if (keff.stressRaised) {
        m_strZeile = keldo::Format("  PI > 0.23*TEUFE,d.h.%5.1f > 0.23*%5.1f", m_fInitialdruck, teufe);
        AddLine(m_Ergebnisse, m_strZeile);
    }
    return keff.k;
}

float CKeldoDoc::Swmin(double k) { return keldo::MinimumWaterSaturation(Modell(), k); }

double CKeldoDoc::PcSperr(double k) { return keldo::ThresholdPressure(Modell(), k); }

double CKeldoDoc::Alfa(double k) { return keldo::Alfa(Modell(), k); }

double CKeldoDoc::Beta(double k) { return keldo::Beta(Modell(), k); }

bool CKeldoDoc::PruefeDichtedifferenz()
{
    if (keldo::WaterIsDenser(Modell()))
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
    return Hoehe(teufe, keldo::CurveFor(Modell(), k), sw);
}

double CKeldoDoc::Hoehe(float teufe, const keldo::CapillaryCurve& kurve, float sw)
{
    const keldo::Height hoehe = keldo::HeightAboveContact(kurve, sw);
    if (hoehe.belowSwmin) {
        // Below the irreducible saturation: taken as Swmin. The line is
        // prepared always but listed only in the detailed report with warnings.
        // "  In Teufe:%5.1f ist Sw:%6.3f < Swmin:%6.3f bei  Keff:%f", built
        // without printf: this runs for many rows of a contact run.
        m_strZeile.assign("  In Teufe:");
        keldo::AppendFixed(m_strZeile, teufe, 5, 1);
        m_strZeile += " ist Sw:";
        keldo::AppendFixed(m_strZeile, sw, 6, 3);
        m_strZeile += " < Swmin:";
        keldo::AppendFixed(m_strZeile, kurve.swmin, 6, 3);
        m_strZeile += " bei  Keff:";
        keldo::AppendFixed(m_strZeile, kurve.k, 0, 6);
        if (m_bDetail && m_bWarnungen)
            AddLine(m_Ergebnisse, m_strZeile);
    }
    if (hoehe.noPermeability) {
        m_strZeile = keldo::Format("\n\tPermeabilitaet<=0 bei Keff:%5.3f in Teufe:%6.1f\n", kurve.k, teufe);
        Message(m_strZeile);
    }
    // Water must be the denser phase, else there is no height at all; the
    // runs test this before they start, so 0 here only guards other callers.
    if (hoehe.noDensityDifference)
        PruefeDichtedifferenz();
    return hoehe.metres;
}
