#include "PrintPages.h"

#include <QBuffer>
#include <QPaintEngine>
#include <QPdfWriter>
#include <QPrinter>

#include "FileAccess.h"

namespace keldo {

bool PrintPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint, std::string& error)
{
    // A print preview keeps the printer's file name but paints into its own
    // engine: only a printer that really writes a PDF file is redirected.
    const QPaintEngine* engine = printer.paintEngine();
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty() || engine == nullptr
        || engine->type() != QPaintEngine::Pdf) {
        paint(printer); // a printer reports its own failures
        return true;
    }
    const std::string path = printer.outputFileName().toStdString();
    QByteArray bytes;
    bool painted = false;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(printer.resolution());
        pdf.setTitle(printer.docName());
        pdf.setCreator(printer.creator());
        pdf.setPdfVersion(printer.pdfVersion());
        painted = paint(pdf);
    }
    int err = 0;
    if (painted && ReplaceFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), err))
        return true;
    error = "Der Ausdruck kann nicht in die Datei " + path + " geschrieben werden.";
    if (painted)
        error += "\n" + SystemErrorReason(err);
    return false;
}

} // namespace keldo
