#pragma once
#include <string>
#include <string_view>
#include <vector>

// The fields of one line of a comma-separated file: fields separated by one
// separator character, blanks around a field ignored, a field in double
// quotes may hold the separator, and "" stands for one quote inside it. A
// line is one row here; a table that lets quotes span lines (CsvTable) joins
// the lines of a row first.
namespace keldo {

// The separators a file may use, the one preferred first when a header holds
// several; the last is also taken when the header holds none.
inline constexpr std::string_view kCommaOrSemicolon = ";,";
inline constexpr std::string_view kCommaSemicolonOrTab = "\t;,";

// The separator of a file, from its header line: the first of `separators`
// that the line holds outside quotes, else the last of them.
char DetectSeparator(std::string_view header, std::string_view separators = kCommaOrSemicolon);

// Splits `line` into its fields, trimmed and unquoted (the separator itself
// is never trimmed, so that a tab between two tabs is an empty field). False
// when a quoted field is not closed (the fields up to it are in `fields`).
bool SplitCsvLine(std::string_view line, char separator, std::vector<std::string>& fields);

// Whether a quoted field is still open at the end of `line`, read with the
// rules of SplitCsvLine; `inside`: the line continues a quoted field that an
// earlier line opened. Lets a reader that follows quotes across lines find
// where a row ends, one line at a time.
bool EndsInsideQuotes(std::string_view line, char separator, bool inside);

// `text` as one field of a comma-separated line: in quotes (with inner
// quotes doubled) when it holds a comma, a quote, a line break or blanks at
// either end, else as it is.
std::string CsvField(std::string_view text);

} // namespace keldo
