#pragma once
#include <string>
#include <string_view>
#include <vector>

// The comma-separated lines of the field file and of the summary: fields
// separated by a comma or a semicolon, blanks around a field ignored, a
// field in double quotes may hold the separator, and "" stands for one
// quote inside it. A line is one row; quotes do not span lines.
namespace keldo {

// The separator of a file, from its header line: a semicolon when the line
// holds one outside quotes, else a comma.
char DetectSeparator(std::string_view header);

// Splits `line` into its fields, trimmed and unquoted. False when a quoted
// field is not closed (the fields up to it are in `fields`).
bool SplitCsvLine(std::string_view line, char separator, std::vector<std::string>& fields);

// `text` as one field of a comma-separated line: in quotes (with inner
// quotes doubled) when it holds a comma, a quote, a line break or blanks at
// either end, else as it is.
std::string CsvField(std::string_view text);

} // namespace keldo
