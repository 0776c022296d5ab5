#include "LineOrder.h"

#include <algorithm>
#include <numeric>

namespace keldo {

std::vector<int> SortedLineOrder(const std::vector<std::string>& lines)
{
    const int n = static_cast<int>(lines.size());
    std::vector<int> order(static_cast<size_t>(n));
    // An imported file runs strictly one way; a descending one is shown reversed.
    bool descending = true;
    for (int i = 1; i < n && descending; ++i)
        descending = lines[i] < lines[i - 1];
    if (n > 1 && descending) {
        for (int i = 0; i < n; ++i)
            order[i] = n - 1 - i;
        return order;
    }
    std::iota(order.begin(), order.end(), 0);
    auto byText = [&lines](int a, int b) { return lines[a] < lines[b]; };
    if (!std::is_sorted(order.begin(), order.end(), byText))
        std::stable_sort(order.begin(), order.end(), byText);
    return order;
}

} // namespace keldo
