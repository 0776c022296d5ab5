#pragma once
#include <array>

#include "GraphPrimitives.h"

class CKeldoDoc;

// Everything the graph view keeps between drawings: the axis ranges with
// their steps and first ticks, the plot size and layout switches, and the
// page points of the three series. Plain C++; the Qt view CGrafik owns one
// and only paints the display list that zeichnen builds from it.
class CGrafikState {
public:
    // --- axis scaling ---------------------------------------------------
    double xmin = 0.0, xmax = 0.0;
    double ymin = 0.0, ymax = 0.0;
    double y1min = 0.0, y1max = 0.0;
    double deltax = 0.0, deltay = 0.0, deltay1 = 0.0;
    double xstart = 0.0, ystart = 0.0, y1start = 0.0;
    int m_y1 = 0; // intervals of the left y axis
    int m_y2 = 0; // intervals of the right y axis

    // --- page geometry ----------------------------------------------------
    int breite = 1300;
    int hoehe = 750;
    int m_bPrint = 0;
    int m_bGrafiklupe = 0;
    int m_bHochformat = 1;

    using PointArray = std::array<keldo::GraphPoint, 1000>;
    PointArray m_Punkte1{};
    PointArray m_Punkte2{};
    PointArray m_Punkte3{};

    // --- scaling ------------------------------------------------------------
    void extreme(const CKeldoDoc& doc);
    static double delta(double delt);
    static double start(double min, double delt);
    void scale(const CKeldoDoc& doc);
    // extreme, scale and worldtrans; then the document counts as scaled.
    void OnGraf(CKeldoDoc& doc);
    void OnCompute(CKeldoDoc& doc) { OnGraf(doc); }
    // True once scale has run: before that the ranges are empty and
    // nothing may be transformed or drawn.
    bool IsScaled() const { return m_bScaled; }

    // --- page transform and axes ---------------------------------------------
    void worldtrans(const CKeldoDoc& doc);
    void xachse(keldo::DisplayList& out) const;
    void yachse(keldo::DisplayList& out) const;
    void y1achse(keldo::DisplayList& out) const;
    void gitter(keldo::DisplayList& out) const;

    // --- one graph page ------------------------------------------------------
    keldo::DisplayList zeichnen(const CKeldoDoc& doc, const keldo::ITextMeasure& measure);
    void Blockdiagramm(keldo::DisplayList& out, const PointArray& points, int count) const;

    // The part of the page that a drawing of the current layout covers, in
    // logical units: from the window origin (-400, 350) to as far right and
    // down again as the plot lies from it. The legend and the document line
    // below the plot and the labels of the right axis fit inside.
    struct Extent {
        int left, top, right, bottom;
        int Width() const { return right - left; }
        int Height() const { return top - bottom; }
    };
    Extent PageExtent() const;

    static constexpr int kOriginX = -400;
    static constexpr int kOriginY = 350;

private:
    bool m_bScaled = false;
};

namespace keldo {
// Conversion to a 32-bit integer truncating toward zero, as the processor
// does it: a value that is not a number or lies outside the range gives the
// smallest 32-bit integer.
int Trunc32(double value);
} // namespace keldo
