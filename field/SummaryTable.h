#pragma once
#include <string>
#include <vector>

#include "WellSummary.h"

// The field summary: one row per well, the same columns in summary.csv and
// in the program's table.
//
// summary.csv is UTF-8, comma-separated, one header line of the column
// keys, then one line per well in the order of the field file; a line ends
// with "\n". Numbers have a decimal point whatever the locale; a field with
// no value is empty. The columns:
//
//   well             name of the well, as in the field file
//   folder           its folder in the output folder
//   status           completed, stopped (a run stopped early), unreadable
//                    (the row or its files could not be used, or its inputs
//                    were refused), not_run (the study was called off)
//   measurements     measurement lines inside the depth window
//   min_depth        depth window (m TVD, 3 decimals): the whole list
//   max_depth
//   fluid            gas or oil
//   contact          the assumed contact of the well's document (m, 2
//                    decimals, as in the report header)
//   cutoff_1         porosity cut-off of the first class (fraction)
//   count_1          contacts in it
//   min_1, mean_1, max_1
//                    smallest, mean and largest contact (m, 1 decimal, the
//                    numbers of the contact report); empty without contacts
//   cutoff_2 … max_2, cutoff_3 … max_3
//                    the same for the cut-off + 0.02 and + 0.04
//   p10, median, p90 quantiles of the contacts of the first class (m, 2
//                    decimals; linear interpolation between order
//                    statistics)
//   rms              RMS of computed − measured Sw for the assumed contact
//                    over the rows at or above the cut-off (5 decimals)
//   rms_n            rows in the RMS
//   message          why the well stopped or was not read; empty when
//                    completed
namespace keldo {

struct SummaryColumn {
    const char* key;   // the header of summary.csv
    const char* title; // the header in the program (German)
    bool numeric;      // sorted as a number
};

const std::vector<SummaryColumn>& SummaryColumns();

// The row's values in column order, as summary.csv holds them.
std::vector<std::string> SummaryValues(const WellSummary& summary);

// The whole of summary.csv.
std::string SummaryCsv(const std::vector<WellSummary>& rows);

} // namespace keldo
