#pragma once
#include <istream>
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
    // A quoted cell of a row may hold line breaks, as spreadsheets write
    // them: the row goes on over the next lines up to the line that closes
    // the quote. A quote that no later line closes ends at its own line (an
    // unclosed quote, as without this), and the lines after it are rows
    // again, each read on its own.
    bool quotesSpanLines = false;
    bool refuseNulBytes = false; // a zero byte anywhere: the text is no table
    LineLimits limits;
};

// Why a text cannot be split into a table.
enum class CsvErrorKind {
    None,
    NotUtf8,       // a line is not well-formed UTF-8
    UnclosedQuote, // a quoted cell is not closed in its line
    LineTooLong,   // a line is longer than the limit
    TooManyLines,  // the text has more lines than the limit
    NulByte,       // a line holds a zero byte (only with refuseNulBytes)
    ReadError,     // the stream failed
};

struct CsvRow {
    long long line = 0;     // in the file, from 1
    long long lastLine = 0; // the row's last line: beyond `line` when a quoted cell holds line breaks
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

// The same, read from `in` a block at a time: the memory grows with the
// table, not with the skipped lines.
CsvTable ReadCsvTable(std::istream& in, const CsvOptions& options = {});

} // namespace keldo
