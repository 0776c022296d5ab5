#pragma once
#include <vector>

// Quantiles of a well's per-measurement contacts, the same for the field
// study and for the zones of a well.
namespace keldo {

// The p-quantile (0 ≤ p ≤ 1) of `sorted` (ascending) by linear
// interpolation between order statistics: with h = (n − 1)·p,
// x[⌊h⌋] + (h − ⌊h⌋)·(x[⌊h⌋ + 1] − x[⌊h⌋]), so that p = 0 gives the
// smallest value, p = 1 the largest and p = 0.5 the usual median. NaN
// without values.
double Quantile(const std::vector<double>& sorted, double p);

struct ContactQuantiles {
    double p10, median, p90;
};
// P10, median and P90 of `contacts` (any order).
ContactQuantiles QuantilesOf(const std::vector<float>& contacts);

} // namespace keldo
