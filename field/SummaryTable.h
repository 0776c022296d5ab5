#pragma once
#include <array>
#include <optional>
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

// The columns, in the order of summary.csv and of the program's table.
enum class SummaryColumn {
    Well,
    Folder,
    Status,
    Measurements,
    MinDepth,
    MaxDepth,
    Fluid,
    Contact,
    Cutoff1,
    Count1,
    Min1,
    Mean1,
    Max1,
    Cutoff2,
    Count2,
    Min2,
    Mean2,
    Max2,
    Cutoff3,
    Count3,
    Min3,
    Mean3,
    Max3,
    P10,
    Median,
    P90,
    Rms,
    RmsRows,
    Message,
};
inline constexpr int kSummaryColumnCount = static_cast<int>(SummaryColumn::Message) + 1;

// Every column, in order.
const std::array<SummaryColumn, kSummaryColumnCount>& SummaryColumns();

// The header of summary.csv ("median").
const char* SummaryKey(SummaryColumn column);
// The header in the program, German ("Median (m)").
const char* SummaryTitle(SummaryColumn column);
// A column of numbers, sorted as numbers.
bool IsNumberColumn(SummaryColumn column);

// The cell as summary.csv holds it.
std::string SummaryValue(const WellSummary& summary, SummaryColumn column);
// The number a cell of a number column shows, unrounded; nothing for an
// empty cell and for the other columns.
std::optional<double> SummaryNumber(const WellSummary& summary, SummaryColumn column);

// The whole of summary.csv.
std::string SummaryCsv(const std::vector<WellSummary>& rows);

} // namespace keldo
