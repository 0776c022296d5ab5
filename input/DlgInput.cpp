#include "DlgInput.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

#include "AsciiText.h"
#include "DlgLasImport.h"
#include "FileDialogFolder.h"
#include "InputChecks.h"
#include "LasFileKind.h"
#include "MeasurementImport.h"
#include "MeasurementListModel.h"
#include "OpenFileDialog.h"
#include "TextFormat.h"

namespace {

std::string ChooseWithFileDialog(QWidget* parent)
{
    return keldo::ChooseFileToOpen(parent, QStringLiteral("Öffnen"), keldo::MeasurementFileFilters(),
        keldo::StartFolder(keldo::DocumentPathOf(parent)));
}

void SetRadioGroup(QButtonGroup* group, int value)
{
    // An exclusive group cannot uncheck its last button; -1 means none.
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(group->id(b) == value);
    group->setExclusive(true);
}

// Shows the lines read so far in the list box whenever the import stops
// with a message, as the list box showed them while the lines came in.
class ListRefreshingMessages : public keldo::IMessageBox {
public:
    ListRefreshingMessages(keldo::IMessageBox& inner, MeasurementListModel& model) : m_inner(inner), m_model(model) {}
    void Show(const std::string& text) override
    {
        m_model.Refresh();
        m_inner.Show(text);
    }
    bool AskYesNo(const std::string& text) override
    {
        m_model.Refresh();
        return m_inner.AskYesNo(text);
    }

private:
    keldo::IMessageBox& m_inner;
    MeasurementListModel& m_model;
};

} // namespace

using keldo::ControlId;

DlgInput::DlgInput(keldo::IMessageBox& messages, QWidget* pParent)
    : QDialog(pParent), m_messages(messages), m_chooseFile(ChooseWithFileDialog)
{
    // Until the document fills them in: nothing entered, no radio button
    // chosen, no box checked.
    static_cast<CKeldoInputs&>(*this) = CKeldoInputs{};
    m_strBohrung.clear();
    m_fCutoff = 0;
    m_nModus = -1;
    m_nFluid = -1;
    m_bDruckabhaengig = 0;
    CreateControls();
}

DlgInput::~DlgInput() = default;

void DlgInput::SetValues(const CDlgInputValues& values)
{
    static_cast<CKeldoInputs&>(*this) = values;
    m_Messwerte = values.m_Messwerte;
    m_depthsBelowSeaLevel = values.m_depthsBelowSeaLevel;
    m_shaleVolumes = values.m_shaleVolumes;
    m_bWarnungen = values.m_bWarnungen;
    RefreshList();
}

void DlgInput::GetValues(CDlgInputValues& values) const
{
    static_cast<CKeldoInputs&>(values) = *this;
    values.m_Messwerte = m_Messwerte;
    values.m_depthsBelowSeaLevel = m_depthsBelowSeaLevel;
    values.m_shaleVolumes = m_shaleVolumes;
    values.m_bWarnungen = m_bWarnungen;
}

int DlgInput::DoModal()
{
    OnInitDialog();
    return exec();
}

QWidget* DlgInput::GetDlgItem(ControlId id) const
{
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

template <class T> T* DlgInput::Control(ControlId id) const { return static_cast<T*>(GetDlgItem(id)); }

void DlgInput::RefreshList()
{
    if (m_listModel)
        m_listModel->Refresh();
}

bool DlgInput::OnInitDialog()
{
    UpdateData(false);
    RefreshList();
    // A window of 0 to 0 means "all": take it from the first and last line.
    if (!m_Messwerte.empty() && m_fMaxTeufe == 0.0f && m_fMinTeufe == 0.0f)
        keldo::DepthWindowFromLines(m_Messwerte, m_fMinTeufe, m_fMaxTeufe);
    SetFluidLabels(false);
    UpdateData(false);
    return true;
}

bool DlgInput::UpdateData(bool bSaveAndValidate)
{
    int fieldCount = 0;
    const keldo::NumberField* fields = keldo::NumberFields(fieldCount);
    CKeldoInputs& inputs = *this;

    if (!bSaveAndValidate) {
        m_shownNumbers.resize(static_cast<size_t>(fieldCount));
        for (int i = 0; i < fieldCount; ++i) {
            keldo::ShownNumber& shown = m_shownNumbers[static_cast<size_t>(i)];
            shown = keldo::ShowNumber(inputs.*fields[i].member);
            Control<QLineEdit>(fields[i].id)->setText(QString::fromStdString(shown.text));
        }
        Control<QLineEdit>(ControlId::WellName)->setText(QString::fromStdString(m_strBohrung));
        Control<QLabel>(ControlId::LineCountText)->setText(QString::fromStdString(m_strAnzahl));
        SetRadioGroup(m_modusGroup, m_nModus);
        Control<QAbstractButton>(ControlId::DetailCheck)->setChecked(m_bDetail != 0);
        Control<QAbstractButton>(ControlId::WarningsCheck)->setChecked(m_bWarnungen != 0);
        SetRadioGroup(m_fluidGroup, m_nFluid);
        Control<QLabel>(ControlId::ContactLabel)->setText(QString::fromStdString(m_strKontaktText));
        Control<QLabel>(ControlId::DensityLabel)->setText(QString::fromStdString(m_strDichteText));
        Control<QLabel>(ControlId::ContactModeLabel)->setText(QString::fromStdString(m_strKontaktModus));
        Control<QAbstractButton>(ControlId::PressureDependentCheck)->setChecked(m_bDruckabhaengig != 0);
        return true;
    }

    // Every number field is read before any member changes: a field that is
    // not a number leaves all members as they were and the user's text in
    // place. A field the user left as it was shown keeps its exact value.
    m_shownNumbers.resize(static_cast<size_t>(fieldCount));
    std::vector<float> values(static_cast<size_t>(fieldCount));
    for (int i = 0; i < fieldCount; ++i) {
        QLineEdit* field = Control<QLineEdit>(fields[i].id);
        const keldo::ShownNumber& shown = m_shownNumbers[static_cast<size_t>(i)];
        if (!keldo::ReadBackNumber(field->text().toStdString(), shown, values[i])) {
            // named by the label on screen, which follows the fluid last read
            m_messages.Show(keldo::NotANumberMessage(keldo::FieldName(fields[i], m_nFluid)));
            field->setFocus();
            field->selectAll();
            return false;
        }
    }
    for (int i = 0; i < fieldCount; ++i)
        inputs.*fields[i].member = values[i];
    m_strBohrung = Control<QLineEdit>(ControlId::WellName)->text().toStdString();
    m_strAnzahl = Control<QLabel>(ControlId::LineCountText)->text().toStdString();
    m_nModus = m_modusGroup->checkedId();
    m_bDetail = Control<QAbstractButton>(ControlId::DetailCheck)->isChecked() ? 1 : 0;
    m_bWarnungen = Control<QAbstractButton>(ControlId::WarningsCheck)->isChecked() ? 1 : 0;
    m_nFluid = m_fluidGroup->checkedId();
    m_strKontaktText = Control<QLabel>(ControlId::ContactLabel)->text().toStdString();
    m_strDichteText = Control<QLabel>(ControlId::DensityLabel)->text().toStdString();
    m_strKontaktModus = Control<QLabel>(ControlId::ContactModeLabel)->text().toStdString();
    m_bDruckabhaengig = Control<QAbstractButton>(ControlId::PressureDependentCheck)->isChecked() ? 1 : 0;
    return true;
}

void DlgInput::SetFluidLabels(bool afterClick)
{
    if (m_nFluid == 1) {
        m_strDichteText = afterClick ? "Öldichte (kg/m3)" : "Öldichte";
        m_strKontaktText = "Öl-Wasser-Kontakt (m)";
        m_strKontaktModus = "Öl-Wasserkontakt";
    } else {
        m_strDichteText = "Relative Gasdichte (Luft=1)";
        m_strKontaktText = "Gas-Wasser-Kontakt (m)";
        m_strKontaktModus = "Gas-Wasserkontakt";
    }
}

void DlgInput::OnFluidRadio()
{
    if (UpdateData(true)) {
        SetFluidLabels(true);
        UpdateData(false);
        return;
    }
    // A field holds no number (its message was shown): switch the labels
    // anyway, but leave every field as the user typed it.
    m_nFluid = m_fluidGroup->checkedId();
    SetFluidLabels(true);
    Control<QLabel>(ControlId::ContactLabel)->setText(QString::fromStdString(m_strKontaktText));
    Control<QLabel>(ControlId::DensityLabel)->setText(QString::fromStdString(m_strDichteText));
    Control<QLabel>(ControlId::ContactModeLabel)->setText(QString::fromStdString(m_strKontaktModus));
}

void DlgInput::OnDefaultWerte()
{
    m_fPcMax = 141.7f;
    m_fDichteKW = m_nFluid == 0 ? 0.6f : 700.0f;
    m_fWasserdichte = 1070.0f;
    m_fTemperatur = 138.0f;
    m_fAlfa0 = 8.29083f;
    m_fAlfa1 = 1.24712f;
    m_fAlfa2 = 0.626995f;
    m_fAlfa3 = -0.0412589f;
    m_fBeta0 = -0.853872f;
    m_fBeta1 = -0.5f;
    m_fPcsperr0 = 0.503791f;
    m_fPcsperr1 = -0.39f;
    m_fPhiK0 = -2.56554f;
    m_fPhiK1 = 22.0004f;
    m_fPhiK2 = 0.0f;
    m_fSwmin0 = -0.689505f;
    m_fSwmin1 = -0.231293f;
    UpdateData(false);
}

void DlgInput::OnOkButton()
{
    if (CheckInputs() == 1)
        return;
    if (!UpdateData(true))
        return;
    accept();
}

int DlgInput::CheckInputs()
{
    if (!UpdateData(true))
        return 1;
    CKeldoInputs& inputs = *this;
    const float cutoff = m_fCutoff;
    int result = keldo::CheckInputs(inputs, m_messages);
    if (m_fCutoff != cutoff)
        UpdateData(false); // the cut-off was reset: show 0.06
    return result;
}

void DlgInput::FileOpen()
{
    const std::string path = m_chooseFile ? m_chooseFile(this) : std::string();
    if (path.empty())
        return;
    if (keldo::IsLasFile(path)) {
        ImportLasFile(path);
        return;
    }
    const bool descending = m_messages.AskYesNo(keldo::kOrderQuestion);

    m_fMaxTeufe = 0;
    m_fMinTeufe = 0;
    m_Messwerte.clear();
    m_depthsBelowSeaLevel = false;
    m_shaleVolumes.clear();
    RefreshList();

    keldo::InputFile file;
    int err = 0;
    const bool opened = keldo::OpenMeasurementFile(path, file, err);
    m_messages.Inform(path + " wird geöffnet");
    if (!opened) {
        m_messages.Show(keldo::CannotOpenMessage(path, err));
    } else {
        ListRefreshingMessages messages(m_messages, *m_listModel);
        keldo::ImportMeasurementStream(file.Stream(), descending, messages, m_Messwerte);
    }
    RefreshList();
    OnAlleWerte();
}

void DlgInput::ImportLasFile(const std::string& path)
{
    DlgLasImport las(m_messages, this, /*offerPermeability=*/false, /*offerShale=*/true);
    if (!las.Open(path))
        return;
    // The well field as it stands on screen; an empty one takes the file's
    // name, another one only when the user ticks the offer.
    const std::string shownName = Control<QLineEdit>(ControlId::WellName)->text().toStdString();
    las.OfferWellName(shownName);
    if (las.exec() != QDialog::Accepted)
        return;
    const std::string fileName = las.Session().WellName();
    const bool take = !fileName.empty() && (keldo::TrimBlanks(shownName).empty() || las.TakesWellName());
    m_strBohrung = take ? fileName : shownName;
    m_fMaxTeufe = 0;
    m_fMinTeufe = 0;
    m_depthsBelowSeaLevel = las.AcceptedRows().belowSeaLevel;
    m_shaleVolumes = las.AcceptedShale();
    m_Messwerte = las.TakeMeasurementLines();
    RefreshList();
    OnAlleWerte();
}

void DlgInput::OnAlleWerte()
{
    m_strAnzahl = keldo::Format("%zu Zeilen wurden eingelesen", m_Messwerte.size());
    keldo::DepthWindowFromLines(m_Messwerte, m_fMinTeufe, m_fMaxTeufe);
    m_fCutoff = 0.06f;
    UpdateData(false);
}

void DlgInput::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::FontChange && !m_templateRects.empty())
        LayoutControls();
}

void DlgInput::keyPressEvent(QKeyEvent* event)
{
    // Enter neither checks the inputs nor closes the dialog; only the OK
    // button does. Escape still cancels.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool RunDlgInput(QWidget* parent, CDlgInputValues& values, keldo::IMessageBox& messages)
{
    DlgInput dlg(messages, parent);
    dlg.SetValues(values);
    if (dlg.DoModal() != QDialog::Accepted)
        return false;
    static_cast<CKeldoInputs&>(values) = dlg;
    values.m_bWarnungen = dlg.m_bWarnungen;
    values.m_Messwerte = std::move(dlg.m_Messwerte); // the dialog is gone next
    values.m_depthsBelowSeaLevel = dlg.m_depthsBelowSeaLevel;
    values.m_shaleVolumes = std::move(dlg.m_shaleVolumes);
    return true;
}
