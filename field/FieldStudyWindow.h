#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "FieldChartView.h"
#include "FieldRun.h"
#include "FormationTops.h"
#include "StudyInputs.h"

class CFieldRunner;
class CResultTableModel;
class CTopsField;
class QCheckBox;
class CFieldSummaryModel;
class CFieldWellTable;
class CSummarySortProxy;
class CDecimalEdit;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace keldo {
class IMessageBox;
}

// "Feldstudie": many wells computed with the model of the open document,
// in the background. The user puts the wells together (a field file, or
// .kld and LAS files one by one), starts the study, may call it off between
// wells, and gets the summary (sortable), the field chart (printable like
// the other graphs) and, by double-click or Enter on a well, its reports.
// With a tops file the wells' zones are computed as keldo-field --tops
// computes them. The net pay of each well and the zones have their tabs;
// the chart shows one box per well or per well and zone. "Exportieren…"
// writes the folder keldo-field writes.
class CFieldStudyWindow : public QWidget {
    Q_OBJECT
public:
    // The model of the study: the open document as it would be saved now.
    using TemplateSource = std::function<keldo::FieldTemplate()>;

    CFieldStudyWindow(keldo::IMessageBox& messages, TemplateSource model, QWidget* parent = nullptr);
    ~CFieldStudyWindow() override;

    // The commands of the buttons.
    bool OpenFieldFile(const QString& path);
    void AddFiles(const QStringList& paths);
    void ChooseSurvey();
    void Start();
    void Cancel();
    bool Export(const QString& folder);
    // The reports of the well in row `row` of the study (not of the sorted view).
    void OpenReport(int row);

    void SetPrinter(QPrinter* printer);
    bool IsRunning() const;

    // The user's choices, replaceable (tests and automation).
    std::function<QString()> m_chooseFieldFile;
    std::function<QStringList()> m_chooseWellFiles;
    std::function<QString()> m_chooseSurvey;
    std::function<QString()> m_chooseExportFolder;

    // Parts of the window, for tests and screenshots.
    QLabel* ModelLabel() const { return m_pModel; }
    CFieldWellTable* WellTable() const { return m_pWells; }
    QTableView* SummaryView() const { return m_pSummaryView; }
    CFieldSummaryModel* SummaryModel() const { return m_pSummary; }
    CFieldChartView* Chart() const { return m_pChart; }
    CTopsField* TopsField() const { return m_pTops; }
    QTableView* NetPayView() const { return m_pNetPayView; }
    QTableView* ZonesView() const { return m_pZonesView; }
    QCheckBox* ZonesBox() const { return m_pZonesBox; }
    QTabWidget* ResultTabs() const { return m_pResults; }
    QProgressBar* Progress() const { return m_pProgress; }
    QLabel* StatusLabel() const { return m_pStatus; }
    // Says, when the results no longer apply, which model they came from.
    QLabel* OutdatedLabel() const { return m_pOutdated; }
    QPushButton* StartButton() const { return m_pStart; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* ExportButton() const { return m_pExport; }
    QSpinBox* JobsBox() const { return m_pJobs; }
    CDecimalEdit* CutoffField() const { return m_pCutoff; }
    const std::vector<std::shared_ptr<const keldo::WellOutcome>>& Outcomes() const;

signals:
    void openDocument(const QString& path);
    void runFinished();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* CreateWellsPart();
    QWidget* CreateResultsPart();
    void OnWellFinished(std::shared_ptr<keldo::WellOutcome> outcome);
    void OnRunFinished(bool cancelled);
    void SetRunning(bool running);
    void UpdateChart();
    // The chart and the net-pay and zone tables from the result so far.
    void UpdateResults();
    // The tops file named, read; false with its message shown. No path: no
    // tops, true.
    bool ReadTops(std::shared_ptr<const std::vector<keldo::FormationTop>>& tops);
    keldo::StudyInputs CurrentInputs() const;
    // The note over the results: shown while model, wells or cut-off differ
    // from those of the last start.
    void UpdateOutdated();
    // The cut-off typed, or a message and false.
    bool ReadCutoff(float& cutoff);

    keldo::IMessageBox& m_messages;
    TemplateSource m_model;
    CFieldRunner* m_pRunner;
    keldo::FieldStudy m_study; // of the last start; its result is the summary model's
    keldo::StudyInputs m_runInputs; // of the last start
    // The tops of the last start, read by its wells while it runs; null
    // without a tops file.
    std::shared_ptr<const std::vector<keldo::FormationTop>> m_runTops;
    bool m_started = false;

    QLabel* m_pModel = nullptr;
    CFieldWellTable* m_pWells = nullptr;
    QList<QPushButton*> m_wellButtons;
    CDecimalEdit* m_pCutoff = nullptr;
    QSpinBox* m_pJobs = nullptr;
    QPushButton* m_pStart = nullptr;
    QPushButton* m_pCancel = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QLabel* m_pStatus = nullptr;
    QLabel* m_pOutdated = nullptr;
    QTabWidget* m_pResults = nullptr;
    CFieldSummaryModel* m_pSummary = nullptr;
    CSummarySortProxy* m_pSorted = nullptr;
    QTableView* m_pSummaryView = nullptr;
    CFieldChartView* m_pChart = nullptr;
    QCheckBox* m_pZonesBox = nullptr;
    CTopsField* m_pTops = nullptr;
    CResultTableModel* m_pNetPay = nullptr;
    CResultTableModel* m_pZones = nullptr;
    QTableView* m_pNetPayView = nullptr;
    QTableView* m_pZonesView = nullptr;
    QPushButton* m_pExport = nullptr;
};
