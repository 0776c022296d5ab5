#include "ChartAxis.h"

#include <algorithm>
#include <cmath>

#include "GrafikState.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// Enough ticks for any chart; a range that would need more is a range of
// nonsense values and keeps its ends.
constexpr int kMaxTicks = 200;

} // namespace

ChartAxis ChartAxis::Linear(double lo, double hi)
{
    if (!std::isfinite(lo) || !std::isfinite(hi))
        lo = hi = 0;
    if (hi < lo)
        std::swap(lo, hi);
    ChartAxis axis;
    axis.step = CGrafikState::delta(hi - lo);
    axis.min = std::floor(lo / axis.step) * axis.step;
    axis.max = std::ceil(hi / axis.step) * axis.step;
    if (axis.max <= axis.min)
        axis.max = axis.min + axis.step;
    if ((axis.max - axis.min) / axis.step > kMaxTicks)
        axis.step = (axis.max - axis.min) / kMaxTicks;
    return axis;
}

ChartAxis ChartAxis::Log10(double lo, double hi)
{
    if (!(lo > 0) || !std::isfinite(lo))
        lo = 1;
    if (!(hi > 0) || !std::isfinite(hi))
        hi = lo;
    if (hi < lo)
        std::swap(lo, hi);
    ChartAxis axis;
    axis.logarithmic = true;
    axis.step = 1;
    axis.min = std::floor(std::log10(lo));
    axis.max = std::ceil(std::log10(hi));
    if (axis.max <= axis.min)
        axis.max = axis.min + 1;
    return axis;
}

std::vector<double> ChartAxis::Ticks() const
{
    std::vector<double> ticks;
    const int count = static_cast<int>(std::lround((max - min) / step));
    for (int i = 0; i <= std::min(count, kMaxTicks); ++i)
        ticks.push_back(min + i * step);
    return ticks;
}

std::string ChartAxis::TickLabel(double tick) const
{
    if (logarithmic) {
        const double value = std::pow(10.0, tick);
        return tick < 0 ? Format("%.*f", static_cast<int>(-tick), value) : Format("%.0f", value);
    }
    // Decimals enough to tell neighbouring ticks apart.
    const int decimals = step >= 1 ? 0 : std::min(6, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    const double shown = std::fabs(tick) < step * 1e-6 ? 0.0 : tick;
    return Format("%.*f", decimals, shown);
}

double ChartAxis::Fraction(double value) const
{
    double v = value;
    if (logarithmic)
        v = value > 0 ? std::log10(value) : min;
    return (v - min) / (max - min);
}

} // namespace keldo
