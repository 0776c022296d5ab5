#pragma once
#include <fstream>
#include <string>
#include <string_view>

#include "LineSource.h"
#include "WellDataError.h"

namespace keldo {

// Opens a LAS or survey file for reading. A missing or unreadable file, a
// folder or anything but a regular file (a named pipe would block) gives a
// CannotRead error with the reason; `error.file` and `error.survey` are set
// by the caller.
bool OpenWellDataFile(const std::string& path, std::ifstream& in, WellDataError& error);

// The next line of a LAS or survey file. False at the end of the file, and
// also on a read error (CannotRead) or a line longer than the readers take
// (`tooLong`, naming the line); `failed` tells the two apart.
bool NextLine(LineSource& lines, std::string_view& line, bool& failed, WellDataError& error, WellDataErrorKind tooLong);

} // namespace keldo
