// One complete graph page as a list of primitives: frame, titles, axes,
// grid, the curves or the histogram bars, legend and document line.
#include <algorithm>

#include "GrafikState.h"
#include "KeldoDoc.h"
#include "TextFormat.h"

using keldo::BrushKind;
using keldo::DisplayList;
using keldo::FontKind;
using keldo::GraphPrimitive;
using keldo::PenKind;
using keldo::Trunc32;

namespace {

void AddText(DisplayList& out, int x, int y, const std::string& text, FontKind font)
{
    out.push_back(GraphPrimitive::Text({x, y}, text, font));
}

void AddCurve(DisplayList& out, const CGrafikState::PointArray& points, int count, PenKind pen)
{
    out.push_back(GraphPrimitive::Polyline({points.begin(), points.begin() + count}, pen));
}

// A legend entry: the text centred under the plot and, from half a text
// width right of its end, a 20 mm line in the colour of the curve.
void AddLegend(
    DisplayList& out, const keldo::ITextMeasure& measure, int mitte, int y, const std::string& text, PenKind pen)
{
    const int w = measure.TextWidth(FontKind::Label, text);
    AddText(out, mitte, y, text, FontKind::Label);
    out.push_back(GraphPrimitive::Line({mitte + w, y - 20}, {mitte + w + 200, y - 20}, pen));
}

} // namespace

DisplayList CGrafikState::zeichnen(const CKeldoDoc& doc, const keldo::ITextMeasure& measure)
{
    if (m_bHochformat == 0)
        worldtrans(doc);
    const int B = breite, H = hoehe, mitte = B / 2;
    const int n = std::clamp(doc.m_MaxWerte, 0, CKeldoDoc::kGraphPoints);
    DisplayList out;

    out.push_back(GraphPrimitive::Rectangle({0, 0}, {B, -H}, PenKind::Frame, BrushKind::Default));

    AddText(out, mitte, 300, doc.m_strTitel, FontKind::Title);
    AddText(out, mitte, 210, doc.m_strUntertitel1, FontKind::Heading);
    AddText(out, mitte, 150, doc.m_strUntertitel2, FontKind::Heading);
    AddText(out, -50, 120, doc.m_strYAchse, FontKind::Heading);
    AddText(out, -50, 90, doc.m_strYAchse2, FontKind::Heading);
    AddText(out, mitte, -H - 70, doc.m_strXAchse, FontKind::Heading);
    AddText(out, B, 120, doc.m_strY1Achse, FontKind::Heading);

    xachse(out);
    yachse(out);
    if (doc.m_nYAchsen == 2)
        y1achse(out);

    AddText(out, 100, -H - 200, keldo::Format("Dokument %s", doc.GetTitle().c_str()), FontKind::Label);

    if (doc.m_bGitter == 1)
        gitter(out);

    if (doc.m_nModus == 0)
        AddCurve(out, m_Punkte1, n, PenKind::Series1);
    else
        Blockdiagramm(out, m_Punkte1, n);

    if (doc.m_nYAchsen == 2) {
        AddLegend(out, measure, mitte, -H - 140, doc.m_strLegende1, PenKind::Series1);
        AddCurve(out, m_Punkte2, n, PenKind::Series2);
        AddLegend(out, measure, mitte, -H - 180, doc.m_strLegende2, PenKind::Series2);
        AddCurve(out, m_Punkte3, n, PenKind::Series3);
        AddLegend(out, measure, mitte, -H - 220, doc.m_strLegende3, PenKind::Series3);
    }
    return out;
}

void CGrafikState::Blockdiagramm(DisplayList& out, const PointArray& points, int count) const
{
    const int n = std::clamp(count, 0, static_cast<int>(points.size()));
    const int H = hoehe;
    // Page y of the count 0; bars of a range above or below 0 stand on the
    // edge of the frame.
    const double yr = ymax - ymin != 0.0 ? ymax - ymin : 1.0;
    int y0 = -Trunc32(H * ymax / yr);
    if (ymin > 0)
        y0 = -H;
    if (ymax < 0)
        y0 = 0;

    // A gap of 9 units between neighbouring bars.
    int dx0 = 9;
    if (n > 1)
        dx0 = breite / (n - 1) - 9;

    for (int i = 0; i < n; ++i) {
        const int x = points[i].x;
        int wl = dx0, wr = dx0;
        if (i == n - 1)
            wr = 0; // the last bar has no right half
        if (i == 0 && x - wl / 2 < 0)
            wl = 0; // nor does the first one cross the y axis
        out.push_back(
            GraphPrimitive::Rectangle({x - wl / 2, y0}, {x + wr / 2, points[i].y}, PenKind::Bar, BrushKind::BarHatch));
    }
}

namespace keldo {

DrawingBounds BoundsOf(const DisplayList& list, const ITextMeasure& measure)
{
    DrawingBounds bounds;
    bool any = false;
    auto add = [&](int left, int top, int right, int bottom) {
        if (!any) {
            bounds = {left, top, right, bottom};
            any = true;
            return;
        }
        bounds.left = std::min(bounds.left, left);
        bounds.top = std::max(bounds.top, top);
        bounds.right = std::max(bounds.right, right);
        bounds.bottom = std::min(bounds.bottom, bottom);
    };
    for (const GraphPrimitive& p : list) {
        if (p.kind != GraphPrimitive::Kind::Text) {
            for (const GraphPoint& pt : p.points)
                add(pt.x, pt.y, pt.x, pt.y);
            continue;
        }
        if (p.points.empty() || p.text.empty())
            continue; // an empty text draws nothing
        // The text hangs down from its point, centred on it, ending at it
        // (right alignment) or starting there.
        const GraphPoint at = p.points[0];
        const int w = measure.TextWidth(p.font, p.text);
        int left = at.x;
        if ((p.align & kAlignCenter) == kAlignCenter)
            left = at.x - w / 2;
        else if (p.align & kAlignRight)
            left = at.x - w;
        add(left, at.y, left + w, at.y - FontHeight(p.font));
    }
    return bounds;
}

} // namespace keldo
