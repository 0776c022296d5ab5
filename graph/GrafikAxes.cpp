// Page geometry of the graph: plot size, the page points of the series and
// the tick marks, tick labels and grid lines of the axes.
#include <algorithm>

#include "GrafikState.h"
#include "KeldoDoc.h"
#include "TextFormat.h"

using keldo::DisplayList;
using keldo::FontKind;
using keldo::GraphPrimitive;
using keldo::PenKind;
using keldo::Trunc32;

namespace {

constexpr int kMaxWalk = 100000;

// The ranges have length once they are scaled; before that a zero length
// must not be divided by.
double Span(double lo, double hi)
{
    const double span = hi - lo;
    return span != 0.0 ? span : 1.0;
}

void AddLine(DisplayList& out, int x1, int y1, int x2, int y2, PenKind pen)
{
    out.push_back(GraphPrimitive::Line({x1, y1}, {x2, y2}, pen));
}

void AddLabel(DisplayList& out, int x, int y, std::string text)
{
    out.push_back(GraphPrimitive::Text({x, y}, std::move(text), FontKind::Label));
}

// Tick labels of the x axis: whole metres for depths, short numbers for
// small ranges, one decimal for ranges within +-1.
std::string XLabel(double xmin, double xmax, double v)
{
    if (xmax > 1000 || xmin < -500)
        return keldo::Format("%4.0f", v);
    if (xmax > 1.0 || xmin < -1.0)
        return keldo::Format("%5g", v);
    return keldo::Format("%5.1f", v);
}

std::string YLabel(double ymin, double ymax, double v)
{
    if (ymax > 1000000 || ymin < -100000)
        return keldo::Format("%6.2e", v);
    return keldo::Format("%6g", v);
}

std::string Y1Label(double y1min, double y1max, double v)
{
    if (y1max > 1000000 || y1min < -100000)
        return keldo::Format("%6.1e", v);
    return keldo::Format("%4g", v);
}

} // namespace

void CGrafikState::worldtrans(const CKeldoDoc& doc)
{
    if (m_bHochformat == 0) {
        breite = 2200;
        hoehe = 1300;
    } else {
        breite = 1300;
        hoehe = m_bPrint == 1 ? 2100 : 750;
    }
    if (m_bPrint == 0 && m_bGrafiklupe == 1) {
        breite = 1950;
        hoehe = 1125;
    }
    if (m_bPrint == 0 && m_bGrafiklupe == 0)
        hoehe = 750;

    const int n = std::clamp(doc.m_MaxWerte, 0, CKeldoDoc::kGraphPoints);
    const double xr = Span(xmin, xmax), yr = Span(ymin, ymax), y1r = Span(y1min, y1max);
    for (int i = 0; i < n; ++i) {
        const int x = Trunc32(breite * (doc.m_X[i] - xmin) / xr);
        // Truncated after subtracting the height: rounded toward the top.
        m_Punkte1[i] = {x, Trunc32(hoehe * (doc.m_Y[i] - ymin) / yr - hoehe)};
        if (doc.m_nYAchsen == 2) {
            m_Punkte2[i] = {x, Trunc32(hoehe * (doc.m_Y1[i] - y1min) / y1r - hoehe)};
            m_Punkte3[i] = {x, Trunc32(hoehe * (doc.m_Y2[i] - ymin) / yr - hoehe)};
        }
    }
}

void CGrafikState::xachse(DisplayList& out) const
{
    if (!(deltax > 0.0))
        return;
    const double xr = Span(xmin, xmax);
    const int every = (xmax - xmin) / deltax > 8 ? 2 : 1;
    double v = xmin;
    for (int k = 0; v <= xmax && k < kMaxWalk; ++k) {
        int px = Trunc32(breite * (v - xmin) / xr);
        if (v == xmax)
            px = breite - 1;
        AddLine(out, px, -hoehe, px, -hoehe - 20, PenKind::Frame);
        if (k % every == 0)
            AddLabel(out, px, -hoehe - 30, XLabel(xmin, xmax, v));
        v += deltax;
    }
}

void CGrafikState::yachse(DisplayList& out) const
{
    if (!(deltay > 0.0))
        return;
    const double yr = Span(ymin, ymax);
    double v = ystart;
    for (int k = 0; v <= ymax && k < kMaxWalk; ++k) {
        int py = Trunc32(hoehe * (v - ymin) / yr);
        if (v == ymax)
            py = hoehe;
        if (v >= ymin) {
            AddLine(out, 0, py - hoehe, -10, py - hoehe, PenKind::Frame);
            AddLabel(out, -130, py - hoehe + 20, YLabel(ymin, ymax, v));
        }
        v += deltay;
    }
}

void CGrafikState::y1achse(DisplayList& out) const
{
    if (!(deltay1 > 0.0))
        return;
    const double y1r = Span(y1min, y1max);
    double v = y1start;
    for (int k = 0; v <= 1.0001 * y1max && k < kMaxWalk; ++k) {
        const int py = Trunc32(hoehe * (v - y1min) / y1r);
        if (v >= y1min) {
            AddLine(out, breite, py - hoehe, breite + 10, py - hoehe, PenKind::Frame);
            AddLabel(out, breite + 120, py - hoehe + 20, Y1Label(y1min, y1max, v));
        }
        v += deltay1;
    }
}

void CGrafikState::gitter(DisplayList& out) const
{
    if (deltay > 0.0) {
        const double yr = Span(ymin, ymax);
        double v = ystart + deltay;
        for (int k = 0; v < ymax && k < kMaxWalk; ++k) {
            const int py = Trunc32(hoehe * (v - ymin) / yr);
            AddLine(out, 0, py - hoehe, breite, py - hoehe, PenKind::Grid);
            v += deltay;
        }
    }
    if (deltax > 0.0) {
        const double xr = Span(xmin, xmax);
        double v = xmin + deltax;
        for (int k = 0; v < xmax && k < kMaxWalk; ++k) {
            const int px = Trunc32(breite * (v - xmin) / xr);
            AddLine(out, px, -hoehe, px, 0, PenKind::Grid);
            v += deltax;
        }
    }
}

CGrafikState::Extent CGrafikState::PageExtent() const
{
    return {kOriginX, kOriginY, breite - kOriginX, -hoehe - kOriginY};
}
