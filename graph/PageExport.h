#pragma once
#include <QPointF>
#include <QRectF>
#include <string>

#include "GraphPrimitives.h"

class QPainter;

// Painting and saving a whole page of logical units (0.1 mm, y upward):
// the charts that are not the saturation graph go through here for the
// screen, the printer and the exported files alike.
namespace keldo {

// Whether `path` names a file type a page is saved as (.png, .svg or .pdf,
// in any case), so that a wrong name is refused before anything is computed.
// False with the German message in `error` otherwise.
bool IsGraphFileName(const std::string& path, std::string& error);

// Starts an offscreen GUI application when the process has none (the
// command-line tools): text needs Qt's font database. False with a German
// `error` when another kind of Qt application runs.
bool EnsureGuiApplication(std::string& error);

// Maps the page onto the painter's device at its resolution, the page's
// top left corner at `topLeft` (device units), enlarged by `zoom`.
void SetPageExtentTransform(QPainter& painter, const PageExtent& extent, QPointF topLeft = {}, double zoom = 1.0);

// Paints the page as large as fits into `target` (device units), centred,
// its proportions kept; the painter's device decides the resolution.
void PaintPageFitted(QPainter& painter, const GraphPage& page, const QRectF& target);

// Saves the page as a PNG image (150 dpi, white background), an SVG drawing
// or a one-page PDF, with the page's title (and "Keldo" as creator in a PDF), chosen by
// the extension of `path`. Drawn in memory, then written whole by
// ReplaceFile: a failure leaves no half-written file and keeps an older one.
// False with a German `error` that names the file and the reason.
bool ExportPage(const GraphPage& page, const std::string& path, std::string& error);

} // namespace keldo
