#pragma once
#include <QImage>
#include <QPainter>

#include "GrafikState.h"
#include "GraphPainter.h"
#include "KeldoDoc.h"

// Pixel checks on painted graph pages.

// The page of `state` painted at 254 dpi, so that one pixel is one logical
// unit and the window origin (-400, 350) is pixel (0, 0).
inline QImage PaintAtOnePixelPerUnit(CKeldoDoc& doc, CGrafikState& state, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(10000);
    image.setDotsPerMeterY(10000);
    image.fill(Qt::white);
    QPainter painter(&image);
    keldo::SetPageTransform(painter);
    const keldo::QtTextMeasure measure;
    keldo::PaintDisplayList(painter, state.zeichnen(doc, measure));
    return image;
}

inline int CountColour(const QImage& image, QRect area, QRgb colour)
{
    int count = 0;
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xffffff) == (colour & 0xffffff))
                ++count;
    return count;
}

inline bool IsDark(QRgb c) { return qGray(c) < 100; }

// True when some pixel within `radius` of (x, y) is dark.
inline bool DarkNear(const QImage& image, int x, int y, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (image.valid(x + dx, y + dy) && IsDark(image.pixel(x + dx, y + dy)))
                return true;
    return false;
}
