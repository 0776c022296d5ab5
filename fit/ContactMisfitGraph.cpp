#include <algorithm>
#include <cmath>

#include "BrokenLine.h"
#include "ChartFrame.h"
#include "FitGraphs.h"
#include "FitReport.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr int kMarkerRadius = 15;
constexpr int kLabelGap = 20;

bool HasValue(const ContactScanPoint& p) { return p.misfit.n > 0 && std::isfinite(p.misfit.rms); }

// The scan, broken at contacts without a value.
void AddScan(DisplayList& out, const ChartFrame& frame, const std::vector<ContactScanPoint>& scan)
{
    BrokenLine line(out, PenKind::Series3);
    for (const ContactScanPoint& p : scan) {
        if (HasValue(p))
            line.Add(frame.Map(p.contact, p.misfit.rms));
        else
            line.Break();
    }
}

} // namespace

GraphPage ContactMisfitGraph(const ContactFitResult& fit, int fluid, const std::string& well, bool belowSeaLevel)
{
    double rmsMax = 0;
    for (const ContactScanPoint& p : fit.scan)
        if (HasValue(p))
            rmsMax = std::max(rmsMax, p.misfit.rms);

    ChartFrame frame;
    frame.x = ChartAxis::Linear(fit.from, fit.to);
    frame.y = ChartAxis::Linear(0, rmsMax);
    const std::string title = "Anpassung des " + ContactName(fluid, false) + "es";
    frame.title = well.empty() ? title : title + ": " + well;
    frame.subtitle = fit.ok ? Format("Kontakt %.2f m   RMS = %.4f   n = %d", fit.contact, fit.rms, fit.n)
                            : std::string("keine Anpassung");
    frame.xLabel = belowSeaLevel ? "Kontakt TVDSS (m)" : "Kontakt TVD (m)";
    frame.yLabel = "RMS von Sw (-)";

    GraphPage page;
    frame.Draw(page.list);
    if (fit.ok) {
        page.list.push_back(GraphPrimitive::Text({frame.width / 2, 120},
            Format("schattiert: RMS bis 5 %% über dem Minimum, %.2f bis %.2f m", fit.bandFrom, fit.bandTo),
            FontKind::Label));
        page.list.push_back(GraphPrimitive::Rectangle(
            {frame.MapX(fit.bandFrom), 0}, {frame.MapX(fit.bandTo), -frame.height}, PenKind::Grid, BrushKind::Shade));
    }
    AddScan(page.list, frame, fit.scan);
    if (fit.ok) {
        const int x = frame.MapX(fit.contact);
        page.list.push_back(GraphPrimitive::Line({x, 0}, {x, -frame.height}, PenKind::Dashed));
        page.list.push_back(GraphPrimitive::Markers(
            {frame.Map(fit.contact, fit.rms)}, kMarkerRadius, PenKind::Series1, BrushKind::Solid));
        // The label beside the line, on the side with more room.
        const bool left = x > frame.width / 2;
        page.list.push_back(GraphPrimitive::Text({left ? x - kLabelGap : x + kLabelGap, -kLabelGap},
            Format("%.2f m", fit.contact), FontKind::Label, left ? kAlignRight : kAlignTop));
    }
    page.extent = frame.Extent();
    page.title = frame.title;
    return page;
}

} // namespace keldo
