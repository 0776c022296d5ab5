#pragma once
#include <string>
#include <vector>

namespace keldo {

// One axis of a chart: a data range widened to whole tick steps. A
// logarithmic axis holds log10 of the data and ticks at whole decades.
struct ChartAxis {
    double min = 0;
    double max = 1;
    double step = 1;
    bool logarithmic = false;

    // The range lo..hi widened to the steps the saturation graph uses
    // (1, 2, 4, 5 times a power of ten); an empty range gets one step.
    static ChartAxis Linear(double lo, double hi);
    // lo..hi (both > 0) widened to whole decades.
    static ChartAxis Log10(double lo, double hi);

    // The tick values from min to max (log10 values on a logarithmic axis).
    std::vector<double> Ticks() const;
    // The label of a tick: the data value with as many decimals as the step
    // needs, a decimal point whatever the locale.
    std::string TickLabel(double tick) const;
    // Where `value` (a data value, not its logarithm) lies on the axis:
    // 0 at min, 1 at max; a logarithmic axis maps values <= 0 to 0.
    double Fraction(double value) const;
};

} // namespace keldo
