#include "NetPayWindow.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "DocumentCurves.h"
#include "KeldoDoc.h"
#include "NetPayReport.h"

CNetPayWindow::CNetPayWindow(const CKeldoDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_text(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("Nettomächtigkeit"));
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* refresh = buttons->addButton(QStringLiteral("&Aktualisieren"), QDialogButtonBox::ActionRole);
    connect(refresh, &QPushButton::clicked, this, &CNetPayWindow::Refresh);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(560, 420);
    Refresh();
}

void CNetPayWindow::Refresh()
{
    // With the shale volume of the lines' LAS import where it chose one.
    const keldo::MeasurementCurves curves = keldo::ComputeDocumentCurves(m_doc);
    QString text = QString::fromStdString("  Bohrung: " + m_doc.m_strBohrung + "\n");
    for (const std::string& line :
        keldo::NetPayBlock(keldo::ComputeNetPay(curves.rows), curves.cutoffs, curves.shaleCurve))
        text += QString::fromStdString(line) + QLatin1Char('\n');
    m_text->setPlainText(text);
}

QString CNetPayWindow::Text() const { return m_text->toPlainText(); }
