#include "RowThickness.h"

#include <algorithm>
#include <cmath>

namespace keldo {

std::vector<double> RowThicknesses(std::span<const CurveRow> rows)
{
    std::vector<double> h(rows.size(), 0.0);
    for (size_t i = 1; i < rows.size(); ++i) {
        const double half
            = std::min(std::fabs(static_cast<double>(rows[i].depth) - rows[i - 1].depth) / 2, kLongestHalf);
        h[i - 1] += half;
        h[i] += half;
    }
    return h;
}

} // namespace keldo
