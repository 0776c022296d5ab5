#pragma once
#include <string>
#include <vector>

namespace keldo {

// The order in which a sorted list box shows `lines`: indices into `lines`,
// ordered by the text of the lines (byte order; equal lines keep their order).
// For fixed-width measurement lines with non-negative depths this is the
// order of increasing depth. Lists that already run up or down are recognised
// without sorting.
std::vector<int> SortedLineOrder(const std::vector<std::string>& lines);

} // namespace keldo
