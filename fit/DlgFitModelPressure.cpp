#include "DlgFitModelPressure.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ChartView.h"
#include "FileDialogFolder.h"
#include "OpenFileDialog.h"
#include "PressureMessages.h"
#include "ReportText.h"
#include "TextFormat.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

QStringList PressureFileFilters()
{
    return {QStringLiteral("Druckdateien (*.csv *.CSV *.txt *.TXT)"), QStringLiteral("Alle Dateien (*)")};
}

// One row of the points table: the file's line, depth, pressure (bar) and leg.
void AddPoint(QTableWidget* table, const keldo::PressurePoint& point, const QString& leg)
{
    const int row = table->rowCount();
    table->insertRow(row);
    const QString cells[] = {QString::number(point.line), Utf8(keldo::Format("%.2f", point.depth)),
        Utf8(keldo::Format("%.3f", point.pressure)), leg};
    for (int c = 0; c < 4; ++c) {
        auto* item = new QTableWidgetItem(cells[c]);
        item->setTextAlignment(c < 3 ? (Qt::AlignRight | Qt::AlignVCenter) : (Qt::AlignLeft | Qt::AlignVCenter));
        table->setItem(row, c, item);
    }
}

} // namespace

DlgFitModelPressure::DlgFitModelPressure(
    const CKeldoInputs& inputs, keldo::IMessageBox& messages, LogContact logContact, QWidget* parent)
    : QWidget(parent), m_inputs(inputs), m_messages(messages), m_logContact(std::move(logContact))
{
    m_choose = [](QWidget* owner) {
        return keldo::ChooseFileToOpen(owner, QStringLiteral("Druckdatei öffnen"), PressureFileFilters(),
            keldo::StartFolder(keldo::DocumentPathOf(owner)));
    };

    auto* data = new QGroupBox(QStringLiteral("Formationsdrücke"));
    m_file = new QLabel(QStringLiteral("Noch keine Druckdatei gewählt."));
    m_file->setTextFormat(Qt::PlainText);
    m_file->setWordWrap(true);
    m_open = new QPushButton(QStringLiteral("Druckdatei öff&nen…"));
    m_open->setAutoDefault(true);
    m_open->setToolTip(QStringLiteral("CSV mit depth (m), pressure (bar, psi, kPa, MPa), optional fluid, well, use"));
    auto* dataLayout = new QVBoxLayout(data);
    dataLayout->addWidget(m_file);
    dataLayout->addWidget(m_open, 0, Qt::AlignLeft);

    m_points = new QTableWidget(0, 4);
    m_points->setHorizontalHeaderLabels(
        {QStringLiteral("Zeile"), QStringLiteral("Teufe (m)"), QStringLiteral("Druck (bar)"), QStringLiteral("Gradient")});
    m_points->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_points->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_points->verticalHeader()->hide();
    m_points->horizontalHeader()->setStretchLastSection(true);

    m_numbers = new QPlainTextEdit;
    m_numbers->setReadOnly(true);
    m_numbers->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_numbers->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // The block's widest line ("  Gasgradient: 8 Punkte von …") in full.
    m_numbers->setMinimumWidth(m_numbers->fontMetrics().horizontalAdvance(QString(62, QLatin1Char('M'))) + 24);
    m_numbers->setPlaceholderText(
        QStringLiteral("„Übernehmen“ schreibt auf dieser Seite das freie Wasserniveau als Kontakt in das Dokument."));

    m_chart = new CChartView(m_messages);
    m_chart->setToolTip(QStringLiteral("Druck über Teufe"));

    auto* column = new QVBoxLayout;
    column->addWidget(data);
    column->addWidget(m_points, 1);
    column->addWidget(m_numbers, 2);
    auto* row = new QHBoxLayout(this);
    row->addLayout(column, 0);
    row->addWidget(m_chart, 1);

    connect(m_open, &QPushButton::clicked, this, [this] {
        const std::string path = m_choose ? m_choose(this) : std::string();
        if (!path.empty())
            OpenFile(path);
    });
}

bool DlgFitModelPressure::OpenFile(const std::string& path)
{
    keldo::PressureEvaluation evaluation = keldo::EvaluatePressureFile(path, path, m_inputs);
    if (!evaluation.ok()) {
        m_messages.Show(evaluation.Message());
        return false;
    }
    m_evaluation = std::move(evaluation);
    m_file->setText(Utf8(path));
    m_file->setToolTip(Utf8(path));
    ShowPoints();
    ShowEvaluation();
    emit LevelChanged();
    return true;
}

std::optional<float> DlgFitModelPressure::Contact() const
{
    if (!m_evaluation)
        return std::nullopt;
    return keldo::LevelAsContact(m_evaluation->level);
}

void DlgFitModelPressure::ShowPoints()
{
    m_points->setRowCount(0);
    for (size_t i = 0; i < m_evaluation->level.legs.size(); ++i) {
        const keldo::PressureLeg& leg = m_evaluation->level.legs[i];
        const bool used = static_cast<int>(i) == m_evaluation->level.water
            || static_cast<int>(i) == m_evaluation->level.hydrocarbon;
        const QString name = Utf8(keldo::PressureLegName(leg.kind)) + (used ? QString() : QStringLiteral(" (nur gezeigt)"));
        for (const keldo::PressurePoint& point : leg.points)
            AddPoint(m_points, point, name);
    }
    for (const keldo::PressurePoint& point : m_evaluation->table.leftOut)
        AddPoint(m_points, point, QStringLiteral("ausgelassen (use = 0)"));
    m_points->resizeColumnsToContents();
}

void DlgFitModelPressure::ShowEvaluation()
{
    m_shownLogContact = m_logContact ? m_logContact() : std::nullopt;
    m_numbers->setPlainText(ReportText(keldo::PressureEvaluationReport(*m_evaluation, m_inputs, m_shownLogContact)));
    m_chart->SetPage(keldo::PressureEvaluationPage(*m_evaluation, m_inputs, m_shownLogContact));
}

void DlgFitModelPressure::ShowLogContact()
{
    if (m_evaluation && m_logContact && m_logContact() != m_shownLogContact)
        ShowEvaluation();
}
