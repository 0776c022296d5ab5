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

void FittedValues::WriteInto(CKeldoInputs& inputs) const
{
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
