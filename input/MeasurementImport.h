#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "MessageBox.h"

// Reading a measurement file: one line per measurement with TVD (m), porosity
// and water saturation, depths strictly monotonic. Every accepted line is
// stored reformatted as "%10.3f   %10.5f  %10.5f".
namespace keldo {

// The question that decides the expected order of the depths.
inline constexpr const char* kOrderQuestion = "Die Teufenwerte TVD sind absteigend geordnet?";

// Appends the stored form of one measurement to `out`. The text import passes
// the depth as the float it read; the LAS import passes the double it
// computed, so that the depth is the correctly rounded millimetre of it.
void AppendMeasurementLine(std::string& out, double tvd, float porosity, float sw);
std::string FormatMeasurementLine(double tvd, float porosity, float sw);

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

// Opens `path` for reading; false for a missing or unreadable file or a
// directory.
bool OpenMeasurementFile(const std::string& path, std::ifstream& in);
std::string CannotOpenMessage(const std::string& path);

// The depth window of a monotonic list: the TVD of the first and of the last
// line, the smaller one as minTeufe. False (and both untouched) when the list
// is empty or either line does not begin with a number.
bool DepthWindowFromLines(const std::vector<std::string>& lines, float& minTeufe, float& maxTeufe);

} // namespace keldo
