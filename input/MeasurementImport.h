#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "InputFile.h"
#include "MeasurementLine.h"
#include "MessageBox.h"

// Reading a measurement file: one line per measurement with TVD (m), porosity
// and water saturation, depths strictly monotonic. Every accepted line is
// stored reformatted as a measurement line (MeasurementLine.h).
namespace keldo {

// The question that decides the expected order of the depths.
inline constexpr const char* kOrderQuestion = "Die Teufenwerte TVD sind absteigend geordnet?";

// Reads measurement lines from `in` (bytes in Windows-1252, CR LF or LF line
// ends) and appends the accepted ones to `lines`. Stops at the first bad line
// with its message; the lines before it stay. A refused line with a decimal
// comma gets one more message line that suggests the decimal point. True when
// the whole stream was accepted without a message.
bool ImportMeasurementStream(std::istream& in, bool descending, IMessageBox& messages, std::vector<std::string>& lines);

// The same for a file; a file that cannot be opened gets CannotOpenMessage and
// false.
bool ImportMeasurementFile(
    const std::string& path, bool descending, IMessageBox& messages, std::vector<std::string>& lines);

// Opens `path` for reading; false for a missing or unreadable file, a folder,
// a named pipe or a device (never waited on), with the errno value in `err`.
bool OpenMeasurementFile(const std::string& path, InputFile& in, int& err);

// "ABBRUCH!!Die Datei <path> kann nicht gelesen werden!"; for a file that is
// there but cannot be read (`err` not 0, ENOENT or EISDIR: a pipe, a device,
// no permission) the reason follows on a second line ("Das ist keine
// gewöhnliche Datei.").
std::string CannotOpenMessage(const std::string& path, int err = 0);

} // namespace keldo
