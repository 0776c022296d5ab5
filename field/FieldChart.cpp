#include "FieldChart.h"

#include <algorithm>
#include <cmath>

#include "ChartFrame.h"
#include "TextFormat.h"
#include "ZoneColumns.h"
#include "Utf8Text.h"

namespace keldo {
namespace {

constexpr int kMinWidth = 2000;      // plot width for a few wells
constexpr int kMaxWidth = 3000;      // the widest plot: 50 named columns
constexpr int kCharWidth = 25;       // label font, with a little to spare
constexpr int kNameGap = 20;         // between the plot and a name
constexpr int kLabelRoom = 150;      // below the names: the x axis label
constexpr int kLeastPlotWidth = 600; // of a page fitted to a window
constexpr int kLeastPlotHeight = 200;

// The name cut to `chars` characters.
std::string ShortName(const std::string& name, size_t chars)
{
    if (Utf8Length(name) <= chars)
        return name;
    return std::string(CutToCharacters(name, chars - 1)) + "…";
}

bool HasContacts(const WellSummary& w) { return w.contacts && w.classes[0].count > 0; }

// The depth range of everything drawn: whiskers and assumed contacts.
ChartAxis DepthAxis(const std::vector<WellSummary>& wells)
{
    double lo = INFINITY, hi = -INFINITY;
    auto take = [&](double v) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    };
    for (const WellSummary& w : wells) {
        if (w.prepared)
            take(w.contact);
        if (w.freeWaterLevel)
            take(*w.freeWaterLevel);
        if (HasContacts(w)) {
            take(w.classes[0].min);
            take(w.classes[0].max);
        }
    }
    if (!(lo <= hi))
        return ChartAxis::Linear(0, 1);
    return ChartAxis::Linear(lo, hi);
}

// "Öl-Wasser-Kontakte" when every computed well is an oil well, the
// gas-water contacts when every one is a gas well, else "Kontakte".
std::string ContactsName(const std::vector<WellSummary>& wells, bool plural)
{
    int oil = 0, gas = 0;
    for (const WellSummary& w : wells)
        if (w.prepared)
            (w.fluid == 1 ? oil : gas) += 1;
    if (oil > 0 && gas == 0)
        return plural ? "Öl-Wasser-Kontakte" : "OWC";
    if (gas > 0 && oil == 0)
        return plural ? "Gas-Wasser-Kontakte" : "GWC";
    return plural ? "Kontakte" : "Kontakts";
}

bool AnyFreeWaterLevel(const std::vector<WellSummary>& wells)
{
    return std::any_of(wells.begin(), wells.end(), [](const WellSummary& w) { return w.freeWaterLevel.has_value(); });
}

// The free-water level's mark: a short solid blue line with a dot on it,
// apart from the dashed red contact even where the two meet.
void AddLevelMark(DisplayList& out, GraphPoint at, int half)
{
    out.push_back(GraphPrimitive::Line({at.x - half, at.y}, {at.x + half, at.y}, PenKind::Series3));
    out.push_back(GraphPrimitive::Markers({at}, 12, PenKind::Series3, BrushKind::Solid));
}

// The legend; the free-water level's entry only where a well has one, so a
// study without pressure files keeps its chart.
void AddLegend(DisplayList& out, bool freeWaterLevel)
{
    const int y = 110;                                   // top of the legend's texts
    const int mid = y - FontHeight(FontKind::Label) / 2; // the symbols' middle
    int x = 0;
    auto text = [&](const std::string& label) {
        out.push_back(GraphPrimitive::Text({x, y}, label, FontKind::Label, kAlignTop));
        x += LabelWidthAtMost(label) + 60;
    };
    out.push_back(GraphPrimitive::Rectangle({x, mid + 18}, {x + 60, mid - 18}, PenKind::Outline, BrushKind::Shade));
    x += 75;
    text("P10 bis P90");
    out.push_back(GraphPrimitive::Line({x, mid}, {x + 60, mid}, PenKind::Thick));
    x += 75;
    text("Median");
    out.push_back(GraphPrimitive::Line({x + 30, mid + 22}, {x + 30, mid - 22}, PenKind::Outline));
    out.push_back(GraphPrimitive::Line({x + 15, mid + 22}, {x + 45, mid + 22}, PenKind::Outline));
    out.push_back(GraphPrimitive::Line({x + 15, mid - 22}, {x + 45, mid - 22}, PenKind::Outline));
    x += 75;
    text("Minimum bis Maximum");
    out.push_back(GraphPrimitive::Line({x, mid}, {x + 60, mid}, PenKind::Dashed));
    x += 75;
    text("angenommener Kontakt");
    if (freeWaterLevel) {
        AddLevelMark(out, {x + 30, mid}, 30);
        x += 75;
        text("freies Wasserniveau (Druck)");
    }
}

// Box, median, whiskers and assumed contact of one well around column
// centre `cx`, `half` units to either side.
void AddColumn(DisplayList& out, const ChartFrame& frame, const WellSummary& w, int cx, int half)
{
    const int box = std::max(4, half * 3 / 5);
    const int cap = std::max(3, box / 2);
    if (HasContacts(w)) {
        const ContactClass& c = w.classes[0];
        const int yMin = frame.MapY(c.min), yMax = frame.MapY(c.max);
        const int y10 = frame.MapY(w.p10), y90 = frame.MapY(w.p90), y50 = frame.MapY(w.median);
        out.push_back(GraphPrimitive::Line({cx, yMin}, {cx, y10}, PenKind::Outline));
        out.push_back(GraphPrimitive::Line({cx, y90}, {cx, yMax}, PenKind::Outline));
        out.push_back(GraphPrimitive::Line({cx - cap, yMin}, {cx + cap, yMin}, PenKind::Outline));
        out.push_back(GraphPrimitive::Line({cx - cap, yMax}, {cx + cap, yMax}, PenKind::Outline));
        out.push_back(GraphPrimitive::Rectangle({cx - box, y10}, {cx + box, y90}, PenKind::Outline, BrushKind::Shade));
        out.push_back(GraphPrimitive::Line({cx - box, y50}, {cx + box, y50}, PenKind::Thick));
    }
    if (w.prepared) {
        const int y = frame.MapY(w.contact);
        out.push_back(GraphPrimitive::Line({cx - half, y}, {cx + half, y}, PenKind::Dashed));
    }
    if (w.freeWaterLevel)
        AddLevelMark(out, {cx, frame.MapY(*w.freeWaterLevel)}, std::max(2, half / 2));
}

} // namespace

std::string DepthName(const std::vector<WellSummary>& wells)
{
    bool tvd = false, tvdss = false;
    for (const WellSummary& w : wells)
        if (w.prepared)
            (w.belowSeaLevel ? tvdss : tvd) = true;
    return tvdss ? (tvd ? "TVD bzw. TVDSS" : "TVDSS") : "TVD";
}

int LabelWidthAtMost(const std::string& text) { return kCharWidth * static_cast<int>(Utf8Length(text)); }

GraphPage FieldChart(const std::vector<WellSummary>& wells) { return FieldChart(wells, FieldChartLayout{}); }

GraphPage FieldChart(const std::vector<WellSummary>& studyWells, const FieldChartLayout& layout)
{
    const std::vector<WellSummary> zoneColumns = layout.zones ? ZoneColumns(studyWells) : std::vector<WellSummary>{};
    const std::vector<WellSummary>& wells = layout.zones ? zoneColumns : studyWells;
    const int n = std::max<int>(1, static_cast<int>(wells.size()));
    // The room around the plot but below it: titles, legend, tick labels.
    ChartFrame bare;
    bare.width = bare.height = bare.bottomMargin = 0;
    const PageExtent room = bare.Extent();
    ChartFrame frame;
    frame.width = layout.pageWidth > 0 ? std::max(kLeastPlotWidth, layout.pageWidth - room.Width())
                                       : std::clamp(n * 60, kMinWidth, kMaxWidth);
    frame.x = ChartAxis::Linear(0, n);
    frame.y = DepthAxis(wells);
    frame.yDownward = true;
    frame.title = "Feldstudie: " + ContactsName(wells, true) + " der Bohrungen";
    frame.subtitle = layout.zones
        ? Format("%zu Bohrungen in %zu Säulen je Zone, Kontakte je Messwert ab dem Porositäts-Cutoff",
              studyWells.size(), wells.size())
        : Format("%zu Bohrungen, Kontakte je Messwert ab dem Porositäts-Cutoff", wells.size());
    frame.xLabel = "Bohrung";
    frame.yLabel = "Vertikale Teufe " + DepthName(wells) + " des " + ContactsName(wells, false) + " (m)";

    // Names side by side when the widest fits its column, else turned;
    // turned names need a column of at least a text's height.
    const double pitch = static_cast<double>(frame.width) / n;
    std::vector<std::string> names;
    int widest = 0;
    for (const WellSummary& w : wells) {
        names.push_back(ShortName(w.well, std::max<size_t>(2, layout.nameChars)));
        widest = std::max(widest, LabelWidthAtMost(names.back()));
    }
    const bool turned = widest > pitch - 10;
    const int nameHeight = FontHeight(FontKind::Label);
    const int every = turned ? static_cast<int>(std::ceil((nameHeight + 5) / pitch)) : 1;
    frame.bottomMargin = std::max(250, kNameGap + (turned ? widest : nameHeight) + kLabelRoom);
    if (layout.pageHeight > 0)
        frame.height = std::max(kLeastPlotHeight, layout.pageHeight - room.Height() - frame.bottomMargin);

    GraphPage page;
    frame.Draw(page.list, false);
    AddLegend(page.list, AnyFreeWaterLevel(wells));
    const int half = std::max(2, static_cast<int>(pitch * 0.4));
    for (size_t i = 0; i < wells.size(); ++i) {
        const int cx = static_cast<int>(std::lround((static_cast<double>(i) + 0.5) * pitch));
        AddColumn(page.list, frame, wells[i], cx, half);
        if (static_cast<int>(i) % every != 0)
            continue;
        const GraphPoint at{cx, -frame.height - kNameGap};
        if (turned)
            page.list.push_back(GraphPrimitive::Text(at, names[i], FontKind::Label, kAlignRight | kAlignMiddle, 90));
        else
            page.list.push_back(GraphPrimitive::Text(at, names[i], FontKind::Label));
    }
    page.extent = frame.Extent();
    page.title = "Feldstudie";
    return page;
}

} // namespace keldo
