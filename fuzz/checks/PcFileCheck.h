#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a core capillary-pressure file and holds the reader to
// its rules:
// - success means at least one sample, each with a name and at least one
//   point, from no more points than lines; porosity and every Sw within
//   0..1, pressures above 0 and finite, closure pressures from 0 and finite,
//   the permeability finite; each sample's points in the order of their
//   lines; the table's largest pressure that of its points;
// - a failure is never CannotRead (the text was there), names a line within
//   the file and gives one "ABBRUCH!!" message;
// - a small table (at most 6 samples, 60 points) goes on through the whole
//   normalization: either coefficients the input dialog accepts, all
//   finite, or a refusal with its message;
// - memory of the reading: a fixed amount plus a fixed multiple of the input size.
Violations CheckPcFile(std::string_view bytes);

} // namespace keldo::fuzz
