#include "PageExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <clocale>

#include "FileAccess.h"
#include "GraphPainter.h"
#include "PrintJob.h"

namespace keldo {
namespace {

constexpr int kPngDpi = 150;

// Each format is drawn into memory first: the file is written whole
// afterwards, or not at all.
bool WritePng(QBuffer& file, const GraphPage& page)
{
    const double scale = PixelsPerUnit(kPngDpi);
    QImage image(int(page.extent.Width() * scale + 0.5), int(page.extent.Height() * scale + 0.5), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(kPngDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(kPngDpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    SetPageExtentTransform(painter, page.extent);
    PaintDisplayList(painter, page.list);
    painter.end();
    return image.save(&file, "PNG");
}

bool WriteSvg(QBuffer& file, const GraphPage& page)
{
    const int width = page.extent.Width(), height = page.extent.Height();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(254); // one user unit of the drawing is 0.1 mm
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle(QString::fromStdString(page.title));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    SetPageExtentTransform(painter, page.extent);
    PaintDisplayList(painter, page.list);
    return painter.end();
}

bool WritePdf(QBuffer& file, const GraphPage& page)
{
    QPdfWriter pdf(&file);
    pdf.setTitle(QString::fromStdString(page.title));
    pdf.setCreator(QString::fromLatin1(kPrintCreator));
    pdf.setPageSize(QPageSize(QSizeF(page.extent.Width() / 10.0, page.extent.Height() / 10.0), QPageSize::Millimeter,
        QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    SetPageExtentTransform(painter, page.extent);
    PaintDisplayList(painter, page.list);
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

bool EnsureGuiApplication(std::string& error)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    if (QCoreApplication::instance()) {
        error = "Die Grafik kann in diesem Programm nicht gezeichnet werden (keine grafische Anwendung).";
        return false;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt adopts the user's locale for the C library; the caller's numbers
    // stay in the locale it had.
    const std::string locale = std::setlocale(LC_ALL, nullptr);
    static int argc = 1;
    static char name[] = "keldo";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
    std::setlocale(LC_ALL, locale.c_str());
    return true;
}

void SetPageExtentTransform(QPainter& painter, const PageExtent& extent, QPointF topLeft, double zoom)
{
    const QPaintDevice* device = painter.device();
    const double sx = PixelsPerUnit(device->logicalDpiX()) * zoom;
    const double sy = PixelsPerUnit(device->logicalDpiY()) * zoom;
    QTransform t;
    t.translate(topLeft.x(), topLeft.y());
    t.scale(sx, -sy);
    t.translate(-extent.left, -extent.top);
    painter.setWorldTransform(t);
}

void PaintPageFitted(QPainter& painter, const GraphPage& page, const QRectF& target)
{
    const QPaintDevice* device = painter.device();
    const double width = page.extent.Width() * PixelsPerUnit(device->logicalDpiX());
    const double height = page.extent.Height() * PixelsPerUnit(device->logicalDpiY());
    if (width <= 0 || height <= 0 || target.isEmpty())
        return;
    const double zoom = std::min(target.width() / width, target.height() / height);
    const QPointF topLeft(
        target.left() + (target.width() - width * zoom) / 2, target.top() + (target.height() - height * zoom) / 2);
    painter.save();
    SetPageExtentTransform(painter, page.extent, topLeft, zoom);
    PaintDisplayList(painter, page.list);
    painter.restore();
}

bool ExportPage(const GraphPage& page, const std::string& path, std::string& error)
{
    if (!IsGraphFileName(path, error) || !EnsureGuiApplication(error))
        return false;
    const QString fileName = QString::fromStdString(path);
    const QString suffix = QFileInfo(fileName).suffix().toLower();

    QByteArray bytes;
    QBuffer file(&bytes);
    bool drawn = file.open(QIODevice::WriteOnly);
    if (drawn) {
        if (suffix == "png")
            drawn = WritePng(file, page);
        else if (suffix == "svg")
            drawn = WriteSvg(file, page);
        else
            drawn = WritePdf(file, page);
        file.close();
    }
    if (!drawn) {
        error = "Die Grafik kann nicht in die Datei " + path + " geschrieben werden.";
        return false;
    }
    int err = 0;
    if (!ReplaceFile(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), err)) {
        error = "Die Grafik kann nicht in die Datei " + path + " geschrieben werden.\n" + SystemErrorReason(err);
        return false;
    }
    return true;
}

} // namespace keldo
