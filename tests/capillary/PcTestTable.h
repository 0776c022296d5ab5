#pragma once
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "PcTable.h"

// Splits the text of a core capillary-pressure file into the header and the
// rows, as the CSV reader of the text toolkit will: lines by '\n' (a '\r'
// before it dropped), '#' lines and blank lines skipped, cells by the
// separator. A stand-in for the tests, without quoting.
struct SplitTable {
    keldo::TableRow header;
    std::vector<keldo::TableRow> rows;
};

inline SplitTable SplitForTest(const std::string& text, char separator)
{
    SplitTable out;
    std::istringstream in(text);
    std::string line;
    long long number = 0;
    bool haveHeader = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#')
            continue;
        keldo::TableRow row{number, {}};
        size_t start = 0;
        for (;;) {
            const size_t end = line.find(separator, start);
            row.cells.push_back(line.substr(start, end - start));
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        if (!haveHeader) {
            out.header = std::move(row);
            haveHeader = true;
        } else {
            out.rows.push_back(std::move(row));
        }
    }
    return out;
}

inline std::string SourceFile(const std::string& relative)
{
    const char* root = std::getenv("KELDO_SOURCE_DIR");
    std::ifstream in(std::string(root ? root : ".") + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}
