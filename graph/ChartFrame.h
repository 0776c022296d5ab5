#pragma once
#include <string>

#include "ChartAxis.h"
#include "GraphPrimitives.h"

namespace keldo {

// The frame of a chart page in logical units of 0.1 mm, y upward, laid out
// as the saturation graph is: the plot's top left corner at (0, 0), titles
// above it, the y axis labels left of it and the x axis labels below it.
// The charts that are not the saturation graph (field chart, fit graphs)
// draw their data into it with Map.
struct ChartFrame {
    int width = 2000;  // plot width
    int height = 1300; // plot height
    ChartAxis x;
    ChartAxis y;
    bool yDownward = false; // depth axes: the smallest value at the top
    std::string title;
    std::string subtitle;
    std::string xLabel;
    std::string yLabel;
    // Room below the plot for the x tick labels and the x axis label; a
    // chart with long rotated names under its columns asks for more.
    int bottomMargin = 250;

    int MapX(double value) const;
    int MapY(double value) const;
    GraphPoint Map(double xValue, double yValue) const { return {MapX(xValue), MapY(yValue)}; }

    // Frame, grid, ticks, tick labels, axis labels and titles. Without
    // xTicks the x axis gets neither ticks nor tick labels (a chart with
    // one column per well labels its columns itself).
    void Draw(DisplayList& out, bool xTicks = true) const;

    PageExtent Extent() const;
};

} // namespace keldo
