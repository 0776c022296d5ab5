#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as "aus.txt", through ReadResultsLines and through
// ReadResultsFile on a real file, and checks the reader's rules:
// - at most 1000 lines, the count returned is the number of lines appended;
// - a line longer than kLongestResultsLine ends the reading (the real file
//   then gives no line);
// - each line is the file's line whole: split at LF, a CR before the LF
//   dropped, a zero byte shown as a blank, a line of at most one character
//   shown as blanks of its length, converted from Windows-1252;
// - the lines together hold at most three bytes of text per byte read;
// - writing the lines again ("Ergebnisse ausgeben") and reading them back
//   gives the same lines, unless the last one ended in a CR without LF;
// - the real file reads as the same lines as the stream; memory stays within
//   a fixed multiple of the input size.
Violations CheckResultsFile(std::string_view bytes);

} // namespace keldo::fuzz
