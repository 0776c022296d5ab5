#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "FieldWell.h"

// The field file: plain UTF-8 text, one well per row, columns by name.
//
//   # Volve, Hugin Formation
//   well;las;survey;elevation;contact
//   15/9-F-11 A;las/F-11_A.LAS;surveys/F-11_A.txt;auto;3027
//
// - Fields are separated by commas or by semicolons (whichever the header
//   line uses); a field in double quotes may hold the separator.
// - Lines whose first character other than a blank is '#', and blank lines,
//   are skipped; the first other line is the header.
// - Columns (names in any case, any order): well (required), document or
//   las (one of the two columns at least; each row gives exactly one),
//   survey, elevation (a number or auto; empty: 0), depth_curve,
//   porosity_curve, sw_curve, vsh (the shale-volume curve; only with las),
//   contact and cutoff (numbers; empty: the document's contact, the study's
//   cut-off), pressure (a formation-pressure file; empty: none).
// - Numbers take a decimal point or a decimal comma ("3027,5" in a
//   semicolon file).
// - Relative paths are relative to the folder of the field file.
namespace keldo {

// The most a field file may hold: no well's row comes near the line length,
// and a study of more wells than lines is no field. A file beyond either is
// refused with a message that names the limit.
inline constexpr size_t kLongestFieldFileLine = 64 * 1024;
inline constexpr size_t kMostFieldFileLines = 100000;

// "well", "document", …, as the header names them.
const char* FieldColumnName(FieldColumn column);

// Reads the field file at `path`. A problem of the file as a whole (it
// cannot be read or is no regular file, is not UTF-8 or holds a zero byte,
// has no header, an unknown or missing column, no well, a well's name twice,
// a line or line count beyond the limits) returns false with one German
// message in `error`. A problem of a single row goes into that well's
// errors; the others stay. A quoted value may hold line breaks as CSV has
// it; such a row is one row of several lines and is refused whole (no
// value of a well holds a line break).
bool ReadFieldFile(const std::string& path, FieldStudy& study, std::string& error);

// The same for the text of the file at `path`.
bool ParseFieldFile(std::string_view text, const std::string& path, FieldStudy& study, std::string& error);

// The well of one row from the texts of its cells (the program's table of
// wells reads its rows so as well): every value, relative paths joined to
// `folder`, and the checks across the columns (a name, exactly one of
// document and las, the LAS-only columns only with las). Each problem adds
// a message naming line and column to the well's errors.
FieldWell ReadFieldRow(int line, const std::array<std::string, kFieldColumnCount>& cells, const std::string& folder);

// A well whose name an earlier well has gets an error: the names are the
// wells' keys in every output.
void CheckWellNames(std::vector<FieldWell>& wells);

// "Zeile 4, Spalte contact: <text>", or "Spalte contact: <text>" for a
// well that was not read from a file.
std::string FieldRowMessage(int line, std::string_view column, std::string_view text);

} // namespace keldo
