#pragma once
#include <string>
#include <string_view>

#include "InputFile.h"
#include "LineReader.h"
#include "WellDataError.h"

namespace keldo {

// Lines of LAS files and surveys are far shorter; a longer one means the file
// is something else (or damaged), and reading it whole would only cost memory.
inline constexpr size_t kLongestWellDataLine = 1 << 20;
inline constexpr LineLimits kWellDataLimits{kLongestWellDataLine};

// Opens a LAS or survey file for reading. A missing or unreadable file, a
// folder or anything but a regular file (a named pipe would block, a device
// never ends) gives a CannotRead error with the reason; `error.file` and
// `error.survey` are set by the caller.
bool OpenWellDataFile(const std::string& path, InputFile& in, WellDataError& error);

// The next line of a LAS or survey file. False at the end of the file, and
// also on a read error (CannotRead) or a line beyond the limits (`tooLong`,
// naming the line); `failed` tells the two apart.
bool NextLine(LineReader& lines, std::string_view& line, bool& failed, WellDataError& error, WellDataErrorKind tooLong);

} // namespace keldo
