#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The tops file: the formation tops of one or more wells as a
// comma-separated table.
//
//   # Volve, tops from the well reports
//   well,surface,depth,reference
//   15/9-F-11 A,Hugin,3010.5,tvdss
//   15/9-F-11 A,Sleipner,4021.0,md
//
// - Fields are separated by commas or semicolons (whichever the header line
//   uses); a field in double quotes may hold the separator.
// - Lines whose first character other than a blank is '#', and blank lines,
//   are skipped; the first other line is the header.
// - Columns (names in any case, any order): well, surface, depth (all
//   three required), reference (optional: md or tvdss, any case; empty or no
//   column: the well's depth curve).
// - Depths in metres with a decimal point or a decimal comma, within
//   ±1000 km.
// - A surface names a zone of its well: the same surface twice for one
//   well is an error.
//
// Failures come back as data (kind, line, column); TopsMessage words them.
namespace keldo {

enum class TopsColumn { Well, Surface, Depth, Reference };

// What a top's depth is measured along.
enum class TopReference {
    WellDepth, // as the well's depth curve: MD for a log indexed by MD, else the measurement lines' depth
    Md,        // measured depth along the hole
    Tvdss,     // the depth the measurement lines hold (TVDSS, or TVD of a document)
};

struct FormationTop {
    long long line = 0; // in the file, from 1
    std::string well;
    std::string surface;
    double depth = 0; // m
    TopReference reference = TopReference::WellDepth;
};

enum class TopsErrorKind {
    None,
    CannotRead,       // the file cannot be read (`systemError`)
    NotUtf8,          // a line is not UTF-8
    LineTooLong,      // a line beyond kTopsLineLimit bytes
    TooManyLines,     // more than kTopsMostLines lines
    UnclosedQuote,    // a quoted field is not closed
    NoHeader,         // nothing but comments and blank lines
    UnnamedColumn,    // the header has an empty column name (`position`)
    UnknownColumn,    // the header names a column not known (`position`, `text`)
    RepeatedColumn,   // the header names a column twice (`position`, `otherPosition`)
    MissingColumn,    // well, surface or depth is not in the header (`column`)
    TooManyFields,    // a row has more fields than the header (`position` of the first extra)
    MissingValue,     // an empty well, surface or depth (`column`)
    NotANumber,       // depth is not a number (`text`)
    DepthOutOfRange,  // depth beyond ±kLargestTopDepth (`text`)
    UnknownReference, // reference is neither md nor tvdss (`text`)
    RepeatedSurface,  // the well has this surface already (`otherLine`)
    NoTop,            // a header but not one row
};

struct TopsError {
    TopsErrorKind kind = TopsErrorKind::None;
    long long line = 0;               // 0 where no line is at fault
    std::optional<TopsColumn> column; // the column at fault, where it is a known one
    int position = 0;                 // 1-based position in the line, where the column has no name
    int otherPosition = 0;            // RepeatedColumn: where the column stood first
    long long otherLine = 0;          // RepeatedSurface: the line of the first
    std::string text;                 // the field as written, where it matters
    int systemError = 0;              // CannotRead: the errno value
};

inline constexpr size_t kTopsLineLimit = 64 * 1024;
inline constexpr size_t kTopsMostLines = 1000000;
inline constexpr double kLargestTopDepth = 1e6;

// "well", "surface", "depth", "reference".
const char* TopsColumnName(TopsColumn column);

// Reads the text of a tops file. False with the first problem in `error`
// and no tops.
bool ParseFormationTops(std::string_view text, std::vector<FormationTop>& tops, TopsError& error);

// The same for the file at `path`.
bool ReadFormationTopsFile(const std::string& path, std::vector<FormationTop>& tops, TopsError& error);

// One German message for `error` that names the file, the line and the
// column: "Die Datei der Formationsgrenzen "t.csv", Zeile 4, Spalte depth:
// "abc" ist keine Zahl."
std::string TopsMessage(const TopsError& error, const std::string& path);

// The tops of one well (its name exactly as written), in file order.
std::vector<FormationTop> TopsOfWell(const std::vector<FormationTop>& tops, std::string_view well);

} // namespace keldo
