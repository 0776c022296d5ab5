#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "PressureTable.h"

// A pressure table as the CSV reader hands it over, from a text with one
// row per line: '#' lines and blank lines are skipped but counted, the
// first other line is the header, cells are split at `separator` and lose
// the blanks around them. No quoting: a test that needs a separator inside
// a cell writes the rows itself.
inline keldo::CsvTable Split(std::string_view text, char separator)
{
    keldo::CsvTable table;
    table.separator = separator;
    long long line = 0;
    bool headerSeen = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view row = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (row.find_first_not_of(" \t") == std::string_view::npos || row.front() == '#')
            continue;
        keldo::CsvRow split{line, line, {}, false};
        size_t start = 0;
        for (;;) {
            const size_t stop = row.find(separator, start);
            std::string_view cell = row.substr(start, stop == std::string_view::npos ? row.npos : stop - start);
            while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t') && separator != cell.front())
                cell.remove_prefix(1);
            while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t') && separator != cell.back())
                cell.remove_suffix(1);
            split.cells.emplace_back(cell);
            if (stop == std::string_view::npos)
                break;
            start = stop + 1;
        }
        if (!headerSeen) {
            table.header = std::move(split.cells);
            table.headerLine = line;
        } else {
            table.rows.push_back(std::move(split));
        }
        headerSeen = true;
    }
    return table;
}
