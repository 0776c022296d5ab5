#pragma once
#include <string>
#include <vector>

#include "WellSummary.h"

// The field chart by zone: each zone of a well stands as a column of its
// own, its box from the zone's contacts, under the well's name and the
// zone's.
namespace keldo {

// "15/9-F-11 A: Hugin": the name under a zone's column.
std::string ZoneColumnName(const std::string& well, const std::string& zone);

// One summary per well and zone, in the order of the study and each well's
// zones from the shallowest down: the well's row (assumed contact, fluid,
// depths) with the zone's name, the zone's contact count as the first class
// (its smallest and largest contact as whiskers) and its P10, median and
// P90. A well without zones (not computed, or no tops of its own) keeps its
// one column.
std::vector<WellSummary> ZoneColumns(const std::vector<WellSummary>& wells);

} // namespace keldo
