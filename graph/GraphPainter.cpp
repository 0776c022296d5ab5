#include "GraphPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "GrafikState.h"

namespace keldo {
namespace {

// Spacing of the hatch lines of the bars: the 8 pixels of a hatch brush on
// a 96 dpi screen, kept the same on every device so that paper shows what
// the screen shows.
constexpr double kHatchSpacing = 8 * 254.0 / 96.0;

QString ToQString(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

int FontIndex(FontKind kind) { return static_cast<int>(kind); }

QPen MakePen(PenKind kind, double pixelsPerUnit)
{
    QColor colour = Qt::black;
    double width = 1;
    Qt::PenStyle style = Qt::SolidLine;
    switch (kind) {
    case PenKind::Frame:
        width = 4;
        break;
    case PenKind::Grid:
        style = Qt::DotLine;
        break;
    case PenKind::Series1:
        colour = QColor(255, 0, 0);
        width = 3;
        break;
    case PenKind::Series2:
        colour = QColor(0, 255, 0);
        width = 3;
        break;
    case PenKind::Series3:
        colour = QColor(0, 0, 255);
        width = 3;
        break;
    case PenKind::Bar:
        colour = QColor(255, 0, 0);
        break;
    case PenKind::Outline:
        width = 2;
        break;
    case PenKind::Thick:
        width = 6;
        break;
    case PenKind::Dashed:
        colour = QColor(255, 0, 0);
        width = 3;
        style = Qt::DashLine;
        break;
    case PenKind::Points:
        colour = QColor(0, 0, 255);
        width = 2;
        break;
    }
    QPen pen(colour);
    pen.setStyle(style);
    pen.setCapStyle(style == Qt::SolidLine ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    // A pen thinner than one device pixel still draws one pixel, and a
    // dotted one then dots in pixels, as on the screen the graph was made for.
    if (width * pixelsPerUnit < 1.0)
        pen.setWidth(0);
    else
        pen.setWidthF(width);
    return pen;
}

// The pen of a primitive: its kind's, in the primitive's own colour if it has one.
QPen PenFor(const GraphPrimitive& primitive, double pixelsPerUnit)
{
    QPen pen = MakePen(primitive.pen, pixelsPerUnit);
    if (primitive.colour >= 0)
        pen.setColor(QColor::fromRgb(static_cast<QRgb>(primitive.colour)));
    return pen;
}

// Diagonal cross hatch inside a rectangle, on lines of a grid fixed to the
// page so that neighbouring bars continue each other's pattern. The lines
// are cut to the rectangle here, so every device (SVG included) shows the
// same pattern without clipping.
void PaintHatch(QPainter& painter, const QRectF& r)
{
    const double x0 = r.left(), x1 = r.right(), y0 = r.top(), y1 = r.bottom();
    // Lines x - y = c (rising) and x + y = c (falling), c on the grid.
    for (double c = std::ceil((x0 - y1) / kHatchSpacing) * kHatchSpacing; c <= x1 - y0; c += kHatchSpacing) {
        const double a = std::max(x0, y0 + c), b = std::min(x1, y1 + c);
        if (a < b)
            painter.drawLine(QPointF(a, a - c), QPointF(b, b - c));
    }
    for (double c = std::ceil((x0 + y0) / kHatchSpacing) * kHatchSpacing; c <= x1 + y1; c += kHatchSpacing) {
        const double a = std::max(x0, c - y1), b = std::min(x1, c - y0);
        if (a < b)
            painter.drawLine(QPointF(a, c - a), QPointF(b, c - b));
    }
}

QBrush Fill(BrushKind kind, const QPen& pen)
{
    switch (kind) {
    case BrushKind::Shade:
        return QColor(190, 215, 245);
    case BrushKind::Solid:
        return pen.color();
    case BrushKind::Default:
    case BrushKind::BarHatch:
        break;
    }
    return Qt::white;
}

void PaintText(QPainter& painter, const GraphPrimitive& text, const QFont& font)
{
    if (text.text.empty())
        return;
    const QString s = ToQString(text.text);
    const QFontMetricsF metrics(font);
    double dx = 0;
    if ((text.align & kAlignCenter) == kAlignCenter)
        dx = -metrics.horizontalAdvance(s) / 2;
    else if (text.align & kAlignRight)
        dx = -metrics.horizontalAdvance(s);
    // The text hangs down from its point, or is centred on it.
    const double baseline = (text.align & kAlignMiddle) ? (metrics.ascent() - metrics.descent()) / 2 : metrics.ascent();
    painter.save();
    // Glyphs are drawn upright in a system with y downward, anchored at
    // the text's point and turned about it.
    painter.translate(text.points[0].x, text.points[0].y);
    if (text.angle != 0)
        painter.rotate(text.angle);
    painter.scale(1, -1);
    painter.setFont(font);
    painter.drawText(QPointF(dx, baseline), s);
    painter.restore();
}

} // namespace

void SetPageTransform(QPainter& painter, QPointF scroll)
{
    const QPaintDevice* device = painter.device();
    const double sx = PixelsPerUnit(device->logicalDpiX());
    const double sy = PixelsPerUnit(device->logicalDpiY());
    QTransform t;
    t.translate(-scroll.x(), -scroll.y());
    t.scale(sx, -sy);
    t.translate(-CGrafikState::kOriginX, -CGrafikState::kOriginY);
    painter.setWorldTransform(t);
}

QFont GraphFont(FontKind kind)
{
    const int height = FontHeight(kind);
    const QFont::Weight weight = kind == FontKind::Title ? QFont::DemiBold : QFont::Bold;
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
    font.setFixedPitch(true);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    // The height is that of the whole character cell, ascent and descent
    // together, which is larger than the em size of the face.
    font.setPixelSize(height);
    const double cell = QFontMetricsF(font).height();
    if (cell > 0)
        font.setPixelSize(std::max(1, int(std::lround(height * height / cell))));
    return font;
}

QtTextMeasure::QtTextMeasure()
    : m_fonts{GraphFont(FontKind::Title), GraphFont(FontKind::Heading), GraphFont(FontKind::Label)}
{}

int QtTextMeasure::TextWidth(FontKind font, const std::string& text) const
{
    return int(std::lround(QFontMetricsF(m_fonts[FontIndex(font)]).horizontalAdvance(ToQString(text))));
}

void PaintDisplayList(QPainter& painter, const DisplayList& list)
{
    const double pixelsPerUnit = std::abs(painter.worldTransform().m11());
    const QFont fonts[3] = {GraphFont(FontKind::Title), GraphFont(FontKind::Heading), GraphFont(FontKind::Label)};
    painter.save();
    for (const GraphPrimitive& primitive : list) {
        const std::vector<GraphPoint>& pts = primitive.points;
        switch (primitive.kind) {
        case GraphPrimitive::Kind::Line:
            if (pts.size() < 2)
                break;
            painter.setPen(PenFor(primitive, pixelsPerUnit));
            painter.drawLine(QPoint(pts[0].x, pts[0].y), QPoint(pts[1].x, pts[1].y));
            break;
        case GraphPrimitive::Kind::Polyline: {
            // A polyline needs two points; fewer draw nothing.
            if (pts.size() < 2)
                break;
            QPolygon polygon;
            polygon.reserve(qsizetype(pts.size()));
            for (const GraphPoint& p : pts)
                polygon << QPoint(p.x, p.y);
            painter.setPen(PenFor(primitive, pixelsPerUnit));
            painter.drawPolyline(polygon);
            break;
        }
        case GraphPrimitive::Kind::Rectangle: {
            if (pts.size() < 2)
                break;
            const QRectF r = QRectF(QPointF(pts[0].x, pts[0].y), QPointF(pts[1].x, pts[1].y)).normalized();
            if (r.width() <= 0 || r.height() <= 0)
                break; // an empty rectangle draws nothing
            const QPen pen = PenFor(primitive, pixelsPerUnit);
            painter.setPen(pen);
            if (primitive.brush == BrushKind::BarHatch) {
                PaintHatch(painter, r);
                painter.setBrush(Qt::NoBrush);
            } else {
                painter.setBrush(Fill(primitive.brush, pen));
            }
            painter.drawRect(r);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case GraphPrimitive::Kind::Markers: {
            const QPen pen = PenFor(primitive, pixelsPerUnit);
            painter.setPen(pen);
            painter.setBrush(Fill(primitive.brush, pen));
            for (const GraphPoint& p : pts)
                painter.drawEllipse(QPointF(p.x, p.y), primitive.size, primitive.size);
            painter.setBrush(Qt::NoBrush);
            break;
        }
        case GraphPrimitive::Kind::Text:
            if (pts.empty())
                break;
            painter.setPen(Qt::black);
            PaintText(painter, primitive, fonts[FontIndex(primitive.font)]);
            break;
        }
    }
    painter.restore();
}

} // namespace keldo
