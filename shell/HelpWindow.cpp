#include "HelpWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ScreenFit.h"

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_pBrowser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Keldo - Hilfe"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, true);
    m_pBrowser->setOpenExternalLinks(false);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pBrowser);
    layout->addWidget(buttons);
    resize(640, 720);
    keldo::FitIntoScreen(this);
}

bool CHelpWindow::Load(const QString& source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray html = file.readAll();
    if (html.isEmpty())
        return false;
    // Links inside the page (anchors, pictures) resolve against its folder.
    QString base = source.startsWith(QLatin1Char(':'))
        ? QStringLiteral("qrc") + source
        : QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()).toString();
    m_pBrowser->document()->setBaseUrl(QUrl(base));
    m_pBrowser->setHtml(QString::fromUtf8(html));
    return true;
}
