#include "ChartView.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "MessageBox.h"
#include "PageExport.h"
#include "PrintJob.h"
#include "PrintPreview.h"

CChartView::CChartView(keldo::IMessageBox& messages, QWidget* parent) : QWidget(parent), m_messages(messages)
{
    setMinimumSize(320, 240);
}

void CChartView::SetPage(keldo::GraphPage page)
{
    m_page = std::move(page);
    update();
}

void CChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    keldo::PaintPageFitted(painter, m_page, QRectF(rect()).adjusted(4, 4, -4, -4));
}

void CChartView::Print(QPrinter& printer)
{
    printer.setDocName(QString::fromStdString(m_page.title));
    printer.setCreator(QString::fromLatin1(keldo::kPrintCreator));
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    keldo::PaintPageFitted(painter, m_page,
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft()));
    painter.end();
}

void CChartView::FilePrint()
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted)
        Print(printer);
}

void CChartView::FilePrintPreview()
{
    QPrinter ownPrinter(QPrinter::HighResolution);
    QPrinter& printer = m_pPrinter ? *m_pPrinter : ownPrinter;
    keldo::RunPrintPreview(this, printer, [this](QPrinter& target) { Print(target); });
}

void CChartView::ExportDialog()
{
    const QString pngFilter = QStringLiteral("PNG-Bild (*.png)");
    const QString svgFilter = QStringLiteral("SVG-Grafik (*.svg)");
    const QString pdfFilter = QStringLiteral("PDF-Dokument (*.pdf)");
    QString selected = pngFilter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Grafik exportieren"),
        QStringLiteral("Grafik.png"), pngFilter + ";;" + svgFilter + ";;" + pdfFilter, &selected);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += selected == svgFilter ? ".svg" : selected == pdfFilter ? ".pdf" : ".png";
    std::string error;
    if (!keldo::ExportPage(m_page, path.toStdString(), error))
        m_messages.Show(error);
}
