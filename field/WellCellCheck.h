#pragma once
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "FieldWell.h"

// The cells of the program's table of wells, checked before a study starts:
// the user hears of a cell that cannot be read at once, at its row and
// column, instead of finding the well "nicht gelesen" after the run.
namespace keldo {

enum class CellProblem {
    NameMissing,  // the well column is empty
    NameRepeated, // an earlier row has the same name
    NotANumber,   // contact or cut-off: neither empty nor one number
    NotElevation, // elevation: neither empty, "auto" nor one number
    OnlyWithLas,  // shale-volume curve: given for a row without a LAS file
};

struct CellFault {
    size_t row = 0; // 0-based, in the order of `rows`
    FieldColumn column = FieldColumn::Well;
    CellProblem problem = CellProblem::NotANumber;
};

// The first cell of `rows` (row by row, columns in FieldColumn order) that
// the field file's grammar would refuse; numbers take a decimal point or a
// decimal comma. Nothing when every cell can be read.
std::optional<CellFault> FirstBadCell(const std::vector<std::array<std::string, kFieldColumnCount>>& rows);

} // namespace keldo
