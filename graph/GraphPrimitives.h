#pragma once
#include <string>
#include <vector>

// What one graph page consists of, in logical units of 0.1 mm with y growing
// upward: the page is built once as a list of these primitives and any
// painter (screen, printer, image, SVG, PDF) only has to paint them in order.
namespace keldo {

struct GraphPoint {
    int x = 0;
    int y = 0;
    bool operator==(const GraphPoint&) const = default;
};

// The drawing tools of the graph; the painter turns each into its pen.
enum class PenKind {
    Frame,   // solid, width 4, black: frame and tick marks
    Grid,    // dotted, width 1, black
    Series1, // solid, width 3, red
    Series2, // solid, width 3, green
    Series3, // solid, width 3, blue
    Bar,     // solid, width 1, red: outline of the histogram bars
    // Pens of the charts that are not the saturation graph:
    Outline, // solid, width 2, black: boxes and whiskers
    Thick,   // solid, width 6, black: a median or a fitted value
    Dashed,  // dashed, width 3, red: an assumed or fitted contact
    Points,  // solid, width 2, blue: outline of the data markers
};

enum class BrushKind {
    Default,  // the surface's own brush: a white fill
    BarHatch, // red diagonal cross hatch
    Shade,    // light blue fill: the P10-P90 box, an uncertainty band
    Solid,    // the pen's colour: filled data markers
};

enum class FontKind {
    Title,   // height 70, weight 600
    Heading, // height 60, weight 700
    Label,   // height 45, weight 700
};

// Height of a text cell in the font, in logical units.
constexpr int FontHeight(FontKind kind) { return kind == FontKind::Title ? 70 : kind == FontKind::Heading ? 60 : 45; }

// Text alignment flags with the values the page was designed with.
constexpr int kAlignTop = 0;
constexpr int kAlignRight = 2;  // ending at x, hanging down from y
constexpr int kAlignCenter = 6; // centred on x, hanging down from y
// Added to one of the above: the text is centred on y instead of hanging
// down from it (tick labels beside an axis, names under a rotated column).
constexpr int kAlignMiddle = 32;

// One drawing step of the page. Which fields count depends on the kind:
//   Line       points[0] to points[1], pen
//   Polyline   all points joined in order, pen (fewer than two draw nothing)
//   Rectangle  opposite corners points[0] and points[1], outlined with pen,
//              filled with brush
//   Text       text (UTF-8) at points[0] in font with alignment align,
//              turned by angle degrees counter-clockwise about that point
//   Markers    a circle of radius size around each point, outlined with pen,
//              filled with brush
// Lines, polylines, rectangles and markers take their pen's colour from
// colour where it is set.
struct GraphPrimitive {
    enum class Kind { Line, Polyline, Rectangle, Text, Markers };
    Kind kind = Kind::Line;
    std::vector<GraphPoint> points;
    PenKind pen = PenKind::Frame;
    BrushKind brush = BrushKind::Default;
    FontKind font = FontKind::Label;
    int align = kAlignCenter;
    int angle = 0;
    int size = 0;
    std::string text;
    // A colour 0xRRGGBB of the pen instead of the pen kind's own (a curve
    // coloured by a value); -1 keeps the kind's colour.
    int colour = -1;

    static GraphPrimitive Line(GraphPoint from, GraphPoint to, PenKind pen)
    {
        GraphPrimitive p;
        p.kind = Kind::Line;
        p.points = {from, to};
        p.pen = pen;
        return p;
    }
    static GraphPrimitive Polyline(std::vector<GraphPoint> points, PenKind pen)
    {
        GraphPrimitive p;
        p.kind = Kind::Polyline;
        p.points = std::move(points);
        p.pen = pen;
        return p;
    }
    static GraphPrimitive Rectangle(GraphPoint corner1, GraphPoint corner2, PenKind pen, BrushKind brush)
    {
        GraphPrimitive p;
        p.kind = Kind::Rectangle;
        p.points = {corner1, corner2};
        p.pen = pen;
        p.brush = brush;
        return p;
    }
    static GraphPrimitive Text(GraphPoint at, std::string text, FontKind font, int align = kAlignCenter, int angle = 0)
    {
        GraphPrimitive p;
        p.kind = Kind::Text;
        p.points = {at};
        p.text = std::move(text);
        p.font = font;
        p.align = align;
        p.angle = angle;
        return p;
    }
    static GraphPrimitive Markers(std::vector<GraphPoint> points, int radius, PenKind pen, BrushKind brush)
    {
        GraphPrimitive p;
        p.kind = Kind::Markers;
        p.points = std::move(points);
        p.size = radius;
        p.pen = pen;
        p.brush = brush;
        return p;
    }
};

using DisplayList = std::vector<GraphPrimitive>;

// The part of the logical plane that one page covers, y upward: every
// primitive of the page lies inside it.
struct PageExtent {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return top - bottom; }
};

// A page ready to be shown, printed or exported: what to draw, the area it
// covers and the title that exported files carry.
struct GraphPage {
    DisplayList list;
    PageExtent extent;
    std::string title;
};

// Width of a text in a graph font, in logical units; the page needs it for
// the legend lines. The painter side measures with the real font.
class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    virtual int TextWidth(FontKind font, const std::string& text) const = 0;
};

// The smallest rectangle that holds everything a display list draws: its
// points and the cells of its texts, measured with `measure`. Logical
// units, y upward (top > bottom). An empty list gives an empty rectangle.
struct DrawingBounds {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const DrawingBounds&) const = default;
};
DrawingBounds BoundsOf(const DisplayList& list, const ITextMeasure& measure);

} // namespace keldo
