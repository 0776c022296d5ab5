#pragma once
#include <string>
#include <string_view>

// One line of the ~V, ~W, ~C and ~P sections of a LAS file:
//   MNEM.UNIT  VALUE : DESCRIPTION
namespace keldo {

struct LasHeaderItem {
    std::string mnemonic;
    std::string unit;
    std::string value; // in ~C: the API code, often empty
    std::string description;
};

// Reads a header line as real files are written: the first period ends the
// mnemonic; the unit runs from it to the first blank or tab (empty when a
// colon follows the period at once); the value runs to
// the first colon that is not between two digits (a time such as 13:45 stays
// in the value); the description is the rest, colons included. Each part is
// trimmed of blanks; any of them may be empty. A line without a period before
// that colon has no unit: the mnemonic runs to the colon.
LasHeaderItem ParseLasHeaderLine(std::string_view line);

// Older files (LAS 1.2) write the well items other than STRT, STOP, STEP and
// NULL as "MNEM. DESCRIPTION : VALUE": swaps the two back for those items.
void SwapOldStyleWellItem(LasHeaderItem& item);

} // namespace keldo
