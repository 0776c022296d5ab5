// Axis scaling of the graph view: data ranges, tick steps, first ticks and
// the widening of each range to whole steps.
#include <climits>
#include <cmath>
#include <cstdlib>

#include "GrafikState.h"
#include "KeldoDoc.h"

namespace keldo {

int Trunc32(double value)
{
    // The processor's conversion yields the "integer indefinite" value for
    // anything it cannot represent; the scaling relies on that for the
    // logarithm of a negative ratio.
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT_MIN;
    return static_cast<int>(value);
}

} // namespace keldo

namespace {

using keldo::Trunc32;

// Every walk along an axis adds its step until it passes an end. A range
// far wider than its step (or a step lost in the rounding of a huge value)
// must not hang the view, so walks stop after this many steps.
constexpr int kMaxWalk = 100000;

int SeriesCount(const CKeldoDoc& doc)
{
    if (doc.m_MaxWerte < 0)
        return 0;
    return doc.m_MaxWerte < CKeldoDoc::kGraphPoints ? doc.m_MaxWerte : CKeldoDoc::kGraphPoints;
}

void Widen(double value, double& lo, double& hi)
{
    // Comparisons with a value that is not a number are false, so such a
    // value never becomes an end of the range.
    if (value < lo)
        lo = value;
    if (value > hi)
        hi = value;
}

} // namespace

void CGrafikState::extreme(const CKeldoDoc& doc)
{
    const int n = SeriesCount(doc);
    for (int i = 0; i < n; ++i) {
        const double x = doc.m_X[i], y = doc.m_Y[i], y1 = doc.m_Y1[i];
        if (i == 0) {
            xmin = xmax = x;
            ymin = ymax = y;
            y1min = y1max = y1;
        }
        Widen(x, xmin, xmax);
        Widen(y, ymin, ymax);
        Widen(y1, y1min, y1max);
        if (doc.m_nYAchsen == 2)
            Widen(doc.m_Y2[i], ymin, ymax); // the computed Sw shares the left axis
    }
    if (n == 0) {
        xmin = 0;
        xmax = 1;
        ymin = 0;
        ymax = 1;
        y1min = 0;
        y1max = 1;
    }
    if (doc.m_nModus == 0) {
        // Saturation and porosity are fractions: fixed axes whatever the data.
        ymin = 0;
        ymax = 1.0;
        y1min = 0;
        y1max = 0.4;
    }
}

double CGrafikState::delta(double delt)
{
    if (delt == 0.0)
        return 1.0;
    const double ddelt = delt / 10.0;
    const int n = Trunc32(std::log10(ddelt));
    if (n == INT_MIN)
        return 1.0; // negative or not a number: no decade to scale to
    const double s = std::pow(10.0, n);
    if (!(s > 0.0) || !std::isfinite(s))
        return 1.0;
    const double q = ddelt / s;
    double step;
    if (q >= 4.0)
        step = 10 * s;
    else if (q >= 2.0)
        step = 5 * s;
    else if (q >= 1.0)
        step = 2 * s;
    else if (q >= 0.7)
        step = 1 * s;
    else if (q >= 0.45)
        step = 0.5 * s;
    else if (q >= 0.2)
        step = 0.4 * s;
    else if (q > 0.1)
        step = 0.2 * s;
    else if (q == 0.1)
        step = 0.1 * s;
    else
        step = 1.0;
    return step > 0.0 && std::isfinite(step) ? step : 1.0;
}

double CGrafikState::start(double min, double delt)
{
    if (min == 0.0)
        return 0.0;
    if (delt == 0.0 || !std::isfinite(delt))
        return min;
    const double q = min / delt;
    const int whole = Trunc32(q);
    if (q == static_cast<double>(whole))
        return min;
    const int n = Trunc32(std::log10(q)); // INT_MIN for a negative ratio
    if (n == INT_MIN || std::abs(n) <= 4) {
        double result = whole * delt;
        if (min < 0)
            result -= delt;
        return result;
    }
    // Far from zero: count up in whole steps from just below the decade.
    double v = std::pow(10.0, n) * delt - delt;
    const double limit = min - delt;
    if (!std::isfinite(v) || !std::isfinite(limit))
        return min;
    const double steps = (limit - v) / delt;
    if (steps > 1e7) // come close in one jump; the last steps are added as usual
        v += std::floor(steps - 2) * delt;
    for (int i = 0; v <= limit && i < kMaxWalk * 100; ++i)
        v += delt;
    return v;
}

void CGrafikState::scale(const CKeldoDoc& doc)
{
    deltax = delta(xmax - xmin);
    deltay = delta(ymax - ymin);
    xstart = start(xmin, deltax);
    ystart = start(ymin, deltay);
    if (xstart < xmin)
        xmin = xstart;
    if (ystart < ymin)
        ymin = ystart;

    double v = xstart;
    for (int i = 0; v < xmax - 0.00001 && i < kMaxWalk; ++i)
        v += deltax;
    xmax = v;
    v = ystart;
    for (int i = 0; v < ymax - 0.000001 && i < kMaxWalk; ++i)
        v += deltay;
    ymax = v;

    if (ymax == ymin) {
        ymax += deltay;
        ymin -= deltay;
    }
    // A single whole x value would leave the x axis without length; it is
    // widened like the y axis so that the page transform has a range.
    if (xmax == xmin) {
        xmax += deltax;
        xmin -= deltax;
    }

    m_y1 = 0;
    v = ymin;
    for (; v < ymax && m_y1 < kMaxWalk; ++m_y1)
        v += deltay;

    if (y1max == y1min)
        y1max = y1min + 1.0;

    if (doc.m_nYAchsen == 2) {
        deltay1 = delta(y1max - y1min);
        y1start = start(y1min, deltay1);
        if (y1start < y1min)
            y1min = y1start;
        m_y2 = 0;
        v = y1min;
        for (; v < y1max && m_y2 < kMaxWalk; ++m_y2)
            v += deltay1;
        y1max = v;
        // Same number of intervals on both sides, so that the grid of the
        // left axis meets the ticks of the right one.
        if (m_y2 > m_y1)
            ymax = ystart + m_y2 * deltay;
        else
            y1max = y1min + m_y1 * deltay1;
    }
    m_bScaled = true;
}

void CGrafikState::OnGraf(CKeldoDoc& doc)
{
    extreme(doc);
    scale(doc);
    worldtrans(doc);
    doc.m_bSkaliert = 1;
}
