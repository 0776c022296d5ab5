#include "WellReportWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ScreenFit.h"

namespace {

QPlainTextEdit* LinesView(const std::vector<std::string>& lines, QWidget* parent)
{
    auto* view = new QPlainTextEdit(parent);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString text;
    for (const std::string& line : lines)
        text += QString::fromStdString(line) + QLatin1Char('\n');
    view->setPlainText(text);
    return view;
}

} // namespace

CWellReportWindow::CWellReportWindow(
    std::shared_ptr<const keldo::WellOutcome> outcome, const QString& document, QWidget* parent)
    : QDialog(parent), m_outcome(std::move(outcome)), m_pTabs(new QTabWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bohrung %1").arg(QString::fromStdString(m_outcome->summary.well)));
    m_pTabs->addTab(LinesView(m_outcome->saturationReport, this), QStringLiteral("&Wassersättigung"));
    m_pTabs->addTab(LinesView(m_outcome->contactReport, this), QStringLiteral("&Kontakt"));
    m_pTabs->addTab(LinesView(m_outcome->messages, this), QStringLiteral("&Meldungen"));
    // A well that was not computed has only its messages to tell.
    if (m_outcome->summary.status == keldo::WellStatus::Unreadable)
        m_pTabs->setCurrentIndex(2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Schließen"));
    if (!document.isEmpty()) {
        QPushButton* open = buttons->addButton(QStringLiteral("&Dokument öffnen"), QDialogButtonBox::ActionRole);
        connect(open, &QPushButton::clicked, this, [this, document] {
            emit openDocument(document);
            close();
        });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTabs);
    layout->addWidget(buttons);
    resize(760, 560);
    keldo::FitIntoScreen(this);
}
