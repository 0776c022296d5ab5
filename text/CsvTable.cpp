#include "CsvTable.h"

#include <algorithm>

#include "AsciiText.h"
#include "Utf8Text.h"

namespace keldo {
namespace {

bool IsSkipped(std::string_view line)
{
    const std::string_view text = TrimBlanks(line);
    return text.empty() || text.front() == '#';
}

bool AllEmpty(const std::vector<std::string>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

// A text in memory has no read errors: the reader refuses only by its limits.
CsvErrorKind ErrorOf(LineReader::Result result)
{
    return result == LineReader::Result::TooManyLines ? CsvErrorKind::TooManyLines : CsvErrorKind::LineTooLong;
}

} // namespace

CsvTable ReadCsvTable(std::string_view text, const CsvOptions& options)
{
    CsvTable table;
    auto fail = [&table](CsvErrorKind kind, long long line) {
        table.error = kind;
        table.errorLine = line;
    };
    LineReader lines(text, options.limits);
    std::string_view line;
    for (;;) {
        const LineReader::Result result = lines.Next(line);
        if (result == LineReader::Result::End)
            return table;
        const long long number = lines.LineNumber();
        if (result != LineReader::Result::Line) {
            fail(ErrorOf(result), number);
            return table;
        }
        if (options.requireUtf8 && !IsValidUtf8(line)) {
            fail(CsvErrorKind::NotUtf8, number);
            return table;
        }
        if (IsSkipped(line))
            continue;
        if (table.headerLine == 0) {
            table.separator = DetectSeparator(line, options.separators);
            if (!SplitCsvLine(line, table.separator, table.header)) {
                table.header.clear();
                fail(CsvErrorKind::UnclosedQuote, number);
                return table;
            }
            table.headerLine = number;
            continue;
        }
        CsvRow row{number, {}, false};
        row.unclosedQuote = !SplitCsvLine(line, table.separator, row.cells);
        if (row.unclosedQuote && !options.keepUnclosedRows) {
            fail(CsvErrorKind::UnclosedQuote, number);
            return table;
        }
        if (!row.unclosedQuote && AllEmpty(row.cells))
            continue;
        table.rows.push_back(std::move(row));
    }
}

} // namespace keldo
