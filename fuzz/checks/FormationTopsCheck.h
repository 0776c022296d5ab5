#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a tops file and holds the reader to its rules:
// - success means at least one top, each from a line of the file (lines
//   increasing), with a well and a surface, a finite depth within
//   ±1000 km, and no well with the same surface twice;
// - a failure has a kind, no tops, a line within the file, the column its
//   kind names (a known column, or a position), and a message that names
//   the line;
// - the same text with CR LF line ends reads the same;
// - memory: a fixed amount plus a fixed multiple of the input size.
Violations CheckFormationTops(std::string_view bytes);

} // namespace keldo::fuzz
