#include "ContactQuantiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace keldo {

double Quantile(const std::vector<double>& sorted, double p)
{
    if (sorted.empty())
        return std::numeric_limits<double>::quiet_NaN();
    const double h = static_cast<double>(sorted.size() - 1) * std::clamp(p, 0.0, 1.0);
    const size_t lower = static_cast<size_t>(std::floor(h));
    if (lower + 1 >= sorted.size())
        return sorted.back();
    return sorted[lower] + (h - static_cast<double>(lower)) * (sorted[lower + 1] - sorted[lower]);
}

ContactQuantiles QuantilesOf(const std::vector<float>& contacts)
{
    std::vector<double> sorted(contacts.begin(), contacts.end());
    std::sort(sorted.begin(), sorted.end());
    return {Quantile(sorted, 0.1), Quantile(sorted, 0.5), Quantile(sorted, 0.9)};
}

} // namespace keldo
