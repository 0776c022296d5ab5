#pragma once
#include <string>
#include <string_view>
#include <vector>

// The measurement line: depth TVD (m), porosity and water saturation of one
// measurement as "%10.3f   %10.5f  %10.5f", the form in which the document
// holds its measurements, whoever made them (the measurement file import,
// the LAS import, the dialog). Every reader takes the values back as
// "%f%f%f" does.
namespace keldo {

// Appends the stored form of one measurement to `out`. The text import passes
// the depth as the float it read; the LAS import passes the double it
// computed, so that the depth is the correctly rounded millimetre of it.
void AppendMeasurementLine(std::string& out, double tvd, float porosity, float sw);
std::string FormatMeasurementLine(double tvd, float porosity, float sw);

// The values of a line as "%f%f%f" reads them. True when the line begins
// with three numbers; otherwise the values read before the first text that
// is no number are set and the others left as they were.
struct MeasurementValues {
    float tvd = 0;
    float porosity = 0;
    float sw = 0;
};
bool ReadMeasurementLine(std::string_view line, MeasurementValues& values);

// The depth window of a monotonic list: the TVD of the first and of the last
// line, the smaller one as minTeufe. False (and both untouched) when the list
// is empty or either line does not begin with a number.
bool DepthWindowFromLines(const std::vector<std::string>& lines, float& minTeufe, float& maxTeufe);

} // namespace keldo
