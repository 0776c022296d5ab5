#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>

#include "DecimalEdit.h"
#include "LasImportSession.h"
#include "MessageBox.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// The LAS import: the curves of a LAS file in a table, the choice of the depth,
// porosity and Sw curves (and, for a caller that wants them, a permeability
// curve and a "Tonanteil" (shale volume) curve), an optional deviation survey
// and the elevation of the depth reference, with the count of kept and
// dropped rows and the first kept measurement lines shown again after every
// change.
//
//   DlgLasImport las(messages, parent);
//   if (las.Open(path) && las.exec() == QDialog::Accepted)
//       use(las.MeasurementLines());
class DlgLasImport : public QDialog {
    Q_OBJECT
public:
    // Returns the chosen file (UTF-8 path) or an empty string when the user
    // cancelled.
    using FileChooser = std::function<std::string(QWidget* parent)>;

    // With `offerPermeability` the chooser "Permeabilität" is shown, with
    // `offerShale` the chooser "Tonanteil"; both offer "(keine)".
    explicit DlgLasImport(keldo::IMessageBox& messages, QWidget* parent = nullptr, bool offerPermeability = false,
        bool offerShale = false);
    ~DlgLasImport() override;

    // Reads the LAS file and shows it. False after one message when it cannot
    // be read; the dialog is then not to be shown.
    bool Open(const std::string& lasFile);

    // The document already names its well `current`: when the file names
    // another one, a check box offers to take the file's name instead.
    void OfferWellName(const std::string& current);
    // After OK: the file's well name is to replace the document's.
    bool TakesWellName() const;

    // Replaces the open-file dialog of "Bohrpfad…" (tests, automation).
    void SetSurveyChooser(FileChooser chooser) { m_chooseSurvey = std::move(chooser); }

    // After OK: every kept row as a measurement line, in file order (taking
    // them leaves none for KeptValues).
    const std::vector<std::string>& MeasurementLines() const { return m_accepted.lines; }
    std::vector<std::string> TakeMeasurementLines() { return std::move(m_accepted.lines); }
    // After OK: the kept rows, their lines (unless taken) and LAS rows.
    const keldo::MeasurementRows& AcceptedRows() const { return m_accepted; }
    // After OK: depth, porosity and permeability of every kept row (the
    // permeabilities empty when "(keine)" was chosen).
    keldo::KeptRowValues KeptValues() const { return m_session.ValuesOfKeptRows(m_accepted); }
    // After OK: the shale volume of every kept row from the "Tonanteil"
    // curve; empty when it is not offered or "(keine)" is chosen.
    const std::vector<double>& AcceptedShale() const { return m_acceptedShale; }
    // The file, its curves and the choices: Session().Curve(role) is the
    // index of the chosen curve in Session().Curves().
    const keldo::LasImportSession& Session() const { return m_session; }

    // The controls, for the keyboard and for tests.
    QComboBox* Chooser(keldo::CurveRole role) const;
    QLineEdit* ElevationField() const { return m_elevation; }
    QLineEdit* SurveyField() const { return m_surveyName; }
    QPushButton* SurveyButton() const { return m_surveyButton; }
    QPushButton* NoSurveyButton() const { return m_noSurveyButton; }
    QTableWidget* CurveTable() const { return m_curveTable; }
    QLabel* CountsText() const { return m_counts; }
    QPlainTextEdit* Preview() const { return m_preview; }
    QPushButton* OkButton() const { return m_ok; }
    QCheckBox* WellNameBox() const { return m_takeWellName; }

    void OnChooseSurvey();
    void OnNoSurvey();
    void OnOk();

    // Lines in the preview.
    static constexpr size_t kPreviewLines = 12;

private:
    void CreateControls(bool offerPermeability, bool offerShale);
    void FillControls();
    void FillChooser(keldo::CurveRole role);
    void OnCurveChosen(keldo::CurveRole role);
    // Derives the rows for the choices as they stand and shows their counts
    // and first lines.
    void Refresh();
    // Takes the elevation field into the session; false when it holds no
    // number.
    bool ApplyElevation();

    keldo::IMessageBox& m_messages;
    FileChooser m_chooseSurvey;
    keldo::LasImportSession m_session;
    keldo::MeasurementRows m_accepted;
    std::vector<double> m_acceptedShale;

    QLabel* m_fileText = nullptr;
    QTableWidget* m_curveTable = nullptr;
    // By role, as keldo::kChosenRoles (nullptr when not offered).
    std::array<QComboBox*, keldo::kChosenRoles.size()> m_choosers{};
    QLineEdit* m_surveyName = nullptr;
    QPushButton* m_surveyButton = nullptr;
    QPushButton* m_noSurveyButton = nullptr;
    CDecimalEdit* m_elevation = nullptr;
    QLabel* m_counts = nullptr;
    QPlainTextEdit* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
    QCheckBox* m_takeWellName = nullptr; // shown only when OfferWellName finds another name
};
