#pragma once
#include <string>
#include <vector>

#include "NetPay.h"
#include "NetPayCutoffs.h"

// Net pay in words and in a table: the short German block that keldo-batch
// prints after the report and the program shows in a window, and the row of
// netpay.csv. Fixed formats with a decimal point whatever the locale.
namespace keldo {

// The labelled lines of the numbers (count, cut-offs, thicknesses, ratios,
// means, hydrocarbon pore thicknesses); a value that does not exist is "-".
std::vector<std::string> NetPayLines(const NetPay& netPay, const NetPayCutoffs& cutoffs, bool shaleCurve);

// An empty line, the heading, then NetPayLines.
std::vector<std::string> NetPayBlock(const NetPay& netPay, const NetPayCutoffs& cutoffs, bool shaleCurve);

// The eight columns of the numbers: gross, net, pay, ntg, phi_net, sw_net,
// hcpt_log, hcpt_model.
std::vector<std::string> NetPayCsvColumns();

// The header line of netpay.csv: "well," and the eight columns, with its "\n".
std::string NetPayCsvHeader();

// The eight numbers of a netpay.csv row after the well: thicknesses (m) to 3
// decimals, ratios to 4; empty where a value does not exist.
std::vector<std::string> NetPayCsvFields(const NetPay& netPay);

// One line of netpay.csv (with its "\n"), the well's name quoted where it must be.
std::string NetPayCsvLine(const std::string& well, const NetPay& netPay);

// A number of the block: "%10.<decimals>f", or "-" in the same width where
// the value does not exist (NaN).
std::string BlockValue(double value, int decimals);

// A number of a CSV row: "%.<decimals>f", empty where it does not exist.
std::string CsvValue(double value, int decimals);

// Joins fields into one line of a comma-separated file, each quoted where
// it must be, ending in "\n".
std::string CsvLine(const std::vector<std::string>& fields);

} // namespace keldo
