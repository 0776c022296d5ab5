#include "DlgFitModelPcTab.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChartView.h"
#include "FileDialogFolder.h"
#include "OpenFileDialog.h"
#include "PcConditioning.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "ReportText.h"
#include "TextFormat.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QTableWidgetItem* Cell(const std::string& text, bool editable = false)
{
    auto* item = new QTableWidgetItem(Utf8(text));
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QPushButton* Button(const char* text)
{
    auto* button = new QPushButton(QString::fromUtf8(text));
    button->setAutoDefault(true);
    return button;
}

// A closure pressure as its cell shows it (bar); empty: none.
std::string ClosureText(const std::optional<double>& closure)
{
    return closure ? keldo::Format("%g", *closure) : std::string();
}

} // namespace

DlgFitModelPcTab::DlgFitModelPcTab(const CKeldoInputs& inputs, keldo::IMessageBox& messages, QWidget* parent)
    : QWidget(parent), m_inputs(inputs), m_messages(messages)
{
    m_choose = [](QWidget* owner) {
        return keldo::ChooseFileToOpen(owner, QStringLiteral("Kapillardruckdatei öffnen"),
            {QStringLiteral("Kapillardruckdateien (*.csv *.CSV *.txt *.TXT)"), QStringLiteral("Alle Dateien (*)")},
            keldo::StartFolder(keldo::DocumentPathOf(owner)));
    };

    auto* data = new QGroupBox(QStringLiteral("Quecksilber-Kapillardruckmessungen an Kernproben"));
    m_sourceText = new QLabel(QStringLiteral("Noch keine Datei gewählt."));
    m_sourceText->setTextFormat(Qt::PlainText);
    m_sourceText->setWordWrap(true);
    m_fileButton = Button("Da&tei…");
    m_fileButton->setToolTip(QStringLiteral("CSV-Datei: sample, porosity, permeability, pressure, hg_saturation "
                                            "oder sw, wahlweise depth und closure"));
    m_samples = new QTableWidget(0, kColumns);
    m_samples->setHorizontalHeaderLabels(
        {QStringLiteral("Probe"), QStringLiteral("Teufe (m)"), QStringLiteral("Porosität"), QStringLiteral("K (mD)"),
            QStringLiteral("Punkte"), QStringLiteral("Schließdruck (bar)")});
    m_samples->verticalHeader()->hide();
    m_samples->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_samples->setToolTip(QStringLiteral("Leertaste: Probe an- oder abwählen; F2: Schließdruck ändern"));
    m_samples->setTabKeyNavigation(false);
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(m_sourceText);
    dataLayout->addWidget(m_fileButton, 0, Qt::AlignLeft);
    dataLayout->addWidget(m_samples, 1);

    auto* choices = new QGroupBox(QStringLiteral("Anpassung"));
    m_pcMax = new QLineEdit;
    m_pcMax->setMaximumWidth(m_pcMax->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000")));
    m_pcMax->setToolTip(QStringLiteral("Vorgabe: der höchste Druck der Datei"));
    m_alfaOrder = new QSpinBox;
    m_alfaOrder->setRange(0, 3);
    m_alfaOrder->setValue(3);
    m_twoStep = new QCheckBox(QStringLiteral("&Zweischritt-Anpassung übernehmen statt der Gesamtanpassung"));
    auto* choiceLayout = new QFormLayout(choices);
    choiceLayout->addRow(QStringLiteral("Pc &max (bar)"), m_pcMax);
    choiceLayout->addRow(QStringLiteral("al&fa-Ordnung"), m_alfaOrder);
    choiceLayout->addRow(m_twoStep);

    m_fitButton = Button("&Anpassen");
    m_numbers = new QPlainTextEdit;
    m_numbers->setReadOnly(true);
    m_numbers->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_numbers->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* pages = new QTabWidget;
    const char* pageNames[] = {"Kapillardruckkurven", "Parameter", "Sättigung über dem Kontakt"};
    for (size_t i = 0; i < m_charts.size(); ++i) {
        m_charts[i] = new CChartView(m_messages);
        pages->addTab(m_charts[i], QString::fromUtf8(pageNames[i]));
    }

    auto* column = new QVBoxLayout;
    column->addWidget(data, 2);
    column->addWidget(choices);
    column->addWidget(m_fitButton, 0, Qt::AlignLeft);
    column->addWidget(m_numbers, 1);
    auto* row = new QHBoxLayout(this);
    row->addLayout(column, 0);
    row->addWidget(pages, 1);

    connect(m_fileButton, &QPushButton::clicked, this, [this] {
        const std::string path = m_choose ? m_choose(this) : std::string();
        if (!path.empty())
            OpenFile(path);
    });
    connect(m_fitButton, &QPushButton::clicked, this, &DlgFitModelPcTab::OnFit);
}

QWidget* DlgFitModelPcTab::LastControl() const { return m_numbers; }

bool DlgFitModelPcTab::OpenFile(const std::string& path)
{
    keldo::PcTableResult read = keldo::ReadPcFile(path);
    if (!read.ok) {
        m_messages.Show(keldo::PcTableErrorMessage(read.error));
        return false;
    }
    m_table = std::move(read.table);
    m_path = path;
    m_source = keldo::PcFileSource(path);
    m_sourceText->setText(Utf8(m_source + keldo::Format(", %zu Proben", m_table.samples.size())));
    m_sourceText->setToolTip(Utf8(m_source));
    ShowTable();
    m_fitButton->setFocus();
    return true;
}

void DlgFitModelPcTab::ShowTable()
{
    m_samples->setRowCount(static_cast<int>(m_table.samples.size()));
    m_shownClosures.clear();
    for (size_t i = 0; i < m_table.samples.size(); ++i) {
        const keldo::PcSample& s = m_table.samples[i];
        const int row = static_cast<int>(i);
        QTableWidgetItem* name = Cell(s.name);
        name->setFlags(name->flags() | Qt::ItemIsUserCheckable);
        name->setCheckState(Qt::Checked);
        m_samples->setItem(row, kSample, name);
        m_samples->setItem(row, kDepth, Cell(s.depth ? keldo::Format("%.2f", *s.depth) : "-"));
        m_samples->setItem(row, kPorosity, Cell(keldo::Format("%.4f", s.porosity)));
        m_samples->setItem(row, kPermeability, Cell(keldo::Format("%.3f", s.permeability)));
        m_samples->setItem(row, kPoints, Cell(keldo::Format("%zu", s.points.size())));
        m_shownClosures.push_back(ClosureText(s.closure));
        m_samples->setItem(row, kClosure, Cell(m_shownClosures.back(), true));
    }
    // Pc max as the normalization takes it from the file, to 0.1 bar.
    m_shownPcMax = keldo::ShowNumber(keldo::PcMaxFor(m_table, std::nullopt));
    m_pcMax->setText(Utf8(m_shownPcMax.text));
}

bool DlgFitModelPcTab::ChosenTable(keldo::PcTable& table)
{
    table = m_table;
    for (size_t i = 0; i < table.samples.size(); ++i) {
        keldo::PcSample& s = table.samples[i];
        const int row = static_cast<int>(i);
        s.takesPart = m_samples->item(row, kSample)->checkState() == Qt::Checked;
        const std::string text = m_samples->item(row, kClosure)->text().trimmed().toStdString();
        if (text == m_shownClosures[i])
            continue; // as read, to the bit
        float closure = 0;
        if (text.empty()) {
            s.closure.reset();
        } else if (keldo::ParseFieldNumber(text, closure) && closure >= 0) {
            s.closure = closure;
        } else {
            m_messages.Show(keldo::NotANumberMessage("Schließdruck (bar) der Probe „" + s.name + "“"));
            m_samples->setCurrentCell(row, kClosure);
            m_samples->setFocus();
            return false;
        }
    }
    return true;
}

bool DlgFitModelPcTab::ChosenOptions(keldo::PcFitOptions& options)
{
    options.alfaOrder = m_alfaOrder->value();
    options.twoStep = m_twoStep->isChecked();
    const std::string text = m_pcMax->text().trimmed().toStdString();
    // Untouched: the file's own Pc max, as keldo-batch takes it without --pc-max.
    if (text.empty() || text == m_shownPcMax.text) {
        options.pcMax.reset();
        return true;
    }
    float pcMax = 0;
    if (!keldo::ParseFieldNumber(text, pcMax)) {
        m_messages.Show(keldo::NotANumberMessage("Pc max (bar)"));
        m_pcMax->setFocus();
        m_pcMax->selectAll();
        return false;
    }
    options.pcMax = pcMax;
    return true;
}

void DlgFitModelPcTab::OnFit()
{
    if (m_source.empty()) {
        m_messages.Show("Für die Normierung fehlen die Daten: bitte eine Kapillardruckdatei wählen.");
        return;
    }
    keldo::PcTable table;
    keldo::PcFitOptions options;
    if (!ChosenTable(table) || !ChosenOptions(options))
        return;
    keldo::PcDocumentFit fit = keldo::FitPcForDocument(table, options, m_path, m_inputs);
    if (!fit.normalization.ok) {
        m_messages.Show(keldo::PcRefusalMessage(fit.normalization.refusal));
        return;
    }
    m_numbers->setPlainText(ReportText(fit.report));
    m_charts[0]->SetPage(fit.curves);
    m_charts[1]->SetPage(fit.parameters);
    m_charts[2]->SetPage(fit.heights);
    m_fit = std::move(fit);
    if (m_onFitted)
        m_onFitted(m_fit->fitted);
}
