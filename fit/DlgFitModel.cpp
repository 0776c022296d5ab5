#include "DlgFitModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ChartView.h"
#include "CoreTable.h"
#include "DecimalNumber.h"
#include "DlgFitModelPressure.h"
#include "DlgLasImport.h"
#include "FileDialogFolder.h"
#include "FitGraphs.h"
#include "FitReport.h"
#include "InputChecks.h"
#include "LasMeasurements.h"
#include "OpenFileDialog.h"
#include "ReportText.h"
#include "TextFormat.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The input checks without their message boxes: a contact fit on inputs the
// input dialog would refuse says why in one message, without the warnings.
class SilentChecks : public keldo::IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

QStringList CoreTableFilters()
{
    return {QStringLiteral("Kerntabellen (*.txt *.TXT *.csv *.CSV *.dat *.DAT)"), QStringLiteral("Alle Dateien (*)")};
}

QStringList LasFileFilters()
{
    return {QStringLiteral("LAS-Dateien (*.las *.LAS)"), QStringLiteral("Alle Dateien (*)")};
}

} // namespace

DlgFitModel::DlgFitModel(
    const CKeldoInputs& inputs, const std::vector<std::string>& lines, keldo::IMessageBox& messages, QWidget* parent)
    : QDialog(parent), m_inputs(inputs), m_lines(lines), m_messages(messages)
{
    m_chooseLas = [](QWidget* owner) {
        return keldo::ChooseFileToOpen(owner, QStringLiteral("LAS-Datei mit Permeabilitätskurve öffnen"),
            LasFileFilters(), keldo::StartFolder(keldo::DocumentPathOf(owner)));
    };
    m_chooseCore = [](QWidget* owner) {
        return keldo::ChooseFileToOpen(owner, QStringLiteral("Kerntabelle öffnen"), CoreTableFilters(),
            keldo::StartFolder(keldo::DocumentPathOf(owner)));
    };
    m_runLasImport = [](DlgLasImport& las) { return las.exec() == QDialog::Accepted; };
    CreateControls();
}

DlgFitModel::~DlgFitModel() = default;

bool DlgFitModel::ReadLasPairs(const std::string& lasFile)
{
    DlgLasImport las(m_messages, this, true);
    if (!las.Open(lasFile) || !m_runLasImport(las))
        return false;
    const keldo::LasImportSession& session = las.Session();
    const auto curve = session.Curve(keldo::CurveRole::Permeability);
    if (!curve) {
        m_messages.Show("Für die Phi-K-Anpassung wurde keine Permeabilitätskurve gewählt.");
        return false;
    }
    // The pairs of keldo-batch: the kept rows with their lines' depth and
    // porosity, the permeability at each row.
    keldo::LasPermeability pairs
        = keldo::PermeabilityAtRows(session.Log(), *curve, las.AcceptedRows(), lasFile, m_messages);
    m_samples = std::move(pairs.samples);
    m_source = std::move(pairs.source);
    ShowPhiKSource();
    return true;
}

bool DlgFitModel::ReadCorePairs(const std::string& coreFile)
{
    std::vector<keldo::PhiKSample> samples;
    keldo::CoreTableError error;
    if (!keldo::ReadCoreTable(coreFile, samples, error)) {
        m_messages.Show(error.Message());
        return false;
    }
    m_samples = std::move(samples);
    m_source = keldo::CoreTableSource(coreFile);
    ShowPhiKSource();
    return true;
}

void DlgFitModel::ShowPhiKSource()
{
    m_sourceText->setText(Utf8(m_source + keldo::Format(", %zu Wertepaare", m_samples.size())));
    m_sourceText->setToolTip(Utf8(m_source));
    m_fitPhiK->setFocus();
}

void DlgFitModel::OnFitPhiK()
{
    if (m_source.empty()) {
        m_messages.Show("Für die Phi-K-Anpassung fehlen die Daten: bitte eine LAS-Datei mit Permeabilitätskurve "
                        "oder eine Kerntabelle wählen.");
        return;
    }
    const keldo::PhiKSelection selection
        = keldo::SelectPhiKPairs(m_samples, m_inputs.m_fMinTeufe, m_inputs.m_fMaxTeufe);
    keldo::PhiKFitResult fit = keldo::FitPhiK(selection, m_order1->isChecked() ? 1 : 2);
    if (!fit.ok) {
        m_messages.Show(fit.message);
        return;
    }
    m_phiKNumbers->setPlainText(ReportText(keldo::PhiKFitReport(selection, fit, m_source)));
    m_phiKChart->SetPage(keldo::PhiKCrossPlot(selection, fit, m_inputs.m_strBohrung));
    m_fitted.phiK = fit.documentCoefficients;
    m_phiK = std::move(fit);
    ForgetContact(QStringLiteral("Die Phi-K-Relation ist neu angepasst: bitte den Kontakt neu anpassen.\n"));
    ShowContactBasis();
    UpdateTakeOver();
}

void DlgFitModel::ForgetContact(const QString& why)
{
    if (!m_contact)
        return;
    m_contact.reset();
    m_fitted.contact.reset();
    m_contactNumbers->setPlainText(why);
    m_contactChart->SetPage({});
}

CKeldoInputs DlgFitModel::ContactFitInputs() const
{
    CKeldoInputs inputs = m_inputs;
    keldo::FittedValues model;
    model.phiK = m_fitted.phiK;
    model.capillary = m_fitted.capillary;
    model.WriteInto(inputs);
    return inputs;
}

bool DlgFitModel::ReadRange(std::optional<keldo::ContactRange>& chosen)
{
    // Both fields empty: the default range, which a window without a
    // measurement does not have.
    if (m_rangeFrom->text().trimmed().isEmpty() && m_rangeTo->text().trimmed().isEmpty()) {
        chosen.reset();
        return true;
    }
    keldo::ContactRange range;
    const struct {
        CDecimalEdit* field;
        const keldo::ShownNumber& shown;
        float& value;
        const char* name;
    } ends[] = {
        {m_rangeFrom, m_shownFrom, range.from, "Kontaktbereich von (m)"},
        {m_rangeTo, m_shownTo, range.to, "Kontaktbereich bis (m)"},
    };
    for (const auto& end : ends) {
        // A decimal comma is taken as the point; what is no number stays as
        // typed, marked.
        const std::string text = keldo::WithDecimalPoint(end.field->text().trimmed().toStdString());
        if (!keldo::ReadBackNumber(text, end.shown, end.value)) {
            end.field->SetMarked(true);
            m_messages.Show(keldo::NotANumberMessage(end.name));
            end.field->setFocus();
            end.field->selectAll();
            return false;
        }
    }
    chosen = range;
    return true;
}

void DlgFitModel::OnFitContact()
{
    if (m_inputs.m_nModus != 0) {
        m_messages.Show("Die Kontaktanpassung gilt nur für die Wassersättigung: unter „Daten ändern“ ist die "
                        "Kontaktberechnung gewählt, die keinen Kontakt annimmt.");
        return;
    }
    std::optional<keldo::ContactRange> range;
    if (!ReadRange(range))
        return;
    CKeldoInputs inputs = ContactFitInputs();
    {
        CKeldoInputs checked = inputs;
        SilentChecks silent;
        if (const keldo::InputRefusal refusal = keldo::CheckInputFields(checked, silent); refusal.Refused()) {
            m_messages.Show(keldo::RefusalMessage(refusal) + "\nBitte die Eingaben unter „Daten ändern“ berichtigen.");
            return;
        }
    }
    keldo::ContactFitResult fit = keldo::FitDocumentContact(inputs, m_lines, range);
    if (!fit.ok) {
        m_messages.Show(fit.message);
        return;
    }
    m_contactNumbers->setPlainText(ReportText(keldo::ContactFitReport(fit, inputs.m_nFluid)));
    m_contactChart->SetPage(keldo::ContactMisfitGraph(fit, inputs.m_nFluid, inputs.m_strBohrung, m_depthsBelowSeaLevel));
    m_fitted.contact = fit.contact;
    m_contact = std::move(fit);
    UpdateTakeOver();
}

void DlgFitModel::ShowContactBasis()
{
    const bool fitted = m_fitted.phiK.has_value();
    const CKeldoInputs inputs = ContactFitInputs();
    std::string text = keldo::Format("Teufenbereich %.1f m bis %.1f m, Porositäts-Cutoff %g, wie unter „Daten "
                                     "ändern“ eingegeben.\n",
        inputs.m_fMinTeufe, inputs.m_fMaxTeufe, static_cast<double>(inputs.m_fCutoff));
    text += "Phi-K-Relation " + std::string(fitted ? "(angepasst)" : "(des Dokuments)") + ": "
        + keldo::PhiKFormula({inputs.m_fPhiK0, inputs.m_fPhiK1, inputs.m_fPhiK2});
    m_contactBasis->setText(Utf8(text));
}

void DlgFitModel::UpdateTakeOver() { m_takeOver->setEnabled(m_fitted.Any() || m_pressure->Contact()); }

// The free-water level of the tab "Druck" becomes the contact when that tab
// is shown, or when no contact was fitted from the logs (as keldo-batch
// --fit-pressure, where --fit-contact wins).
void DlgFitModel::OnTakeOver()
{
    if (m_pressure->Contact() && (m_tabs->currentWidget() == m_pressure || !m_fitted.contact))
        m_fitted.contact = m_pressure->Contact();
    if (m_fitted.Any())
        accept();
}
