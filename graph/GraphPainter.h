#pragma once
#include <QFont>
#include <QPointF>

#include "GraphPrimitives.h"

class QPainter;

// Painting a graph page with Qt: one transform from logical units (0.1 mm,
// y upward) to the device, the fonts, pens and brush of the graph.
namespace keldo {

// Device pixels per logical unit of a device with `dpi` dots per inch.
inline double PixelsPerUnit(double dpi) { return dpi / 254.0; }

// Maps logical units onto the painter's device from its resolution, y
// flipped, with the window origin (-400, 350) at the device point `scroll`
// (negated): the top left corner of the surface when `scroll` is (0, 0).
void SetPageTransform(QPainter& painter, QPointF scroll = {});

// The graph font of `kind`, with its height in logical units as the cell
// height of the font, a monospaced face of constant stroke width.
QFont GraphFont(FontKind kind);

// Paints the primitives in order through the painter's current transform.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

// Text widths with the real graph fonts, in logical units.
class QtTextMeasure : public ITextMeasure {
public:
    QtTextMeasure();
    int TextWidth(FontKind font, const std::string& text) const override;

private:
    QFont m_fonts[3];
};

} // namespace keldo
