// The controls of "Modell anpassen" and where they stand: on each tab the
// data or range, "Anpassen" and the numbers on the left, the graph on the
// right; "Übernehmen" and "Schließen" below the tabs. The tab order runs the
// same way, and Enter presses "Anpassen" of the tab shown unless a button has
// the focus.
#include <QAction>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChartView.h"
#include "DlgFitModel.h"
#include "DlgFitModelPcTab.h"
#include "DlgFitModelPressure.h"
#include "OutOfMemory.h"
#include "ScreenFit.h"
#include "TextFormat.h"

namespace {

// The widest report line ("  PHI/K-Korrelation: log(K) =…") in characters.
constexpr int kNumbersColumns = 70;

// Enter presses the button that has the focus, else "Anpassen" of the tab
// shown (the dialog's default button).
QPushButton* Button(const char* text)
{
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setAutoDefault(true);
    return button;
}

QPlainTextEdit* NumbersField()
{
    auto* numbers = new QPlainTextEdit;
    numbers->setReadOnly(true);
    numbers->setLineWrapMode(QPlainTextEdit::NoWrap);
    numbers->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    numbers->setMinimumWidth(numbers->fontMetrics().horizontalAdvance(QString(kNumbersColumns, QLatin1Char('M'))) + 24);
    return numbers;
}

// The column of the controls and numbers beside the graph.
QWidget* Page(QVBoxLayout* column, CChartView* chart)
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->addLayout(column, 0);
    row->addWidget(chart, 1);
    return page;
}

} // namespace

void DlgFitModel::CreateControls()
{
    setWindowTitle(QStringLiteral("Modell anpassen"));
    resize(1120, 680);

    m_tabs = new QTabWidget;
    m_tabs->addTab(CreatePhiKPage(), QStringLiteral("&Phi-K"));
    m_tabs->addTab(CreateContactPage(), QStringLiteral("K&ontakt"));
    m_pcTab = new DlgFitModelPcTab(m_inputs, m_messages);
    m_tabs->addTab(m_pcTab, QStringLiteral("Kapillardr&uck"));
    for (CChartView* chart : m_pcTab->Charts())
        AddChartMenu(chart);
    m_pressure = new DlgFitModelPressure(m_inputs, m_messages,
        [this] { return m_contact ? std::optional<float>(m_contact->contact) : std::nullopt; });
    AddChartMenu(m_pressure->Chart());
    m_tabs->addTab(m_pressure, QStringLiteral("&Druck"));

    m_takeOver = Button("Ü&bernehmen");
    m_takeOver->setToolTip(QStringLiteral("Schreibt die angepassten Werte in das Dokument"));
    m_close = Button("&Schließen");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_takeOver);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    setTabOrder(m_fitContact, m_contactNumbers);
    setTabOrder(m_contactNumbers, m_takeOver);
    setTabOrder(m_pcTab->LastControl(), m_takeOver);
    setTabOrder(m_takeOver, m_close);
    // The tab "Druck" between the numbers of "Kontakt" and "Übernehmen".
    setTabOrder(m_contactNumbers, m_pressure->OpenButton());
    setTabOrder(m_pressure->OpenButton(), m_pressure->Points());
    setTabOrder(m_pressure->Points(), m_pressure->Numbers());

    // Reading a file and fitting may run out of memory: a message, the
    // dialog stays.
    auto guarded = [this](auto work) {
        return [this, work] { keldo::RunCatchingOutOfMemory(work, m_messages); };
    };
    connect(m_lasButton, &QPushButton::clicked, this, guarded([this] {
        const std::string path = m_chooseLas ? m_chooseLas(this) : std::string();
        if (!path.empty())
            ReadLasPairs(path);
    }));
    connect(m_coreButton, &QPushButton::clicked, this, guarded([this] {
        const std::string path = m_chooseCore ? m_chooseCore(this) : std::string();
        if (!path.empty())
            ReadCorePairs(path);
    }));
    connect(m_fitPhiK, &QPushButton::clicked, this, guarded([this] { OnFitPhiK(); }));
    connect(m_fitContact, &QPushButton::clicked, this, guarded([this] { OnFitContact(); }));
    connect(m_takeOver, &QPushButton::clicked, this, &DlgFitModel::OnTakeOver);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_tabs, &QTabWidget::currentChanged, this, &DlgFitModel::OnTabChanged);
    m_pcTab->SetOnFitted([this](const keldo::FittedCapillaryModel& fitted) {
        m_fitted.capillary = fitted;
        ForgetContact(QStringLiteral("Das Kapillardruckmodell ist neu angepasst: bitte den Kontakt neu anpassen.\n"));
        UpdateTakeOver();
    });
    connect(m_pressure, &DlgFitModelPressure::LevelChanged, this, &DlgFitModel::UpdateTakeOver);

    ShowContactBasis();
    UpdateTakeOver();
    OnTabChanged(0);
    // The tabs have the focus first, so that Enter presses "Anpassen" (the
    // default button) and not the first data button.
    m_tabs->setFocus();
    keldo::FitIntoScreen(this);
}

QWidget* DlgFitModel::CreatePhiKPage()
{
    auto* data = new QGroupBox(QStringLiteral("Daten"));
    m_sourceText = new QLabel(QStringLiteral("Noch keine Daten gewählt."));
    m_sourceText->setTextFormat(Qt::PlainText);
    m_sourceText->setWordWrap(true);
    m_lasButton = Button("&LAS-Datei…");
    m_lasButton->setToolTip(QStringLiteral("Porosität und Permeabilitätskurve einer LAS-Datei"));
    m_coreButton = Button("&Kerntabelle…");
    m_coreButton->setToolTip(QStringLiteral("Teufe, Porosität und Permeabilität (mD) je Zeile"));
    auto* sources = new QHBoxLayout;
    sources->addWidget(m_lasButton);
    sources->addWidget(m_coreButton);
    sources->addStretch(1);
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(m_sourceText);
    dataLayout->addLayout(sources);

    auto* order = new QGroupBox(QStringLiteral("Ordnung"));
    m_order1 = new QRadioButton(QStringLiteral("&1:  log10(K) = a0 + a1·Phi"));
    m_order2 = new QRadioButton(QStringLiteral("&2:  log10(K) = a0 + a1·Phi + a2·Phi²"));
    m_order2->setChecked(true);
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_order1);
    orderLayout->addWidget(m_order2);

    m_fitPhiK = Button("&Anpassen");
    m_phiKNumbers = NumbersField();
    m_phiKChart = new CChartView(m_messages);
    AddChartMenu(m_phiKChart);

    auto* column = new QVBoxLayout;
    column->addWidget(data);
    column->addWidget(order);
    column->addWidget(m_fitPhiK, 0, Qt::AlignLeft);
    column->addWidget(m_phiKNumbers, 1);
    return Page(column, m_phiKChart);
}

QWidget* DlgFitModel::CreateContactPage()
{
    m_contactBasis = new QLabel;
    m_contactBasis->setTextFormat(Qt::PlainText);
    m_contactBasis->setWordWrap(true);

    auto* rangeBox = new QGroupBox(QStringLiteral("Kontaktbereich"));
    m_rangeFrom = new CDecimalEdit(0, 2);
    m_rangeTo = new CDecimalEdit(0, 2);
    for (QLineEdit* field : {m_rangeFrom, m_rangeTo}) {
        field->setMaximumWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
        field->clear();
    }
    if (const auto range = keldo::DefaultContactRange(m_lines, m_inputs.m_fMinTeufe, m_inputs.m_fMaxTeufe)) {
        // Both ends with the centimetres the fitted contact is given in.
        m_shownFrom = {keldo::Format("%.2f", static_cast<double>(range->from)), range->from};
        m_shownTo = {keldo::Format("%.2f", static_cast<double>(range->to)), range->to};
        m_rangeFrom->setText(QString::fromStdString(m_shownFrom.text));
        m_rangeTo->setText(QString::fromStdString(m_shownTo.text));
    }
    auto* rangeLayout = new QFormLayout(rangeBox);
    rangeLayout->addRow(QStringLiteral("&von (m)"), m_rangeFrom);
    rangeLayout->addRow(QStringLiteral("b&is (m)"), m_rangeTo);
    auto* note = new QLabel(QStringLiteral("Vorgabe: von der flachsten Messung im Teufenbereich bis 300 m unter "
                                           "die tiefste. Abgesucht wird in Schritten von 1 m, verfeinert auf 0.01 m."));
    note->setWordWrap(true);
    rangeLayout->addRow(note);

    m_fitContact = Button("&Anpassen");
    m_contactNumbers = NumbersField();
    m_contactChart = new CChartView(m_messages);
    AddChartMenu(m_contactChart);

    auto* column = new QVBoxLayout;
    column->addWidget(m_contactBasis);
    column->addWidget(rangeBox);
    column->addWidget(m_fitContact, 0, Qt::AlignLeft);
    column->addWidget(m_contactNumbers, 1);
    return Page(column, m_contactChart);
}

void DlgFitModel::AddChartMenu(CChartView* chart)
{
    chart->setContextMenuPolicy(Qt::ActionsContextMenu);
    chart->setToolTip(QStringLiteral("Rechte Maustaste: drucken oder exportieren"));
    const struct {
        const char* text;
        void (CChartView::*command)();
    } items[] = {
        {"Drucken…", &CChartView::FilePrint},
        {"Seitenansicht", &CChartView::FilePrintPreview},
        {"Grafik exportieren…", &CChartView::ExportDialog},
    };
    for (const auto& item : items) {
        auto* action = new QAction(QString::fromUtf8(item.text), chart);
        connect(action, &QAction::triggered, chart, item.command);
        chart->addAction(action);
    }
}

void DlgFitModel::OnTabChanged(int index)
{
    m_fitPhiK->setDefault(index == 0);
    m_fitContact->setDefault(index == 1);
    m_pcTab->FitButton()->setDefault(m_tabs->widget(index) == m_pcTab);
    m_pressure->OpenButton()->setDefault(m_tabs->widget(index) == m_pressure);
    if (m_tabs->widget(index) == m_pressure)
        m_pressure->ShowLogContact();
}
