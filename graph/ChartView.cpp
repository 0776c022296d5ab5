#include "ChartView.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "ExportFileDialog.h"
#include "MessageBox.h"
#include "PageExport.h"
#include "PrintJob.h"
#include "PrintPages.h"
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
    std::string error;
    const bool written = keldo::PrintPages(
        printer,
        [this](QPagedPaintDevice& device) {
            QPainter painter;
            if (!painter.begin(&device))
                return false;
            const QRect printable = device.pageLayout().paintRectPixels(device.logicalDpiX());
            keldo::PaintPageFitted(painter, m_page, printable.translated(-printable.topLeft()));
            return painter.end();
        },
        error);
    if (!written)
        m_messages.Show(error);
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
    const QString path = keldo::AskGraphExportPath(this, QStringLiteral("Grafik"));
    if (path.isEmpty())
        return;
    std::string error;
    if (!keldo::ExportPage(m_page, path.toStdString(), error))
        m_messages.Show(error);
}
