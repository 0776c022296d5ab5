#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "CsvFields.h"
#include "LineReader.h"

// A table in a comma-separated text file, as users export them from a
// spreadsheet: a header line that names the columns, then one row per line.
// Lines whose first character other than a blank is '#', and blank lines,
// are skipped anywhere; so is a row of empty cells only (a spreadsheet's row
// of separators). Cells as SplitCsvLine gives them.
namespace keldo {

struct CsvOptions {
    std::string_view separators = kCommaOrSemicolon; // allowed; the header decides (DetectSeparator)
    bool requireUtf8 = true;                         // every line, comments included
    bool keepUnclosedRows = false;                   // a row with an unclosed quote: kept and marked, not an error
    LineLimits limits;
};

// Why a text cannot be split into a table.
enum class CsvErrorKind {
    None,
    NotUtf8,       // a line is not well-formed UTF-8
    UnclosedQuote, // a quoted cell is not closed in its line
    LineTooLong,   // a line is longer than the limit
    TooManyLines,  // the text has more lines than the limit
};

struct CsvRow {
    long long line = 0; // in the file, from 1
    std::vector<std::string> cells;
    bool unclosedQuote = false; // only with keepUnclosedRows: `cells` ends before the open quote
};

struct CsvTable {
    char separator = ',';
    long long headerLine = 0; // 0: no header was read
    std::vector<std::string> header;
    std::vector<CsvRow> rows;
    CsvErrorKind error = CsvErrorKind::None;
    long long errorLine = 0; // the line at fault
};

// Reads `text`, the whole file. A line that cannot be split stops the reading
// with its error; the header and the rows before it are kept.
CsvTable ReadCsvTable(std::string_view text, const CsvOptions& options = {});

} // namespace keldo
