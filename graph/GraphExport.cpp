#include "GraphExport.h"

#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "GrafikState.h"
#include "GraphPainter.h"
#include "KeldoDoc.h"
#include "PageExport.h"
#include "PrintJob.h"

namespace keldo {
namespace {

constexpr int kPngDpi = 150;

// The whole page of the screen layout, from the window origin on.
void PaintPage(QPainter& painter, CKeldoDoc& doc, CGrafikState& state)
{
    SetPageTransform(painter);
    const QtTextMeasure measure;
    PaintDisplayList(painter, state.zeichnen(doc, measure));
}

bool WritePng(QSaveFile& file, CKeldoDoc& doc, CGrafikState& state)
{
    const CGrafikState::Extent extent = state.PageExtent();
    const double scale = PixelsPerUnit(kPngDpi);
    QImage image(int(extent.Width() * scale + 0.5), int(extent.Height() * scale + 0.5), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(kPngDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(kPngDpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintPage(painter, doc, state);
    painter.end();
    return image.save(&file, "PNG");
}

bool WriteSvg(QSaveFile& file, CKeldoDoc& doc, CGrafikState& state)
{
    const CGrafikState::Extent extent = state.PageExtent();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(254); // one user unit of the drawing is 0.1 mm
    svg.setSize(QSize(extent.Width(), extent.Height()));
    svg.setViewBox(QRect(0, 0, extent.Width(), extent.Height()));
    svg.setTitle(QString::fromStdString(doc.m_strTitel));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(0, 0, extent.Width(), extent.Height()), Qt::white);
    PaintPage(painter, doc, state);
    return painter.end();
}

bool WritePdf(QSaveFile& file, CKeldoDoc& doc, CGrafikState& state)
{
    const CGrafikState::Extent extent = state.PageExtent();
    QPdfWriter pdf(&file);
    pdf.setTitle(QString::fromStdString(PrintJobTitle(doc.GetTitle(), doc.m_strBohrung)));
    pdf.setCreator(QString::fromLatin1(kPrintCreator));
    pdf.setPageSize(QPageSize(QSizeF(extent.Width() / 10.0, extent.Height() / 10.0), QPageSize::Millimeter, QString(),
        QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    PaintPage(painter, doc, state);
    return painter.end();
}

} // namespace

bool IsGraphFileName(const std::string& path, std::string& error)
{
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "png" || suffix == "svg" || suffix == "pdf")
        return true;
    error = "Die Grafik kann nur als PNG, SVG oder PDF gespeichert werden "
            "(Dateiendung .png, .svg oder .pdf): "
        + path;
    return false;
}

bool ExportGraph(CKeldoDoc& doc, const std::string& path, std::string& error)
{
    if (!IsGraphFileName(path, error))
        return false;
    const QString fileName = QString::fromStdString(path);
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (!EnsureGuiApplication(error))
        return false;

    // The screen layout, scaled from the document as it is now. The
    // document's scaling mark belongs to the graph view and stays as it is.
    CGrafikState state;
    state.extreme(doc);
    state.scale(doc);
    state.worldtrans(doc);

    // Written beside the target and renamed at the end, so that a failure
    // leaves neither a broken file nor a damaged older one.
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        if (suffix == "png")
            written = WritePng(file, doc, state);
        else if (suffix == "svg")
            written = WriteSvg(file, doc, state);
        else
            written = WritePdf(file, doc, state);
    }
    if (!written || !file.commit()) {
        file.cancelWriting();
        error = "Die Grafik kann nicht in die Datei " + path + " geschrieben werden.";
        return false;
    }
    return true;
}

} // namespace keldo
