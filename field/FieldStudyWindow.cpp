#include "FieldStudyWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "DecimalEdit.h"
#include "FieldChartView.h"
#include "FieldFile.h"
#include "FieldRunner.h"
#include "FieldSummaryModel.h"
#include "FieldWellTable.h"
#include "FileAccess.h"
#include "FileDialogFolder.h"
#include "MessageBox.h"
#include "OutOfMemory.h"
#include "QtFieldGraphExport.h"
#include "ResultTableModel.h"
#include "ScreenFit.h"
#include "StudyWriter.h"
#include "SummaryTable.h"
#include "TextFormat.h"
#include "TopsField.h"
#include "WellReportWindow.h"

namespace {

QPushButton* Button(const QString& text, QWidget* parent, QBoxLayout* layout)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

// A read-only, sortable table of the study's numbers (net pay, zones).
QTableView* ResultView(CResultTableModel* model, const QString& name, QWidget* parent)
{
    auto* sorted = new CSummarySortProxy(parent);
    sorted->setSourceModel(model);
    auto* view = new QTableView(parent);
    view->setObjectName(name);
    view->setModel(sorted);
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    QObject::connect(model, &QAbstractItemModel::modelReset, view, [view] { view->resizeColumnsToContents(); });
    return view;
}

} // namespace

CFieldStudyWindow::CFieldStudyWindow(keldo::IMessageBox& messages, TemplateSource model, QWidget* parent)
    : QWidget(parent, Qt::Window), m_messages(messages), m_model(std::move(model)), m_pRunner(new CFieldRunner(this))
{
    setObjectName(QStringLiteral("Feldstudie"));
    setWindowTitle(QStringLiteral("Feldstudie - Keldo"));

    m_chooseFieldFile = [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Felddatei öffnen"),
            keldo::StartFolder(QString()), QStringLiteral("Felddatei (*.csv *.txt);;Alle Dateien (*)"));
        keldo::RememberFolder(path);
        return path;
    };
    m_chooseWellFiles = [this] {
        const QStringList paths = QFileDialog::getOpenFileNames(this, QStringLiteral("Bohrungen hinzufügen"),
            keldo::StartFolder(QString()),
            QStringLiteral("Dokumente und LAS-Dateien (*.kld *.las *.LAS);;Dateityp Keldo (*.kld);;LAS-Datei (*.las "
                           "*.LAS);;Alle Dateien (*)"));
        if (!paths.isEmpty())
            keldo::RememberFolder(paths.first());
        return paths;
    };
    m_chooseSurvey = [this] {
        const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Bohrpfad wählen"),
            keldo::StartFolder(QString()), QStringLiteral("Bohrpfad (*.txt *.csv *.dev);;Alle Dateien (*)"));
        keldo::RememberFolder(path);
        return path;
    };
    m_chooseExportFolder = [this] {
        return QFileDialog::getExistingDirectory(
            this, QStringLiteral("Feldstudie exportieren nach"), keldo::StartFolder(QString()));
    };

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(CreateWellsPart());
    splitter->addWidget(CreateResultsPart());
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 540});

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    m_pExport = Button(QStringLiteral("E&xportieren..."), this, bottom);
    QPushButton* close = Button(QStringLiteral("Sch&ließen"), this, bottom);
    m_pExport->setEnabled(false);
    connect(m_pExport, &QPushButton::clicked, this, [this] {
        const QString folder = m_chooseExportFolder();
        if (!folder.isEmpty())
            Export(folder);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);
    layout->addLayout(bottom);

    connect(m_pRunner, &CFieldRunner::wellFinished, this, &CFieldStudyWindow::OnWellFinished);
    connect(m_pRunner, &CFieldRunner::finished, this, &CFieldStudyWindow::OnRunFinished);
    auto* print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, [this] {
        m_pResults->setCurrentWidget(m_pChart->parentWidget());
        m_pChart->FilePrint();
    });
    UpdateResults();
    resize(1000, 760);
    keldo::FitIntoScreen(this);
}

CFieldStudyWindow::~CFieldStudyWindow()
{
    // The threads of a study still running end before the results they
    // would report to are gone.
    delete m_pRunner;
}

QWidget* CFieldStudyWindow::CreateWellsPart()
{
    auto* part = new QWidget(this);
    m_pModel = new QLabel(part);
    m_pWells = new CFieldWellTable(part);
    // A long path keeps its end, the part that names the well.
    m_pWells->setTextElideMode(Qt::ElideLeft);

    auto* buttons = new QHBoxLayout;
    QPushButton* open = Button(QStringLiteral("&Felddatei öffnen..."), part, buttons);
    QPushButton* add = Button(QStringLiteral("Bohrungen &hinzufügen..."), part, buttons);
    QPushButton* survey = Button(QStringLiteral("&Bohrpfad..."), part, buttons);
    QPushButton* remove = Button(QStringLiteral("&Entfernen"), part, buttons);
    m_wellButtons = {open, add, survey, remove};
    buttons->addStretch();
    auto* cutoffLabel = new QLabel(QStringLiteral("Porositäts-&Cutoff:"), part);
    m_pCutoff = new CDecimalEdit(0.06, 3, part);
    m_pCutoff->setMaximumWidth(m_pCutoff->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
    m_pCutoff->setToolTip(QStringLiteral("Für die Bohrungen ohne eigenen Cutoff"));
    cutoffLabel->setBuddy(m_pCutoff);
    auto* jobsLabel = new QLabel(QStringLiteral("&Gleichzeitig:"), part);
    m_pJobs = new QSpinBox(part);
    m_pJobs->setRange(1, 256);
    m_pJobs->setValue(keldo::DefaultJobs());
    m_pJobs->setSuffix(QStringLiteral(" Bohrungen"));
    jobsLabel->setBuddy(m_pJobs);
    for (QWidget* w : std::initializer_list<QWidget*>{cutoffLabel, m_pCutoff, jobsLabel, m_pJobs})
        buttons->addWidget(w);

    connect(open, &QPushButton::clicked, this, [this] {
        const QString path = m_chooseFieldFile();
        if (!path.isEmpty())
            keldo::RunCatchingOutOfMemory([this, path] { OpenFieldFile(path); }, m_messages);
    });
    connect(add, &QPushButton::clicked, this, [this] {
        const QStringList files = m_chooseWellFiles();
        keldo::RunCatchingOutOfMemory([this, files] { AddFiles(files); }, m_messages);
    });
    connect(survey, &QPushButton::clicked, this, &CFieldStudyWindow::ChooseSurvey);
    connect(remove, &QPushButton::clicked, m_pWells, &CFieldWellTable::RemoveSelectedRows);
    // Results of other wells or another cut-off are marked as soon as the
    // user changes them.
    connect(m_pWells->model(), &QAbstractItemModel::dataChanged, this, &CFieldStudyWindow::UpdateOutdated);
    connect(m_pWells->model(), &QAbstractItemModel::rowsInserted, this, &CFieldStudyWindow::UpdateOutdated);
    connect(m_pWells->model(), &QAbstractItemModel::rowsRemoved, this, &CFieldStudyWindow::UpdateOutdated);
    connect(m_pCutoff, &QLineEdit::textChanged, this, &CFieldStudyWindow::UpdateOutdated);
    auto* del = new QShortcut(QKeySequence::Delete, m_pWells, nullptr, nullptr, Qt::WidgetShortcut);
    connect(del, &QShortcut::activated, m_pWells, &CFieldWellTable::RemoveSelectedRows);

    m_pTops = new CTopsField(part);
    // A tops file chosen, cleared or changed on disk outdates the zones.
    connect(m_pTops, &CTopsField::pathChanged, this, &CFieldStudyWindow::UpdateOutdated);

    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pModel);
    layout->addWidget(m_pWells);
    layout->addLayout(buttons);
    layout->addWidget(m_pTops);
    return part;
}

QWidget* CFieldStudyWindow::CreateResultsPart()
{
    auto* part = new QWidget(this);
    auto* run = new QHBoxLayout;
    m_pStart = Button(QStringLiteral("&Start"), part, run);
    m_pCancel = Button(QStringLiteral("&Abbrechen"), part, run);
    m_pCancel->setEnabled(false);
    m_pProgress = new QProgressBar(part);
    m_pProgress->setRange(0, 1);
    m_pProgress->setValue(0);
    // No count before the first run.
    m_pProgress->setFormat(QString());
    run->addWidget(m_pProgress, 1);
    m_pStatus = new QLabel(part);
    run->addWidget(m_pStatus, 1);
    m_pOutdated = new QLabel(part);
    m_pOutdated->setObjectName(QStringLiteral("Veraltet"));
    m_pOutdated->setWordWrap(true);
    m_pOutdated->setStyleSheet(QStringLiteral("QLabel { background: #ffd0d0; padding: 2px; }"));
    m_pOutdated->hide();
    connect(m_pStart, &QPushButton::clicked, this, &CFieldStudyWindow::Start);
    connect(m_pCancel, &QPushButton::clicked, this, &CFieldStudyWindow::Cancel);

    m_pSummary = new CFieldSummaryModel(this);
    m_pSorted = new CSummarySortProxy(this);
    m_pSorted->setSourceModel(m_pSummary);
    m_pSummaryView = new QTableView(part);
    m_pSummaryView->setObjectName(QStringLiteral("Uebersicht"));
    m_pSummaryView->setModel(m_pSorted);
    // The order of the study until a header is clicked.
    m_pSummaryView->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_pSummaryView->setSortingEnabled(true);
    m_pSummaryView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pSummaryView->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pSummaryView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pSummaryView->verticalHeader()->hide();
    // What compares the wells first; the columns stay those of summary.csv.
    int visual = 0;
    for (const keldo::SummaryColumn column :
        {keldo::SummaryColumn::Well, keldo::SummaryColumn::Status, keldo::SummaryColumn::Measurements,
            keldo::SummaryColumn::Contact, keldo::SummaryColumn::P10, keldo::SummaryColumn::Median,
            keldo::SummaryColumn::P90, keldo::SummaryColumn::Rms, keldo::SummaryColumn::RmsRows})
        m_pSummaryView->horizontalHeader()->moveSection(
            m_pSummaryView->horizontalHeader()->visualIndex(CFieldSummaryModel::Section(column)), visual++);
    // Every heading readable before the first run ("Angen. Kontakt (m)").
    m_pSummaryView->resizeColumnsToContents();
    m_pSummaryView->setToolTip(QStringLiteral("Doppelklick oder Eingabetaste: die Berichte der Bohrung"));
    connect(m_pSummaryView, &QTableView::activated, this,
        [this](const QModelIndex& index) { OpenReport(m_pSorted->mapToSource(index).row()); });

    auto* chartPage = new QWidget(part);
    m_pChart = new CFieldChartView(m_messages, chartPage);
    auto* chartButtons = new QHBoxLayout;
    QPushButton* print = Button(QStringLiteral("&Drucken..."), chartPage, chartButtons);
    QPushButton* preview = Button(QStringLiteral("Sei&tenansicht"), chartPage, chartButtons);
    QPushButton* save = Button(QStringLiteral("Grafik ex&portieren..."), chartPage, chartButtons);
    chartButtons->addStretch();
    m_pZonesBox = new QCheckBox(QStringLiteral("&Je Zone"), chartPage);
    m_pZonesBox->setToolTip(QStringLiteral("Eine Säule je Bohrung und Zone (mit Formationsgrenzen gerechnet)"));
    m_pZonesBox->setEnabled(false);
    chartButtons->insertWidget(0, m_pZonesBox);
    connect(m_pZonesBox, &QCheckBox::toggled, m_pChart, &CFieldChartView::SetZones);
    connect(print, &QPushButton::clicked, m_pChart, &CChartView::FilePrint);
    connect(preview, &QPushButton::clicked, m_pChart, &CChartView::FilePrintPreview);
    connect(save, &QPushButton::clicked, m_pChart, &CChartView::ExportDialog);
    auto* chartLayout = new QVBoxLayout(chartPage);
    chartLayout->addWidget(m_pChart, 1);
    chartLayout->addLayout(chartButtons);

    m_pResults = new QTabWidget(part);
    m_pResults->addTab(m_pSummaryView, QStringLiteral("&Übersicht"));
    m_pResults->addTab(chartPage, QStringLiteral("Feldg&rafik"));
    m_pNetPay = new CResultTableModel(this);
    m_pNetPayView = ResultView(m_pNetPay, QStringLiteral("Nettomaechtigkeit"), part);
    m_pResults->addTab(m_pNetPayView, QStringLiteral("&Nettomächtigkeit"));
    m_pZones = new CResultTableModel(this);
    m_pZonesView = ResultView(m_pZones, QStringLiteral("Zonen"), part);
    m_pZonesView->setToolTip(QStringLiteral("Die Zonen zwischen den Formationsgrenzen, wenn die Studie mit einer Datei "
                                            "der Formationsgrenzen gerechnet ist"));
    m_pResults->addTab(m_pZonesView, QStringLiteral("&Zonen"));

    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(run);
    layout->addWidget(m_pOutdated);
    layout->addWidget(m_pResults, 1);
    return part;
}

void CFieldStudyWindow::SetPrinter(QPrinter* printer) { m_pChart->SetPrinter(printer); }

bool CFieldStudyWindow::IsRunning() const { return m_pRunner->IsRunning(); }

void CFieldStudyWindow::showEvent(QShowEvent* event)
{
    const keldo::FieldTemplate model = m_model();
    m_pModel->setText(
        QStringLiteral("Modell (für LAS-Dateien): das aktive Dokument %1").arg(QString::fromStdString(model.title)));
    UpdateOutdated();
    QWidget::showEvent(event);
}

void CFieldStudyWindow::changeEvent(QEvent* event)
{
    // Another document may have become the model while the window was in
    // the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        UpdateOutdated();
    QWidget::changeEvent(event);
}

keldo::StudyInputs CFieldStudyWindow::CurrentInputs() const
{
    keldo::StudyInputs inputs{m_model(), m_pWells->Cells(), m_pCutoff->text().trimmed().toStdString(), {}, {}};
    inputs.tops = m_pTops->Path().toStdString();
    if (int err = 0; !inputs.tops.empty())
        keldo::ReadWholeFile(inputs.tops, inputs.topsBytes, err);
    return inputs;
}

void CFieldStudyWindow::UpdateOutdated()
{
    if (!m_started || IsRunning()) {
        m_pOutdated->hide();
        return;
    }
    const keldo::StudyChanges changes = keldo::ChangesSince(m_runInputs, CurrentInputs());
    if (!changes.Any()) {
        m_pOutdated->hide();
        return;
    }
    QStringList what;
    if (changes.model)
        what << QStringLiteral("das Modell");
    if (changes.wells)
        what << QStringLiteral("die Bohrungen");
    if (changes.cutoff)
        what << QStringLiteral("der Cutoff");
    if (changes.tops)
        what << QStringLiteral("die Formationsgrenzen");
    m_pOutdated->setText(QStringLiteral("Veraltet: Die Ergebnisse sind mit dem Modell „%1“ gerechnet; seither "
                                        "geändert: %2. Start rechnet neu.")
                             .arg(QString::fromStdString(m_runInputs.model.title), what.join(QStringLiteral(", "))));
    m_pOutdated->show();
}

bool CFieldStudyWindow::OpenFieldFile(const QString& path)
{
    keldo::FieldStudy study;
    std::string error;
    if (!keldo::ReadFieldFile(path.toStdString(), study, error)) {
        m_messages.Show(error);
        return false;
    }
    m_pWells->SetStudy(study);
    m_pStatus->setText(QStringLiteral("%1 Bohrungen aus %2").arg(study.wells.size()).arg(QFileInfo(path).fileName()));
    return true;
}

void CFieldStudyWindow::AddFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        m_pWells->AddFile(path);
}

void CFieldStudyWindow::ChooseSurvey()
{
    const int row = m_pWells->currentRow();
    if (!m_pWells->IsLasRow(row)) {
        m_messages.Show("Einen Bohrpfad braucht nur eine Bohrung mit LAS-Datei: bitte eine solche Zeile wählen.");
        return;
    }
    const QString path = m_chooseSurvey();
    if (!path.isEmpty())
        m_pWells->SetSurvey(row, path);
}

void CFieldStudyWindow::Start()
{
    if (IsRunning())
        return;
    keldo::FieldStudy study = m_pWells->Study();
    if (study.wells.empty()) {
        m_messages.Show("Die Liste der Bohrungen ist leer: bitte eine Felddatei öffnen oder Bohrungen hinzufügen.");
        return;
    }
    if (const auto fault = m_pWells->FirstBadCell()) {
        const QString message = m_pWells->RefuseCell(*fault);
        m_pWells->setFocus();
        m_messages.Show(message.toStdString() + " Bitte berichtigen.");
        return;
    }
    float cutoff = 0;
    if (!ReadCutoff(cutoff))
        return;
    std::shared_ptr<const std::vector<keldo::FormationTop>> tops;
    if (!ReadTops(tops))
        return;
    m_runTops = std::move(tops);
    m_study = study;
    m_runInputs = CurrentInputs();
    m_started = true;
    const size_t count = study.wells.size();
    m_pSummary->Start(study);
    m_pProgress->setFormat(QStringLiteral("%v von %m"));
    m_pProgress->setRange(0, static_cast<int>(count));
    m_pProgress->setValue(0);
    m_pStatus->setText(QStringLiteral("Läuft ..."));
    UpdateResults();

    keldo::FieldSettings settings;
    settings.cutoff = cutoff;
    settings.keepGraphs = true;
    settings.tops = m_runTops.get();
    m_pZonesBox->setEnabled(m_runTops != nullptr);
    if (!m_runTops)
        m_pZonesBox->setChecked(false);
    SetRunning(true);
    m_pRunner->Start(std::move(study), m_runInputs.model, settings, m_pJobs->value());
    UpdateOutdated();
}

bool CFieldStudyWindow::ReadTops(std::shared_ptr<const std::vector<keldo::FormationTop>>& tops)
{
    const std::string path = m_pTops->Path().toStdString();
    if (path.empty())
        return true;
    auto read = std::make_shared<std::vector<keldo::FormationTop>>();
    keldo::TopsError error;
    if (!keldo::ReadFormationTopsFile(path, *read, error)) {
        m_pTops->Edit()->setFocus();
        m_messages.Show(keldo::TopsMessage(error, path));
        return false;
    }
    tops = std::move(read);
    return true;
}

bool CFieldStudyWindow::ReadCutoff(float& cutoff)
{
    double value = 0;
    // The limits of the input dialog's cut-off.
    if (m_pCutoff->Value(value) && value > 0 && value <= 0.4) {
        cutoff = static_cast<float>(value);
        return true;
    }
    m_pCutoff->SetMarked(true);
    m_pCutoff->setFocus();
    m_pCutoff->selectAll();
    m_messages.Show("Der Porositäts-Cutoff „" + m_pCutoff->text().toStdString()
        + "“ ist keine Zahl über 0 und bis 0.4: bitte berichtigen.");
    return false;
}

void CFieldStudyWindow::Cancel()
{
    if (!IsRunning())
        return;
    m_pRunner->Cancel();
    m_pCancel->setEnabled(false);
    m_pStatus->setText(QStringLiteral("Wird nach den laufenden Bohrungen abgebrochen ..."));
}

void CFieldStudyWindow::OnWellFinished(std::shared_ptr<keldo::WellOutcome> outcome)
{
    if (!m_pSummary->Take(std::move(outcome)))
        return;
    const keldo::FieldResult& result = m_pSummary->Result();
    // Wells that were called off before their turn do not count as done.
    const int computed = result.Tally().Computed();
    m_pProgress->setValue(computed);
    if (!m_pRunner->IsCancelled())
        m_pStatus->setText(QStringLiteral("%1 von %2 Bohrungen gerechnet").arg(computed).arg(result.Size()));
    UpdateResults();
}

void CFieldStudyWindow::OnRunFinished(bool cancelled)
{
    const keldo::FieldResult& result = m_pSummary->Result();
    const keldo::FieldTally tally = result.Tally();
    QString text = QStringLiteral("%1 abgeschlossen, %2 abgebrochen, %3 nicht gelesen")
                       .arg(tally.completed)
                       .arg(tally.stopped)
                       .arg(tally.unreadable);
    if (cancelled)
        text = QStringLiteral("Abgebrochen nach %1 von %2 Bohrungen: ").arg(tally.Computed()).arg(result.Size()) + text
            + QStringLiteral(", %1 nicht gerechnet").arg(tally.notRun + tally.waiting);
    else
        text = QStringLiteral("Fertig: ") + text;
    m_pStatus->setText(text);
    SetRunning(false);
    UpdateOutdated();
    m_pSummaryView->resizeColumnsToContents();
    m_pNetPayView->resizeColumnsToContents();
    m_pZonesView->resizeColumnsToContents();
    emit runFinished();
}

void CFieldStudyWindow::SetRunning(bool running)
{
    for (QPushButton* button : m_wellButtons)
        button->setEnabled(!running);
    m_pWells->setEnabled(!running);
    m_pTops->setEnabled(!running);
    m_pStart->setEnabled(!running);
    m_pCancel->setEnabled(running);
    m_pExport->setEnabled(!running && m_pSummary->Result().Size() > 0);
    if (!running)
        m_pStart->setFocus();
}

void CFieldStudyWindow::UpdateChart() { m_pChart->SetWells(m_pSummary->Result().Summaries()); }

void CFieldStudyWindow::UpdateResults()
{
    UpdateChart();
    m_pNetPay->SetTable(keldo::NetPayTable(m_pSummary->Result().Summaries()));
    m_pZones->SetTable(keldo::ZonesTable(m_pSummary->Result().Summaries()));
}

const std::vector<std::shared_ptr<const keldo::WellOutcome>>& CFieldStudyWindow::Outcomes() const
{
    return m_pSummary->Result().Outcomes();
}

bool CFieldStudyWindow::Export(const QString& folder)
{
    const keldo::FieldResult& result = m_pSummary->Result();
    if (IsRunning() || result.Size() == 0)
        return false;
    const std::string out = folder.toStdString();
    const keldo::FieldGraphExport graphs = keldo::QtFieldGraphExport();
    if (const auto clash = keldo::FindStudyClash(out, m_study, {}, m_runInputs.tops)) {
        m_messages.Show(keldo::StudyClashMessage(*clash));
        return false;
    }
    // The folder holds this export whole or stays as it was, as keldo-field's.
    keldo::FolderProblem problem;
    const std::unique_ptr<keldo::StudyWriter> writer = keldo::StudyWriter::Open(out, graphs, problem);
    if (!writer) {
        m_messages.Show(keldo::FolderProblemMessage(problem));
        return false;
    }
    std::vector<std::string> errors;
    for (size_t i = 0; i < result.Size(); ++i) {
        std::string error;
        if (const auto& outcome = result.Outcomes()[i]; outcome && !writer->WriteWell(*outcome, error))
            errors.push_back(error);
    }
    std::vector<keldo::WellSummary> rows = result.Summaries();
    // zones.csv as keldo-field --tops writes it, from the zones of the run.
    writer->Finish(rows, errors, m_runTops != nullptr);
    if (!errors.empty()) {
        // One message box, its list cut after a few.
        constexpr size_t kShown = 5;
        std::string text;
        for (size_t i = 0; i < errors.size() && i < kShown; ++i)
            text += (text.empty() ? "" : "\n\n") + errors[i];
        if (errors.size() > kShown)
            text += keldo::Format("\n\n… und %zu weitere", errors.size() - kShown);
        m_messages.Show(text);
        return false;
    }
    m_pStatus->setText(QStringLiteral("Exportiert nach %1").arg(folder));
    return true;
}

void CFieldStudyWindow::OpenReport(int row)
{
    const auto& outcomes = m_pSummary->Result().Outcomes();
    if (row < 0 || row >= static_cast<int>(outcomes.size()) || !outcomes[size_t(row)])
        return;
    const std::string& document = m_study.wells[size_t(row)].inputs.document;
    auto* window = new CWellReportWindow(outcomes[size_t(row)], QString::fromStdString(document), this);
    connect(window, &CWellReportWindow::openDocument, this, &CFieldStudyWindow::openDocument);
    window->show();
}

void CFieldStudyWindow::closeEvent(QCloseEvent* event)
{
    // A study still running is called off; its results so far stay.
    Cancel();
    QWidget::closeEvent(event);
}
