#pragma once
#include <string>
#include <vector>

#include "WellSummary.h"

// The net-pay and zone numbers of a study as the window's tables show them:
// German headings with units over the very fields netpay.csv and zones.csv
// hold, from the same per-well results.
namespace keldo {

struct ResultTable {
    std::vector<std::string> headings;
    std::vector<bool> numbers; // per column: right-aligned, sorted by value
    std::vector<std::vector<std::string>> rows;
};

// One row per well in the order of the study, the fields of its netpay.csv
// row; a well not computed has its name and empty numbers.
ResultTable NetPayTable(const std::vector<WellSummary>& wells);

// One row per well and zone, the fields of its zones.csv row.
ResultTable ZonesTable(const std::vector<WellSummary>& wells);

} // namespace keldo
