#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a LAS file and holds the reader to its rules:
// - the data section, read by a plain model (lines split at LF with a CR
//   before it dropped, a UTF-8 byte-order mark skipped, the data after the
//   first line that begins with "~A", blank and # lines skipped, values split
//   at blanks), decides success: the reader fails exactly where the model
//   finds a line with the wrong number of values (or a wrapped record that
//   runs over or stops short), with that line; otherwise it holds as many
//   records as the model;
// - every value is missing exactly when its text is not a decimal number
//   ([sign] digits [. digits] [exponent], read by the C library), equals
//   NULL, or lies beyond the double range; a present value is within one
//   double step of the C library's reading and becomes exactly the float
//   the text import reads from the same text;
// - the header: curves present, their mnemonics unique and never empty, every
//   text valid UTF-8, LAS 3.0 never accepted, WRAP as its item says; reading
//   the header alone gives the same header; reading without keeping any curve
//   gives the same statistics, which agree with the kept values;
// - a failure has a kind that belongs to reading, a sentence, and a line
//   within the file;
// - the rows derived from the file (suggested curves, with and without a
//   survey) are counted completely, each once, and the lines hold three
//   numbers with porosity and Sw within 0..1 and depths strictly one way; the
//   count of rows with a missing value is the model's;
// - the --las-info JSON is valid JSON;
// - memory: a fixed amount plus a fixed multiple of the input size.
Violations CheckLasReader(std::string_view bytes);

} // namespace keldo::fuzz
