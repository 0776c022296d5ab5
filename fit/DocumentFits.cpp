#include "DocumentFits.h"

#include "FitReport.h"
#include "InputChecks.h"
#include "KeldoDoc.h"
#include "SaturationRunMisfit.h"
#include "TextFormat.h"

namespace keldo {

std::string CoreTableSource(const std::string& path) { return "Kerntabelle " + path; }

std::string LasPermeabilitySource(const std::string& lasFile, const std::string& mnemonic)
{
    return "LAS-Datei " + lasFile + ", Kurve " + mnemonic + " (mD)";
}

std::string UnknownPermeabilityUnitMessage(const std::string& unit, const std::string& mnemonic)
{
    return "Die Einheit \"" + unit + "\" der Permeabilitätskurve " + mnemonic
        + " ist unbekannt; die Werte werden als mD genommen.";
}

ContactFitResult FitDocumentContact(
    const CKeldoInputs& inputs, const std::vector<std::string>& lines, std::optional<ContactRange> range)
{
    ContactFitResult refused;
    if (!range)
        range = DefaultContactRange(lines, inputs.m_fMinTeufe, inputs.m_fMaxTeufe);
    if (!range) {
        refused.message = Format("ABBRUCH!!Für die Kontaktanpassung liegt kein Messwert im Teufenbereich %.1f m bis "
                                 "%.1f m vor!",
            inputs.m_fMinTeufe, inputs.m_fMaxTeufe);
        return refused;
    }

    ContactFitResult fit = FitContact(SaturationRunMisfit(inputs, lines), range->from, range->to);
    if (fit.ok && !(fit.contact > 0)) {
        refused.message = Format("ABBRUCH!!Der angepasste %s %.2f m ist nicht größer Null und kann nicht übernommen "
                                 "werden!",
            ContactName(inputs.m_nFluid, false).c_str(), fit.contact);
        return refused;
    }
    return fit;
}

FittedCapillaryModel FittedCapillaryFrom(const CKeldoInputs& in)
{
    return {{in.m_fAlfa0, in.m_fAlfa1, in.m_fAlfa2, in.m_fAlfa3}, {in.m_fBeta0, in.m_fBeta1},
        {in.m_fSwmin0, in.m_fSwmin1}, {in.m_fPcsperr0, in.m_fPcsperr1}, in.m_fPcMax};
}

void FittedValues::WriteInto(CKeldoInputs& inputs) const
{
    if (capillary) {
        const FittedCapillaryModel& c = *capillary;
        inputs.m_fAlfa0 = c.alfa[0];
        inputs.m_fAlfa1 = c.alfa[1];
        inputs.m_fAlfa2 = c.alfa[2];
        inputs.m_fAlfa3 = c.alfa[3];
        inputs.m_fBeta0 = c.beta[0];
        inputs.m_fBeta1 = c.beta[1];
        inputs.m_fSwmin0 = c.swmin[0];
        inputs.m_fSwmin1 = c.swmin[1];
        inputs.m_fPcsperr0 = c.pcsperr[0];
        inputs.m_fPcsperr1 = c.pcsperr[1];
        inputs.m_fPcMax = c.pcMax;
    }
    if (phiK) {
        inputs.m_fPhiK0 = (*phiK)[0];
        inputs.m_fPhiK1 = (*phiK)[1];
        inputs.m_fPhiK2 = (*phiK)[2];
    }
    if (contact)
        inputs.m_fKontakt = *contact;
}

namespace {

// The input checks without their message boxes.
class SilentMessages : public IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

} // namespace

void TakeOverFit(CKeldoDoc& doc, const FittedValues& values)
{
    if (!values.Any())
        return;
    values.WriteInto(doc);
    doc.SetModifiedFlag(true);
    doc.m_bGeaendert = 1;
    CKeldoInputs checked = doc;
    SilentMessages silent;
    if (!doc.m_Messwerte.empty() && CheckInputs(checked, silent) == 0)
        doc.Compute();
    doc.UpdateAllViews();
}

} // namespace keldo
