#include "PcSaturation.h"

#include <cmath>
#include <limits>

namespace keldo {
namespace {

constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
// Relative steps of the differences: small for the double quantities, large
// enough for Swmin, which the curve holds in single precision.
constexpr double kStep = 1e-7;
constexpr double kSwminStep = 1e-4;
// The saturation is found to this much, far below any measurement's digits.
constexpr double kRootTolerance = 1e-14;
// The first half-width of the bracket around a guess, as a share of 1 - Swmin.
constexpr double kGuessStep = 1e-3;

enum class Side { Threshold, Maximum, Between };

Side Where(const CapillaryCurve& c, double pressure)
{
    if (!(pressure > c.pcsperr) || !(c.swmin < 1))
        return Side::Threshold;
    if (pressure >= c.pcMax)
        return Side::Maximum;
    return Side::Between;
}

// ln(Pc(Sw) / pressure): falls from ln(Pc max / p) at Swmin to ln(Pcsperr / p)
// at 1, nearer to a straight line in Sw than Pc itself.
double Excess(const CapillaryCurve& c, double sw, double pressure)
{
    return std::log(CapillaryPressureAt(c, sw) / pressure);
}

// Brent's method on [a, b], where Excess falls from fa > 0 to fb < 0.
double Brent(const CapillaryCurve& c, double pressure, double a, double b, double fa, double fb)
{
    double cc = a, fc = fa, d = b - a, e = d;
    for (int i = 0; i < 100; ++i) {
        if ((fb > 0) == (fc > 0)) {
            cc = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = cc;
            cc = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tolerance = 2 * kEpsilon * std::fabs(b) + kRootTolerance / 2;
        const double m = (cc - b) / 2;
        if (std::fabs(m) <= tolerance || fb == 0)
            return b;
        if (std::fabs(e) >= tolerance && std::fabs(fa) > std::fabs(fb)) {
            // Secant or inverse quadratic interpolation.
            double p, q;
            const double s = fb / fa;
            if (a == cc) {
                p = 2 * m * s;
                q = 1 - s;
            } else {
                const double r = fb / fc, t = fa / fc;
                p = s * (2 * m * t * (t - r) - (b - a) * (r - 1));
                q = (t - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::fmin(3 * m * q - std::fabs(tolerance * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = m;
            }
        } else {
            d = e = m;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tolerance ? d : (m > 0 ? tolerance : -tolerance);
        fb = Excess(c, b, pressure);
    }
    return b;
}

// The root between Swmin and 1; from a guess inside, the bracket grows
// from a small one around it, else it is the whole range.
double Root(const CapillaryCurve& c, double pressure, double guess)
{
    const double lowest = c.swmin;
    if (!(guess > lowest && guess < 1)) {
        const double fa = Excess(c, lowest, pressure), fb = Excess(c, 1, pressure);
        if (!(fa > 0))
            return lowest;
        if (!(fb < 0))
            return 1;
        return Brent(c, pressure, lowest, 1, fa, fb);
    }
    const double fg = Excess(c, guess, pressure);
    if (fg == 0)
        return guess;
    // Excess falls with Sw: the root lies above a positive guess.
    const double direction = fg > 0 ? 1 : -1;
    double near = guess, fnear = fg, step = kGuessStep * (1 - lowest);
    for (;;) {
        double far = guess + direction * step;
        if (far >= 1 || far <= lowest)
            far = direction > 0 ? 1 : lowest;
        const double ffar = Excess(c, far, pressure);
        if ((ffar > 0) != (fg > 0) || far == 1 || far == lowest) {
            if ((ffar > 0) == (fg > 0))
                return far; // the end of the range: Swmin or 1 itself
            return direction > 0 ? Brent(c, pressure, near, far, fnear, ffar)
                                 : Brent(c, pressure, far, near, ffar, fnear);
        }
        near = far;
        fnear = ffar;
        step *= 8;
    }
}

} // namespace

double SaturationAtPressure(const CapillaryCurve& c, double pressure, double guess)
{
    switch (Where(c, pressure)) {
    case Side::Threshold:
        return 1;
    case Side::Maximum:
        return c.swmin;
    case Side::Between:
        break;
    }
    return Root(c, pressure, guess);
}

SaturationSlopes SlopesAt(const CapillaryCurve& c, double pressure, double sw)
{
    SaturationSlopes out;
    out.sw = sw;
    switch (Where(c, pressure)) {
    case Side::Threshold:
        return out;
    case Side::Maximum:
        out.d[kSwmin] = 1;
        return out;
    case Side::Between:
        break;
    }
    const double pc = CapillaryPressureAt(c, sw);

    // dPc/dSw, central where both sides lie on the curve.
    const double h = kStep * (1 - c.swmin);
    const double up = std::fmin(sw + h, 1.0), down = std::fmax(sw - h, static_cast<double>(c.swmin));
    const double slope = (CapillaryPressureAt(c, up) - CapillaryPressureAt(c, down)) / (up - down);
    if (!(slope < 0))
        return out; // flat in double precision: no derivative to give

    CapillaryCurve moved = c;
    const auto forward = [&](double& quantity) {
        const double original = quantity;
        const double step = kStep * std::fmax(std::fabs(original), 1e-12);
        quantity = original + step;
        const double change = (CapillaryPressureAt(moved, sw) - pc) / (quantity - original);
        quantity = original;
        return change;
    };
    double dPc[kCurveQuantities];
    dPc[kPcsperr] = forward(moved.pcsperr);
    dPc[kAlfa] = forward(moved.alfa);
    dPc[kBeta] = forward(moved.beta);
    // Swmin in single precision: a central difference over the steps it really took.
    moved.swmin = static_cast<float>(c.swmin * (1 + kSwminStep));
    const double pcUp = CapillaryPressureAt(moved, sw);
    const float swminUp = moved.swmin;
    moved.swmin = static_cast<float>(c.swmin * (1 - kSwminStep));
    const double pcDown = CapillaryPressureAt(moved, sw);
    dPc[kSwmin] = (pcUp - pcDown) / (static_cast<double>(swminUp) - moved.swmin);

    for (int q = 0; q < kCurveQuantities; ++q)
        out.d[static_cast<size_t>(q)] = -dPc[q] / slope;
    return out;
}

} // namespace keldo
