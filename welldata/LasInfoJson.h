#pragma once
#include <string>

#include "LasLog.h"

namespace keldo {

// The header and curve statistics of a LAS file as JSON text (UTF-8, ending
// with a line end), for `keldo-batch --las-info`. Keys in this order:
//   "version" (text), "wrap" (true/false), "null" (number), "rows" (data
//   records), "well" (an object from each ~W mnemonic to {"unit", "value",
//   "description"}, texts, in file order; duplicate or empty mnemonics made
//   unique as for curves), "curves" (a list in file order of {"mnemonic",
//   "unit", "description", "count", "min", "max"}: the count of values
//   present, min and max of those, null when there are none).
// Numbers are the shortest text that reads back as the same double ("-999.25",
// "3351.6", "1e+21"). Two-space indentation; each well item and each curve on
// one line.
std::string LasInfoJson(const LasLog& log);

} // namespace keldo
