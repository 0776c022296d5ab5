#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a pressure file for the well "15/9-F-12" and holds the
// reader and the level to their rules:
// - success means at least one point, each with a finite depth, a pressure
//   above 0 and finite, its line within the file and after the one before,
//   a fluid exactly when the file has a fluid column; left-out points only
//   as many as left-out rows;
// - a failure has its one German message beginning "ABBRUCH!!Druckdatei ",
//   a line within the file, and leaves no point;
// - the level, for a gas and an oil document: either refused with one
//   message beginning "ABBRUCH!!", or finite with σ >= 0, P90 <= level <=
//   P10 and within 1000 m of the meeting legs' points; the block and the
//   graph page are made either way;
// - memory: a fixed amount plus a fixed multiple of the input size.
Violations CheckPressureReader(std::string_view bytes);

} // namespace keldo::fuzz
