#pragma once
#include <istream>
#include <string>
#include <vector>

#include "WellDataError.h"
#include "WellPath.h"

// Reading a deviation survey: a text file with a header line naming the
// columns, then one station per row.
namespace keldo {

// The header line is the first line that is neither blank nor a comment (#).
// Columns are found by name, without regard to case: MD; INC, INCL or
// INCLINATION; AZI, AZIM or AZIMUTH; optionally TVD. Fields are separated by
// semicolons when the line has one, else by commas when it has one, else by
// blanks and tabs. Lines between the header and the first station whose MD is
// not a number are unit lines ("m RKB  deg  deg"); the first word of the first
// unit line that names a length (m, metre(s), meter(s), ft, f, feet; brackets
// around it are ignored) gives the unit of MD and TVD, else metres. Everything
// comes back in metres. A station whose TVD field is missing, empty or not a
// number has no TVD of its own.
// Errors (BadSurvey, naming the line): no MD, INC or AZI column; a row with too
// few fields or a value that is not a number; MD not increasing; an
// inclination outside 0..180 degrees; MD or TVD beyond 1000 km either way;
// fewer than two stations. CannotRead for a read error.
bool ReadSurvey(std::istream& in, std::vector<SurveyStation>& stations, WellDataError& error);

// The same for a file; the error names the file.
bool ReadSurveyFile(const std::string& path, std::vector<SurveyStation>& stations, WellDataError& error);

} // namespace keldo
