#include <gtest/gtest.h>

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

// A row as "line: cell|cell", "!" after the line for an unclosed quote.
std::string Shown(const keldo::CsvRow& row)
{
    std::string shown = std::to_string(row.line) + (row.unclosedQuote ? "!" : "") + ":";
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
    }
}
