#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CsvTable.h"

// The pressure file of a well: formation-tester pressures, one point per
// row, columns by name. This part interprets a table that the CSV reader has
// already split into cells (PressureFile reads the file):
//
//   # RFT, 15/9-F-12
//   well;depth (m);pressure (psi);fluid;use
//   15/9-F-12;2921,5;4512,3;gas;1
//
// - Columns by name, in any order and case, each name optionally followed
//   by its unit in parentheses: depth (m, the document's depth reference:
//   TVD below the same datum as the measurements), pressure (bar when no
//   unit is given; bar, psi, kPa, MPa, and bara, barg, psia, psig, as the
//   level is the same for absolute and gauge pressures), and optionally
//   fluid (water, oil, gas or w, o, g, in any case), well and use (0 leaves
//   a point out, 1 or empty uses it). Other columns and columns without a name are ignored,
//   so that a tester's export with more columns can be read as it is.
// - With a well column only the rows of the document's well are read (see
//   SameWellName): the rows that name it, or, when none does, the rows of
//   the file's longest name that the document's name begins with
//   (WellNameWithin: "15/9-F-11 A" for "15/9-F-11 A Hugin", not
//   "15/9-F-11"). The rows of other wells are not looked at.
// - Numbers take a decimal point, or a decimal comma when the separator is
//   not a comma ("2921,5" in a semicolon file).
// - A row that cannot be read stops the reading: the failure is data (a
//   kind, the line, the column), worded by PressureTableMessage.
namespace keldo {

enum class PressureFluid { Water, Oil, Gas };

enum class PressureColumn { Depth, Pressure, Fluid, Well, Use };

enum class PressureUnit { Bar, Psi, KiloPascal, MegaPascal };

// Beyond these no formation test lies; they also keep the sums of the
// least squares finite.
constexpr double kMaxDepth = 100000;   // m, either side of the datum
constexpr double kMaxPressure = 100000; // bar

// Bar per unit; 1 psi = 6894.757293168 Pa (the avoirdupois pound-force per
// square inch), 1 bar = 10^5 Pa.
double BarPerUnit(PressureUnit unit);

struct PressurePoint {
    long long line = 0;                 // in the file, 1-based
    double depth = 0;                   // m
    double pressure = 0;                // bar
    std::optional<PressureFluid> fluid; // when the file has a fluid column
};

struct PressureTable {
    std::vector<PressurePoint> points;  // the points to fit, in file order
    std::vector<PressurePoint> leftOut; // use 0 with a readable depth and pressure, to be shown
    int leftOutRows = 0;                // every row with use 0
    bool fluidColumn = false;
    PressureUnit unit = PressureUnit::Bar;
};

enum class PressureTableErrorKind {
    NoHeader,            // the table has no header row
    RepeatedColumn,      // a column named twice (`otherColumn`: its first place)
    MissingColumn,       // no depth or no pressure column (`role`)
    UnknownUnit,         // a depth unit other than m, a pressure unit not among the known
    TooManyCells,        // a row with a value beyond the header's columns
    BadNumber,           // a depth or pressure that is not one finite number (or is empty)
    PressureNotPositive, // a pressure of 0 or below (a null value such as -999.25)
    OutOfRange,          // a depth beyond ±kMaxDepth, a pressure above kMaxPressure: no formation test
    BadFluid,            // a fluid other than water, oil, gas, w, o, g (or none)
    BadUse,              // a use other than 0, 1 or empty
    NoRowOfWell,         // a well column without a row of the document's well (`text`: the well)
    NoPoint,             // no row left to use
};

struct PressureTableError {
    PressureTableErrorKind kind = PressureTableErrorKind::NoHeader;
    long long line = 0;                 // 0: the table as a whole
    int column = 0;                     // 1-based place in the row; 0: no single column
    std::optional<PressureColumn> role; // the column's meaning, where one is at fault
    int otherColumn = 0;                // RepeatedColumn: where the column stands first
    std::string text;                   // the text at fault, only for the message
};

// Interprets the header and rows of `csv` (its separator decides whether a
// decimal comma is taken; its reading error, if any, is the caller's),
// keeping the rows of `well`. False with `error` at the first problem;
// `table` then holds nothing.
bool ReadPressureTable(const CsvTable& csv, const std::string& well, PressureTable& table, PressureTableError& error);

// Well names compare as people write them: blanks at either end do not
// count, a run of blanks inside counts as one, ASCII letters in any case
// ("15/9-F-11 a" is "15/9-F-11  A"). Other characters must be the same.
bool SameWellName(std::string_view a, std::string_view b);

// How many words of `document`, a document's well name, the file's well
// name `file` is, when it is its first words ("15/9-F-12" in "15/9-F-12
// Hugin, Gasfall": 1, also with a comma after it); 0 when it is not. The
// document's name field often holds more than the well.
size_t WellNameWithin(std::string_view file, std::string_view document);

// "depth", "pressure", …: the column's name in the header.
const char* PressureColumnName(PressureColumn column);

} // namespace keldo
