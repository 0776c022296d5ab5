#include "PrintPreview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

#include "KeldoDoc.h"
#include "PrintJob.h"

namespace keldo {

namespace {

// Where no main window is around (a view on its own).
constexpr QSize kPreviewSize(900, 700);

} // namespace

void LabelPrintJob(QPrinter& printer, const CKeldoDoc& doc)
{
    printer.setDocName(QString::fromStdString(PrintJobTitle(doc.GetTitle(), doc.m_strBohrung)));
    printer.setCreator(QString::fromLatin1(kPrintCreator));
}

void RunPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Seitenansicht"));
    const QWidget* frame = parent ? parent->window() : nullptr;
    if (frame && frame != parent && frame->isVisible())
        preview.setGeometry(frame->geometry());
    else
        preview.resize(kPreviewSize);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* target) {
        if (target)
            paint(*target);
    });
    preview.exec();
}

} // namespace keldo
