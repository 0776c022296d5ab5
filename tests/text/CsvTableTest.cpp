#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CsvTable.h"

using keldo::CsvErrorKind;
using keldo::CsvOptions;

namespace {

CsvOptions Options(
    std::string_view separators, bool keepUnclosedRows = false, keldo::LineLimits limits = {}, bool requireUtf8 = true)
{
    CsvOptions options;
    options.separators = separators;
    options.requireUtf8 = requireUtf8;
    options.keepUnclosedRows = keepUnclosedRows;
    options.limits = limits;
    return options;
}

const CsvOptions kFieldFile = Options(keldo::kCommaOrSemicolon);
const CsvOptions kNewTables = Options(keldo::kCommaSemicolonOrTab);

// Quotes over line ends and no zero bytes, as the field file reads.
CsvOptions Spanning(bool keepUnclosedRows = true)
{
    CsvOptions options = Options(keldo::kCommaOrSemicolon, keepUnclosedRows);
    options.quotesSpanLines = true;
    options.refuseNulBytes = true;
    return options;
}

// A row as "line: cell|cell", "!" after the line for an unclosed quote,
// "first-last" for a row over several lines.
std::string Shown(const keldo::CsvRow& row)
{
    std::string shown = std::to_string(row.line);
    if (row.lastLine > row.line)
        shown += "-" + std::to_string(row.lastLine);
    shown += std::string(row.unclosedQuote ? "!" : "") + ":";
    for (size_t i = 0; i < row.cells.size(); ++i)
        shown += (i ? "|" : " ") + row.cells[i];
    return shown;
}

struct TableCase {
    const char* what;
    std::string text;
    CsvOptions options;
    char separator;
    long long headerLine;
    std::vector<std::string> header;
    std::vector<std::string> rows; // as Shown writes them
    CsvErrorKind error;
    long long errorLine;
};

const TableCase kTables[] = {
    {"a semicolon file with decimal commas", "well;contact\n15/9-F-12;3027,5\n", kFieldFile, ';', 1,
        {"well", "contact"}, {"2: 15/9-F-12|3027,5"}, CsvErrorKind::None, 0},
    {"a comma file, cells trimmed", " well , las \nF-12 ,  a.las\n", kFieldFile, ',', 1, {"well", "las"},
        {"2: F-12|a.las"}, CsvErrorKind::None, 0},
    {"comments, blank lines and a row of separators skipped, line numbers kept",
        "# Volve\n\n  # Hugin\nwell,las\n\n,,\nF-12,a.las\n# Ende\n", kFieldFile, ',', 4, {"well", "las"},
        {"7: F-12|a.las"}, CsvErrorKind::None, 0},
    {"byte-order mark and CR LF of an exported spreadsheet", "\xEF\xBB\xBFwell;las\r\nF-12;a.las\r\n", kFieldFile, ';',
        1, {"well", "las"}, {"2: F-12|a.las"}, CsvErrorKind::None, 0},
    {"quoted cells keep separators and quotes", "name,note\n\"F-11 A, B\",\"\"\"x\"\" \"\n", kFieldFile, ',', 1,
        {"name", "note"}, {"2: F-11 A, B|\"x\" "}, CsvErrorKind::None, 0},
    {"a quoted '#' is no comment", "a,b\n\"#1\",2\n", kFieldFile, ',', 1, {"a", "b"}, {"2: #1|2"}, CsvErrorKind::None,
        0},
    {"the header's semicolon wins over its comma", "\"a,b\";c\n1,5;2\n", kFieldFile, ';', 1, {"a,b", "c"}, {"2: 1,5|2"},
        CsvErrorKind::None, 0},
    {"a tab file where tabs are allowed, empty cells kept", "depth\tpressure\tfluid\n2950,5\t\tgas\n", kNewTables, '\t',
        1, {"depth", "pressure", "fluid"}, {"2: 2950,5||gas"}, CsvErrorKind::None, 0},
    {"the header's tab wins over its semicolon", "a;x\tb\n1\t2\n", kNewTables, '\t', 1, {"a;x", "b"}, {"2: 1|2"},
        CsvErrorKind::None, 0},
    {"a tab file where tabs are not allowed is one column", "depth\tpressure\n1\t2\n", kFieldFile, ',', 1,
        {"depth\tpressure"}, {"2: 1\t2"}, CsvErrorKind::None, 0},
    {"rows may have more or fewer cells than the header", "a,b\n1\n1,2,3\n", kFieldFile, ',', 1, {"a", "b"},
        {"2: 1", "3: 1|2|3"}, CsvErrorKind::None, 0},
    {"nothing but comments: no header", "# leer\n\n", kFieldFile, ',', 0, {}, {}, CsvErrorKind::None, 0},
    {"an unclosed quote in a row", "a,b\n1,2\n\"3,4\n5,6\n", kFieldFile, ',', 1, {"a", "b"}, {"2: 1|2"},
        CsvErrorKind::UnclosedQuote, 3},
    {"an unclosed quote in a row, kept", "a,b\n1,\"2\n5,6\n", Options(keldo::kCommaOrSemicolon, true), ',', 1,
        {"a", "b"}, {"2!: 1", "3: 5|6"}, CsvErrorKind::None, 0},
    {"an unclosed quote in the header", "# x\n\"a,b\n1,2\n", Options(keldo::kCommaOrSemicolon, true), ',', 0, {}, {},
        CsvErrorKind::UnclosedQuote, 2},
    {"Windows-1252 in a comment", "a,b\n# Kerndaten f\xFCr F-12\n1,2\n", kFieldFile, ',', 1, {"a", "b"}, {},
        CsvErrorKind::NotUtf8, 2},
    {"Windows-1252 where it may be", "a,b\n# f\xFCr\n1,2\n", Options(keldo::kCommaOrSemicolon, false, {}, false), ',',
        1, {"a", "b"}, {"3: 1|2"}, CsvErrorKind::None, 0},
    {"a line at the limit and one over it", "a,b\n12345\n123456\n7\n", Options(keldo::kCommaOrSemicolon, false, {5}),
        ',', 1, {"a", "b"}, {"2: 12345"}, CsvErrorKind::LineTooLong, 3},
    {"more lines than allowed", "a\n1\n2\n", Options(keldo::kCommaOrSemicolon, false, {keldo::kNoLimit, 2}), ',', 1,
        {"a"}, {"2: 1"}, CsvErrorKind::TooManyLines, 3},
    {"a quoted line break joins the lines of a row", "a,b\n\"x\ny\",2\n3,4\n", Spanning(), ',', 1, {"a", "b"},
        {"2-3: x\ny|2", "4: 3|4"}, CsvErrorKind::None, 0},
    {"comments and blank lines inside quotes are the cell's", "a,b\n1,\"\n# x\n\",2\n", Spanning(), ',', 1,
        {"a", "b"}, {"2-4: 1|\n# x\n|2"}, CsvErrorKind::None, 0},
    {"a doubled quote at a line end does not close", "a,b\n\"x\"\"\ny\",2\n", Spanning(), ',', 1, {"a", "b"},
        {"2-3: x\"\ny|2"}, CsvErrorKind::None, 0},
    {"a quote no line closes ends at its line, the lines after it are rows", "a,b\n1,\"2\n3,4\n5,6\n", Spanning(),
        ',', 1, {"a", "b"}, {"2!: 1", "3: 3|4", "4: 5|6"}, CsvErrorKind::None, 0},
    {"... or stop the table where unclosed rows are not kept", "a,b\n1,\"2\n3,4\n", Spanning(false), ',', 1,
        {"a", "b"}, {}, CsvErrorKind::UnclosedQuote, 2},
    {"quotes do not span lines unless asked", "a,b\n\"x\ny\",2\n", Options(keldo::kCommaOrSemicolon, true), ',', 1,
        {"a", "b"}, {"2!:", "3: y\"|2"}, CsvErrorKind::None, 0},
    {"a zero byte stops the table", std::string("a,b\n1,2\n3,\0\n", 12), Spanning(), ',', 1, {"a", "b"}, {"2: 1|2"},
        CsvErrorKind::NulByte, 3},
    {"a zero byte inside a quoted cell over lines", std::string("a,b\n\"x\n\0\",2\n", 12), Spanning(), ',', 1,
        {"a", "b"}, {}, CsvErrorKind::NulByte, 3},
};

} // namespace

TEST(CsvTable, SplitsHeaderAndRows)
{
    for (const TableCase& c : kTables) {
        SCOPED_TRACE(c.what);
        const keldo::CsvTable table = keldo::ReadCsvTable(c.text, c.options);
        EXPECT_EQ(table.separator, c.separator);
        EXPECT_EQ(table.headerLine, c.headerLine);
        EXPECT_EQ(table.header, c.header);
        std::vector<std::string> rows;
        for (const keldo::CsvRow& row : table.rows)
            rows.push_back(Shown(row));
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(table.error, c.error);
        EXPECT_EQ(table.errorLine, c.errorLine);

        // Read from a stream a block at a time, the table is the same.
        std::istringstream in(c.text);
        const keldo::CsvTable streamed = keldo::ReadCsvTable(in, c.options);
        EXPECT_EQ(streamed.header, table.header);
        std::vector<std::string> streamedRows;
        for (const keldo::CsvRow& row : streamed.rows)
            streamedRows.push_back(Shown(row));
        EXPECT_EQ(streamedRows, rows);
        EXPECT_EQ(streamed.error, table.error);
        EXPECT_EQ(streamed.errorLine, table.errorLine);
    }
}
