#include "CsvTable.h"

#include <algorithm>
#include <deque>
#include <utility>

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

CsvErrorKind ErrorOf(LineReader::Result result)
{
    switch (result) {
    case LineReader::Result::TooManyLines:
        return CsvErrorKind::TooManyLines;
    case LineReader::Result::ReadError:
        return CsvErrorKind::ReadError;
    default:
        return CsvErrorKind::LineTooLong;
    }
}

class TableReader {
public:
    TableReader(LineReader& lines, const CsvOptions& options)
        : m_lines(lines), m_options(options), m_spanning(options.quotesSpanLines)
    {
    }

    CsvTable Read()
    {
        std::string_view line;
        long long number = 0;
        while (NextLine(line, number)) {
            if (IsSkipped(line))
                continue;
            if (m_table.headerLine == 0) {
                m_table.separator = DetectSeparator(line, m_options.separators);
                if (!SplitCsvLine(line, m_table.separator, m_table.header)) {
                    m_table.header.clear();
                    Fail(CsvErrorKind::UnclosedQuote, number);
                    break;
                }
                m_table.headerLine = number;
                continue;
            }
            CsvRow row{number, number, {}, false};
            if (!SplitCsvLine(line, m_table.separator, row.cells) && !(m_spanning && Continue(line, row))) {
                if (m_table.error != CsvErrorKind::None)
                    break;
                row.unclosedQuote = true;
                if (!m_options.keepUnclosedRows) {
                    Fail(CsvErrorKind::UnclosedQuote, number);
                    break;
                }
            }
            if (!row.unclosedQuote && AllEmpty(row.cells))
                continue;
            m_table.rows.push_back(std::move(row));
        }
        return std::move(m_table);
    }

private:
    void Fail(CsvErrorKind kind, long long line)
    {
        m_table.error = kind;
        m_table.errorLine = line;
    }

    // The next line, those set aside first; false at the end, and at a line
    // that stops the reading (with the table's error set).
    bool NextLine(std::string_view& line, long long& number)
    {
        if (!m_aside.empty()) {
            number = m_aside.front().first;
            m_current = std::move(m_aside.front().second);
            m_aside.pop_front();
            line = m_current;
            return true; // checked when it was first read
        }
        const LineReader::Result result = m_lines.Next(line);
        if (result == LineReader::Result::End)
            return false;
        number = m_lines.LineNumber();
        if (result != LineReader::Result::Line)
            Fail(ErrorOf(result), number);
        else if (m_options.requireUtf8 && !IsValidUtf8(line))
            Fail(CsvErrorKind::NotUtf8, number);
        else if (m_options.refuseNulBytes && line.find('\0') != std::string_view::npos)
            Fail(CsvErrorKind::NulByte, number);
        return m_table.error == CsvErrorKind::None;
    }

    // The row that `first` begins with an open quote, over the lines up to
    // the one that closes it. False when no line closes it: the lines read
    // for it are then read again as rows, each on its own (or the table's
    // error is set).
    bool Continue(std::string_view first, CsvRow& row)
    {
        std::string joined(first);
        std::deque<std::pair<long long, std::string>> read;
        std::string_view line;
        long long number = 0;
        while (NextLine(line, number)) {
            read.emplace_back(number, std::string(line));
            joined += '\n';
            joined += line;
            if (EndsInsideQuotes(line, m_table.separator, true))
                continue;
            SplitCsvLine(joined, m_table.separator, row.cells);
            row.lastLine = number;
            return true;
        }
        if (m_table.error == CsvErrorKind::None) {
            m_spanning = false;
            m_aside = std::move(read);
        }
        return false;
    }

    LineReader& m_lines;
    const CsvOptions& m_options;
    bool m_spanning;
    CsvTable m_table;
    std::deque<std::pair<long long, std::string>> m_aside; // lines to read again
    std::string m_current;                                 // the line set aside now in view
};

} // namespace

CsvTable ReadCsvTable(std::string_view text, const CsvOptions& options)
{
    LineReader lines(text, options.limits);
    return TableReader(lines, options).Read();
}

CsvTable ReadCsvTable(std::istream& in, const CsvOptions& options)
{
    LineReader lines(in, options.limits);
    return TableReader(lines, options).Read();
}

} // namespace keldo
