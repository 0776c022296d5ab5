#include "PressureDepthGraph.h"

#include <algorithm>

#include "ChartFrame.h"
#include "FitReport.h"
#include "PressureMessages.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr int kMarkerRadius = 12;
constexpr int kLabelGap = 15;
constexpr int kLegendRow = 70;

PenKind LegPen(PressureLegKind kind)
{
    switch (kind) {
    case PressureLegKind::Water:
        return PenKind::Series3;
    case PressureLegKind::Oil:
        return PenKind::Series2;
    case PressureLegKind::Gas:
    case PressureLegKind::Hydrocarbon:
        break;
    }
    return PenKind::Series1;
}

// The smallest range that holds every value given to it.
struct Range {
    double lo = 0, hi = 0;
    bool any = false;
    void Add(double v)
    {
        lo = any ? std::min(lo, v) : v;
        hi = any ? std::max(hi, v) : v;
        any = true;
    }
};

std::vector<GraphPoint> Mapped(const ChartFrame& frame, const std::vector<PressurePoint>& points)
{
    std::vector<GraphPoint> mapped;
    mapped.reserve(points.size());
    for (const PressurePoint& p : points)
        mapped.push_back(frame.Map(p.pressure, p.depth));
    return mapped;
}

// A level across the plot with its label above it, at the left or right end.
void AddLevel(
    DisplayList& out, const ChartFrame& frame, double depth, PenKind pen, const std::string& label, bool right)
{
    const int y = frame.MapY(depth);
    out.push_back(GraphPrimitive::Line({0, y}, {frame.width, y}, pen));
    const int x = right ? frame.width - kLabelGap : kLabelGap;
    out.push_back(GraphPrimitive::Text(
        {x, y + kLabelGap + FontHeight(FontKind::Label)}, label, FontKind::Label, right ? kAlignRight : kAlignTop));
}

// One legend row from the top right corner of the plot, where the
// shallow points' low pressures leave room: its text and a marker.
void AddLegendRow(DisplayList& out, const ChartFrame& frame, int row, PenKind pen, BrushKind brush, std::string text)
{
    const int y = -kLegendRow / 2 - kLegendRow * row;
    out.push_back(GraphPrimitive::Markers({{frame.width - 40, y}}, kMarkerRadius, pen, brush));
    out.push_back(
        GraphPrimitive::Text({frame.width - 70, y}, std::move(text), FontKind::Label, kAlignRight | kAlignMiddle));
}

} // namespace

GraphPage PressureDepthGraph(const FreeWaterLevel& level, const std::vector<PressurePoint>& leftOut,
    std::optional<float> logContact, int fluid, const std::string& well)
{
    Range depths, pressures;
    auto addPoints = [&](const std::vector<PressurePoint>& points) {
        for (const PressurePoint& p : points) {
            depths.Add(p.depth);
            pressures.Add(p.pressure);
        }
    };
    for (const PressureLeg& leg : level.legs)
        addPoints(leg.points);
    addPoints(level.unsplit);
    addPoints(leftOut);
    if (level.ok()) {
        depths.Add(level.p90);
        depths.Add(level.p10);
    }
    if (logContact)
        depths.Add(*logContact);

    ChartFrame frame;
    frame.yDownward = true;
    frame.y = ChartAxis::Linear(depths.lo, depths.hi);
    // The lines run across the whole plot; the pressure axis holds their ends.
    for (const PressureLeg& leg : level.legs)
        if (leg.line)
            for (const double depth : {frame.y.min, frame.y.max})
                pressures.Add(leg.line->PressureAt(depth));
    frame.x = ChartAxis::Linear(pressures.lo, pressures.hi);
    frame.title = well.empty() ? "Formationsdruck über Teufe" : "Formationsdruck über Teufe: " + well;
    frame.subtitle = level.ok() ? Format("Freies Wasserniveau %.2f m, σ = %.2f m", level.level, level.sigma)
                                : std::string("kein freies Wasserniveau");
    frame.xLabel = "Druck (bar)";
    frame.yLabel = "Vertikale Teufe TVD (m)";

    GraphPage page;
    DisplayList& out = page.list;
    frame.Draw(out);
    if (level.ok()) {
        out.push_back(GraphPrimitive::Text({frame.width / 2, 120},
            Format("schattiert: P90 %.2f m bis P10 %.2f m", level.p90, level.p10), FontKind::Label));
        out.push_back(GraphPrimitive::Rectangle(
            {0, frame.MapY(level.p90)}, {frame.width, frame.MapY(level.p10)}, PenKind::Grid, BrushKind::Shade));
    }
    for (const PressureLeg& leg : level.legs)
        if (leg.line)
            out.push_back(GraphPrimitive::Line(frame.Map(leg.line->PressureAt(frame.y.min), frame.y.min),
                frame.Map(leg.line->PressureAt(frame.y.max), frame.y.max), LegPen(leg.kind)));
    if (level.ok())
        AddLevel(out, frame, level.level, PenKind::Dashed, Format("Freies Wasserniveau %.2f m", level.level), true);
    if (logContact)
        AddLevel(out, frame, *logContact, PenKind::Thick,
            ContactName(fluid, false) + Format(" (Logs) %.2f m", static_cast<double>(*logContact)), false);

    int row = 0;
    for (const PressureLeg& leg : level.legs) {
        if (leg.points.empty())
            continue;
        const PenKind pen = LegPen(leg.kind);
        out.push_back(GraphPrimitive::Markers(Mapped(frame, leg.points), kMarkerRadius, pen, BrushKind::Solid));
        std::string text = PressureLegName(leg.kind) + Format(": %zu", leg.points.size());
        if (leg.line)
            text += Format(", %.1f kg/m3", leg.line->Density());
        AddLegendRow(out, frame, row++, pen, BrushKind::Solid, std::move(text));
    }
    if (!level.unsplit.empty()) {
        out.push_back(
            GraphPrimitive::Markers(Mapped(frame, level.unsplit), kMarkerRadius, PenKind::Points, BrushKind::Solid));
        AddLegendRow(
            out, frame, row++, PenKind::Points, BrushKind::Solid, Format("Druckpunkte: %zu", level.unsplit.size()));
    }
    if (!leftOut.empty()) {
        out.push_back(
            GraphPrimitive::Markers(Mapped(frame, leftOut), kMarkerRadius, PenKind::Outline, BrushKind::Default));
        AddLegendRow(out, frame, row++, PenKind::Outline, BrushKind::Default,
            Format("ausgelassen (use = 0): %zu", leftOut.size()));
    }
    page.extent = frame.Extent();
    page.title = frame.title;
    return page;
}

} // namespace keldo
