#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Imports `bytes` as a measurement file, once with descending and once with
// ascending depths, and compares the result with a plain model of the import
// rules: a UTF-8 byte-order mark at the start skipped, lines split at LF (a
// CR before it dropped), each line at most 98
// characters, three decimal numbers as "%f" reads them (finite floats),
// 0 < porosity < 1, 0 < Sw <= 1, depths strictly monotonic, all on the values
// as read. It checks:
// - the accepted lines are exactly the leading lines that pass every rule,
//   each stored as "%10.3f   %10.5f  %10.5f" of the values as read, appended
//   after what the list held;
// - on the stored (rounded) text: three numbers, 0 <= porosity <= 1,
//   0 <= Sw <= 1, depths monotonic (equal values can appear after rounding);
// - never more lines than the input has; exactly one message, with the text
//   the rules give, when the import stops early, and none otherwise; the
//   result is true exactly when there was no message;
// - memory asked for stays within a fixed amount plus a fixed amount per
//   accepted line: however long a line is, it is never held whole.
Violations CheckMeasurementImport(std::string_view bytes);

} // namespace keldo::fuzz
