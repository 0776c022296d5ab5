#include "DlgLasImport.h"

#include <algorithm>
#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "AsciiText.h"
#include "FileDialogFolder.h"
#include "InputFields.h"
#include "NumberText.h"
#include "OpenFileDialog.h"
#include "TextFormat.h"

using keldo::CurveRole;

namespace {

constexpr const char* kElevationName = "Bezugshöhe (m)";

// "Bitte die Kurve für Porosität wählen."
std::string ChooseCurveMessage(CurveRole role)
{
    return std::string("Bitte die Kurve für ") + keldo::RoleName(role) + " wählen.";
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QTableWidgetItem* Cell(const std::string& text, bool number = false)
{
    auto* item = new QTableWidgetItem(Utf8(text));
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// The decimals that show every value of `values` as it reads back, at most
// six: the depth columns of the curve table keep one precision.
int CommonDecimals(const std::vector<double>& values)
{
    int decimals = 0;
    for (double value : values) {
        const std::string text = keldo::ShortestNumberText(value);
        const size_t point = text.find('.');
        if (text.find_first_of("eE") != std::string::npos)
            return 6;
        if (point != std::string::npos)
            decimals = std::max(decimals, static_cast<int>(text.size() - point - 1));
    }
    return std::min(decimals, 6);
}

// The heading of the preview, over the columns of "%10.3f   %10.5f  %10.5f",
// for depths of the log's reference and for depths below sea level.
constexpr const char* kPreviewHeading = "Teufe(TVD)    Porosität          Sw\n"
                                        "       (m)          (-)         (-)\n";
constexpr const char* kPreviewHeadingTvdss = "Teufe(TVDSS)  Porosität          Sw\n"
                                             "       (m)          (-)         (-)\n";

} // namespace

DlgLasImport::DlgLasImport(keldo::IMessageBox& messages, QWidget* parent, bool offerPermeability, bool offerShale)
    : QDialog(parent), m_messages(messages)
{
    m_chooseSurvey = [this](QWidget* owner) {
        return keldo::ChooseFileToOpen(owner, QStringLiteral("Bohrpfad öffnen"), keldo::SurveyFileFilters(),
            keldo::StartFolder(Utf8(m_session.LasFile())));
    };
    CreateControls(offerPermeability, offerShale);
}

DlgLasImport::~DlgLasImport() = default;

QComboBox* DlgLasImport::Chooser(CurveRole role) const
{
    const auto slot = static_cast<size_t>(role);
    return slot < m_choosers.size() ? m_choosers[slot] : nullptr;
}

bool DlgLasImport::Open(const std::string& lasFile)
{
    keldo::WellDataError error;
    if (!m_session.Open(lasFile, error)) {
        m_messages.Show(error.Message());
        return false;
    }
    FillControls();
    return true;
}

void DlgLasImport::FillControls()
{
    const keldo::LasLog& log = m_session.Log();
    const auto& curves = m_session.Curves();
    std::string about = "Datei: " + QFileInfo(Utf8(m_session.LasFile())).fileName().toStdString();
    if (!m_session.WellName().empty())
        about += "    Bohrung: " + m_session.WellName();
    about += keldo::Format("    LAS %s, %zu Datenzeilen, %zu Kurven",
        log.header.version.empty() ? "ohne Version" : log.header.version.c_str(), log.rows, curves.size());
    m_fileText->setText(Utf8(about));

    const std::string indexUnit = curves.front().unit.empty() ? "" : " (" + curves.front().unit + ")";
    m_curveTable->setHorizontalHeaderLabels(
        {QStringLiteral("Kurve"), QStringLiteral("Einheit"), QStringLiteral("Beschreibung"), QStringLiteral("Werte"),
            Utf8("Erste Teufe" + indexUnit), Utf8("Letzte Teufe" + indexUnit)});
    m_curveTable->setRowCount(static_cast<int>(curves.size()));
    std::vector<double> depths;
    for (const keldo::LasCurveStatistics& s : log.statistics)
        depths.insert(depths.end(), {s.firstIndex, s.lastIndex});
    const int decimals = CommonDecimals(depths);
    const auto depthText = [decimals](double depth) {
        return std::isfinite(depth) ? keldo::Format("%.*f", decimals, depth) : std::string();
    };
    for (size_t i = 0; i < curves.size(); ++i) {
        const keldo::LasCurveStatistics& s = log.statistics[i];
        const int row = static_cast<int>(i);
        m_curveTable->setItem(row, 0, Cell(curves[i].mnemonic));
        m_curveTable->setItem(row, 1, Cell(curves[i].unit));
        m_curveTable->setItem(row, 2, Cell(curves[i].description));
        m_curveTable->setItem(row, 3, Cell(std::to_string(s.count), true));
        m_curveTable->setItem(row, 4, Cell(depthText(s.firstIndex), true));
        m_curveTable->setItem(row, 5, Cell(depthText(s.lastIndex), true));
    }

    for (CurveRole role : keldo::kChosenRoles)
        FillChooser(role);
    m_surveyName->clear();
    m_surveyName->setToolTip({});
    {
        const QSignalBlocker quiet(m_elevation);
        m_elevation->setText(Utf8(keldo::ShortestNumberText(m_session.Elevation())));
    }
    Refresh();
}

void DlgLasImport::FillChooser(CurveRole role)
{
    QComboBox* combo = Chooser(role);
    if (!combo)
        return;
    const QSignalBlocker quiet(combo);
    combo->clear();
    const bool optional = role == CurveRole::Permeability || role == CurveRole::Shale;
    if (optional)
        combo->addItem(QStringLiteral("(keine)"), -1);
    const auto& curves = m_session.Curves();
    for (size_t i = 0; i < curves.size(); ++i) {
        const std::string& unit = curves[i].unit;
        combo->addItem(Utf8(curves[i].mnemonic + (unit.empty() ? "" : " (" + unit + ")")), static_cast<int>(i));
    }
    const std::optional<size_t> chosen = m_session.Curve(role);
    combo->setCurrentIndex(chosen ? combo->findData(static_cast<int>(*chosen)) : optional ? 0 : -1);
}

void DlgLasImport::OnCurveChosen(CurveRole role)
{
    const int data = Chooser(role)->currentData().isValid() ? Chooser(role)->currentData().toInt() : -1;
    m_session.ChooseCurve(role, data < 0 ? std::nullopt : std::optional<size_t>(static_cast<size_t>(data)));
    Refresh();
}

void DlgLasImport::OnChooseSurvey()
{
    const std::string path = m_chooseSurvey ? m_chooseSurvey(this) : std::string();
    if (path.empty())
        return;
    keldo::WellDataError error;
    if (!m_session.LoadSurvey(path, error)) {
        m_messages.Show(error.Message());
        return;
    }
    // The name fits the field; the whole path is in its tool tip.
    m_surveyName->setText(QFileInfo(Utf8(path)).fileName());
    m_surveyName->setToolTip(Utf8(path));
    Refresh();
}

void DlgLasImport::OnNoSurvey()
{
    m_session.ClearSurvey();
    m_surveyName->clear();
    m_surveyName->setToolTip({});
    Refresh();
}

bool DlgLasImport::ApplyElevation()
{
    double elevation = 0;
    // A point or a comma; what is no number stays as typed and is refused.
    if (!m_elevation->Value(elevation))
        return false;
    // Only a changed value is the user's: the 0 shown for a header without an
    // elevation stays noted as assumed.
    if (elevation != m_session.Elevation())
        m_session.SetElevation(elevation);
    return true;
}

void DlgLasImport::OfferWellName(const std::string& current)
{
    const std::string fileName = m_session.WellName();
    const bool other = !fileName.empty() && !keldo::TrimBlanks(current).empty() && current != fileName;
    m_takeWellName->setText(Utf8("Bohrungs&name der Datei übernehmen: „" + fileName + "“ statt „" + current + "“"));
    m_takeWellName->setChecked(false);
    m_takeWellName->setVisible(other);
}

bool DlgLasImport::TakesWellName() const { return !m_takeWellName->isHidden() && m_takeWellName->isChecked(); }

void DlgLasImport::Refresh()
{
    std::string problem;
    if (!ApplyElevation())
        problem = keldo::NotANumberMessage(kElevationName);
    else if (const auto role = m_session.UnchosenRole())
        problem = ChooseCurveMessage(*role);
    if (!problem.empty()) {
        m_counts->setText(Utf8(problem));
        m_preview->clear();
        return;
    }
    const keldo::MeasurementRows rows = m_session.DeriveRows(kPreviewLines);
    m_counts->setText(Utf8(keldo::SummaryMessage(rows)));
    std::string preview;
    // Feet: the lines hold metres, which the preview says above its heading.
    if (const auto depth = m_session.Curve(CurveRole::Depth))
        if (const std::string note = keldo::DepthConversionNote(m_session.Log().header.curves[*depth].unit);
            !note.empty())
            preview = note + "\n";
    preview += rows.belowSeaLevel ? kPreviewHeadingTvdss : kPreviewHeading;
    for (const auto& line : rows.lines)
        preview += line + '\n';
    if (rows.counts.kept > rows.lines.size())
        preview += "…\n";
    m_preview->setPlainText(Utf8(preview));
}

void DlgLasImport::OnOk()
{
    if (const auto role = m_session.UnchosenRole()) {
        m_messages.Show(ChooseCurveMessage(*role));
        Chooser(*role)->setFocus();
        return;
    }
    if (!ApplyElevation()) {
        m_messages.Show(keldo::NotANumberMessage(kElevationName));
        m_elevation->SetMarked(true);
        m_elevation->setFocus();
        m_elevation->selectAll();
        return;
    }
    keldo::MeasurementRows rows = m_session.DeriveRows();
    if (rows.counts.kept == 0) {
        m_messages.Show("Keine Zeile ist verwertbar.\n" + keldo::SummaryMessage(rows));
        return;
    }
    // The shale values only where the chooser is shown: a suggestion the
    // user never saw is not taken.
    m_acceptedShale = Chooser(CurveRole::Shale) ? m_session.ShaleOfKeptRows(rows) : std::vector<double>{};
    m_accepted = std::move(rows);
    accept();
}
