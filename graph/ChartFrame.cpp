#include "ChartFrame.h"

#include <algorithm>
#include <cmath>

namespace keldo {
namespace {

constexpr int kTick = 25;      // length of a tick mark outside the plot
constexpr int kLabelGap = 15;  // between a tick mark and its label
constexpr int kLeftRoom = 420; // y tick labels and the rotated y axis label
constexpr int kTopRoom = 380;  // title and subtitle

int Round(double v)
{
    // Far outside the page is as good as the edge of a 32-bit plane.
    return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9)));
}

} // namespace

int ChartFrame::MapX(double value) const { return Round(x.Fraction(value) * width); }

int ChartFrame::MapY(double value) const
{
    const double f = y.Fraction(value);
    return Round(yDownward ? -f * height : (f - 1) * height);
}

void ChartFrame::Draw(DisplayList& out, bool xTicks) const
{
    out.push_back(GraphPrimitive::Rectangle({0, 0}, {width, -height}, PenKind::Frame, BrushKind::Default));

    for (double tick : y.Ticks()) {
        const double value = y.logarithmic ? std::pow(10.0, tick) : tick;
        const int py = MapY(value);
        out.push_back(GraphPrimitive::Line({0, py}, {width, py}, PenKind::Grid));
        out.push_back(GraphPrimitive::Line({-kTick, py}, {0, py}, PenKind::Frame));
        out.push_back(GraphPrimitive::Text(
            {-kTick - kLabelGap, py}, y.TickLabel(tick), FontKind::Label, kAlignRight | kAlignMiddle));
    }
    if (xTicks) {
        for (double tick : x.Ticks()) {
            const double value = x.logarithmic ? std::pow(10.0, tick) : tick;
            const int px = MapX(value);
            out.push_back(GraphPrimitive::Line({px, 0}, {px, -height}, PenKind::Grid));
            out.push_back(GraphPrimitive::Line({px, -height}, {px, -height - kTick}, PenKind::Frame));
            out.push_back(GraphPrimitive::Text({px, -height - kTick - kLabelGap}, x.TickLabel(tick), FontKind::Label));
        }
    }

    out.push_back(GraphPrimitive::Text({width / 2, kTopRoom - 80}, title, FontKind::Title));
    out.push_back(GraphPrimitive::Text({width / 2, kTopRoom - 170}, subtitle, FontKind::Heading));
    out.push_back(GraphPrimitive::Text({width / 2, -height - bottomMargin + 90}, xLabel, FontKind::Heading));
    out.push_back(GraphPrimitive::Text(
        {-kLeftRoom + 40, -height / 2}, yLabel, FontKind::Heading, kAlignCenter | kAlignMiddle, 90));
}

PageExtent ChartFrame::Extent() const { return {-kLeftRoom, kTopRoom, width + 150, -height - bottomMargin}; }

} // namespace keldo
