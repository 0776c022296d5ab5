#pragma once
// The rows of a study's summary.csv as column -> value, for the tests of
// keldo-field and the study folder.
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CsvFields.h"
#include "ScratchFolder.h"

inline std::vector<std::map<std::string, std::string>> SummaryCsvRows(const std::string& out)
{
    std::istringstream in(ReadBytes(out + "/summary.csv"));
    std::vector<std::string> header, fields;
    std::string line;
    std::getline(in, line);
    keldo::SplitCsvLine(line, ',', header);
    std::vector<std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        keldo::SplitCsvLine(line, ',', fields);
        std::map<std::string, std::string> row;
        for (size_t i = 0; i < header.size() && i < fields.size(); ++i)
            row[header[i]] = fields[i];
        rows.push_back(row);
    }
    return rows;
}
