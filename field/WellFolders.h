#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "FieldWell.h"

// Where the outputs of each well go: a folder named after the well.
namespace keldo {

// The well name as a folder name that every file system and shell takes:
// '/', '\', the characters Windows refuses, control characters and blanks
// become '_', a leading dot too (no hidden folder), trailing dots are
// dropped; at most 80 bytes, cut at a character boundary. Umlauts stay.
// An empty result becomes "Bohrung".
std::string SafeFolderName(std::string_view well);

// The folder of every well, in their order: SafeFolderName, made unique by
// "_2", "_3", … (letter case ignored, for file systems that ignore it), and
// never the name of a file of the study itself (summary.csv, field.*).
std::vector<std::string> WellFolderNames(const std::vector<FieldWell>& wells);

} // namespace keldo
