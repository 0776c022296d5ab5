#pragma once
#include <string>
#include <vector>

#include "GraphPrimitives.h"
#include "WellSummary.h"

// The field chart: the contacts of every well side by side on one depth
// axis, so that the blocks of a field stand out. One page for the screen,
// the printer and the exported files alike.
namespace keldo {

// One column per well, in the given order, on a common TVD axis (depth
// increasing downwards): a shaded box from P10 to P90 of the well's
// per-measurement contacts above the cut-off, the median as a thick line,
// minimum and maximum as whiskers, the well's assumed contact as a dashed
// red line across the column, the free-water level of the well's pressure
// file (where it has one) as a short blue line with a dot, and the well's
// name under it. Names that do
// not fit side by side are turned to run downwards; with more wells than
// the width holds names for, only every second (third, …) column is named.
// A well without contacts keeps its column and its name.
GraphPage FieldChart(const std::vector<WellSummary>& wells);

// What the files leave as it is and a window may change: the page's size
// (to fill the window with text of its font's size), the names' length and
// one column per well and zone.
struct FieldChartLayout {
    // The whole page in logical units; 0: the plot as wide as the wells ask
    // and 1300 high, as in the files.
    int pageWidth = 0, pageHeight = 0;
    size_t nameChars = 24; // longer names are cut with "…"
    // One column per well and zone (ZoneColumns) instead of one per well.
    bool zones = false;
};

// The chart laid out by `layout`; FieldChart(wells) is FieldChart(wells, {}).
GraphPage FieldChart(const std::vector<WellSummary>& wells, const FieldChartLayout& layout);

// "TVDSS" when every well's depths are below sea level, "TVD bzw. TVDSS"
// when some are, else "TVD".
std::string DepthName(const std::vector<WellSummary>& wells);

// Width (logical units) that a text takes at most in the label font: the
// graph fonts are monospaced, 24 units a character.
int LabelWidthAtMost(const std::string& text);

} // namespace keldo
