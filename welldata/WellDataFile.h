#pragma once
#include <fstream>
#include <string>

#include "WellDataError.h"

namespace keldo {

// Opens a LAS or survey file for reading. A missing or unreadable file, a
// folder or anything but a regular file (a named pipe would block) gives a
// CannotRead error with the reason; `error.file` and `error.survey` are set
// by the caller.
bool OpenWellDataFile(const std::string& path, std::ifstream& in, WellDataError& error);

// The detail of a read error in the middle of a file.
inline constexpr const char* kReadErrorDetail = "Beim Lesen der Datei ist ein Fehler aufgetreten.";

} // namespace keldo
