#pragma once
#include <optional>
#include <string>
#include <vector>

#include "CsvTable.h"

// The core capillary-pressure table: mercury injection measurements on core
// plugs, as the laboratory delivers them, interpreted into samples.
//
// The file
// - Plain text, one header row, then one row per measured point; cells
//   separated by commas, semicolons or tabs (the header decides), as the
//   text toolkit's table reader splits them. Lines that begin with '#' are
//   comments and blank lines are ignored, anywhere in the file. UTF-8, else
//   Windows-1252 (PcFile reads the file and decides).
// - Numbers: decimal point, optional sign and exponent; where the separator
//   is not a comma a decimal comma is taken as well ("0,25" = 0.25).
// - Columns are found by name, in any order and any case; a unit stands in
//   parentheses or square brackets after the name ("pressure (psia)",
//   "Porosity [%]"). Columns with other names are ignored.
//
//   column         meaning                                          units
//   sample         name of the plug (required)                     -
//   depth          depth of the plug (optional, shown)             m
//   porosity       porosity (required)                             fraction (none, "-", "frac") or %
//   permeability   plug permeability (required)                    mD (none) or D
//   pressure       mercury injection pressure (required)           bar (none), psi, psia, kPa, MPa
//   hg_saturation  mercury saturation of the pore volume           fraction (none, "-", "frac") or %
//   sw             or the wetting-phase saturation 1 - SHg         fraction or %
//   closure        closure pressure of the sample (optional)       as pressure; none: the unit of pressure
//
//   Exactly one of hg_saturation and sw. 1 psi = 6894.757293168 Pa exactly.
// - The rows of one sample may stand anywhere in the file. depth, porosity,
//   permeability and closure belong to the sample: they repeat on each of its
//   rows and must agree there (an empty depth or closure cell means none).
// - Values: porosity and saturations between 0 and 1 (0 and 100 %),
//   pressures above 0, a closure pressure not below 0 (0: no correction).
//   The permeability may be any number here; a sample with K <= 0 cannot be
//   used and is left out later, with the others going on.
// - The first fault stops the reading: one error with its kind, line and
//   column (PcMessages words it).
namespace keldo {

// The columns of the table. hg_saturation and sw are the same quantity.
enum class PcColumn { Sample, Depth, Porosity, Permeability, Pressure, HgSaturation, Sw, Closure };

// One measured point, in the model's units.
struct PcPoint {
    double pressure = 0; // bar, mercury injection pressure
    double sw = 1;       // (-), wetting-phase saturation 1 - SHg
    long long line = 0;  // its row in the file
};

struct PcSample {
    std::string name;
    std::optional<double> depth;   // m
    double porosity = 0;           // (-)
    double permeability = 0;       // mD, as measured on the plug
    std::optional<double> closure; // bar; none or 0: no closure correction
    long long firstLine = 0;       // its first row in the file
    bool takesPart = true;         // the user may leave a usable sample out
    std::vector<PcPoint> points;   // in the order of the file
};

struct PcTable {
    std::vector<PcSample> samples; // in the order of their first rows
    double maxPressure = 0;        // bar, the largest pressure of the file
};

enum class PcTableErrorKind {
    CannotRead,          // the file cannot be read (systemError: the errno value)
    LineTooLong,         // a line beyond the reader's limit
    TooManyLines,        // more lines than the reader takes
    UnclosedQuote,       // a quoted cell is not closed in its line
    NoHeader,            // nothing but comments and blank lines
    MissingColumn,       // a required column is not in the header (column: the missing one)
    DuplicateColumn,     // a column stands twice in the header
    BothSaturations,     // hg_saturation and sw both stand in the header
    UnknownUnit,         // a unit the column does not take (text: the unit)
    NoRows,              // no data row after the header
    MissingValue,        // a required cell is empty or missing
    NotANumber,          // a cell is no number (text: the cell)
    OutOfRange,          // a number outside its column's range (text: the cell)
    ExtraCell,           // a row has a non-empty cell right of the header's last
    DiffersWithinSample, // a sample value that differs from the sample's first row (otherLine)
};

struct PcTableError {
    PcTableErrorKind kind = PcTableErrorKind::NoRows;
    long long line = 0; // 1-based line in the file
    int column = 0;     // 1-based cell index; 0 where no cell is meant
    PcColumn role = PcColumn::Sample;
    std::string header;      // the header's text of that column, as written
    std::string text;        // the cell or unit at fault
    long long otherLine = 0; // DiffersWithinSample: the sample's first row
    std::string sample;      // DiffersWithinSample: the sample's name
    std::string file;        // CannotRead: the path as given
    int systemError = 0;     // CannotRead: the errno value
};

struct PcTableResult {
    bool ok = false;
    PcTable table;
    PcTableError error; // when not ok
};

// Interprets a table the text toolkit has split (its header, rows and
// separator, which decides whether a decimal comma is taken). A table whose
// splitting stopped gives that error.
PcTableResult InterpretPcTable(const CsvTable& table);

} // namespace keldo
