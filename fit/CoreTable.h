#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "PhiKSamples.h"

// Reading a core table: a text file from the laboratory with one plug per
// line, depth TVD (m), porosity (fraction) and permeability (mD).
//
// - The numbers are those of the measurement files (decimal point, optional
//   sign and exponent, read as float), separated by blanks or tabs. Further
//   columns after the third (grain density, a plug name) are ignored.
// - A line whose first character other than a blank is '#' is a comment,
//   an empty or blank line is skipped, both anywhere in the file.
// - Lines before the first line of numbers that begin with a letter are the
//   table's column headings and are skipped; laboratory tables have them,
//   and a heading can never be a number.
// - Any other line, and a number too large for a float, stops the reading
//   with a message naming the file and the line; so does a line longer than
//   kLongestCoreTableLine.
// - Only a regular file is read: a named pipe or a device is refused before
//   anything is read. The file is read line by line, so the memory grows with
//   the plugs kept, not with the file.
// - A UTF-8 byte-order mark, CR LF or LF line ends are taken as they come.
// Which samples a fit then takes (depth window, porosity and permeability
// ranges) is decided by SelectPhiKPairs, not here.
namespace keldo {

// A core table larger than this is no core table.
inline constexpr unsigned long long kMostCoreTableBytes = 64ull << 20;
// No row of a core table comes near this; a longer line is refused.
inline constexpr size_t kLongestCoreTableLine = 64 * 1024;

enum class CoreTableErrorKind {
    CannotOpen,  // missing, a folder, a pipe or device, not readable, a read error
    TooLarge,    // more than kMostCoreTableBytes
    BadLine,     // a line that is not three numbers
    LineTooLong, // a line longer than kLongestCoreTableLine
};

// Why a core table could not be read: the kind, the file as messages name
// it and, for a bad line, its number and its beginning as the message
// quotes it. Message() makes the German text the user sees.
struct CoreTableError {
    CoreTableErrorKind kind = CoreTableErrorKind::CannotOpen;
    std::string file;
    long long line = 0; // BadLine, LineTooLong: 1-based
    std::string quoted; // BadLine: the beginning of the line, in UTF-8
    int reason = 0;     // CannotOpen: the errno value, 0 when not known

    std::string Message() const;
};

// Reads `text` (the whole file) named `name` in messages. False with the
// first bad line in `error`; `samples` then holds nothing.
bool ReadCoreTableText(
    std::string_view text, const std::string& name, std::vector<PhiKSample>& samples, CoreTableError& error);

// The same for the file at `path`, which messages name.
bool ReadCoreTable(const std::string& path, std::vector<PhiKSample>& samples, CoreTableError& error);

} // namespace keldo
