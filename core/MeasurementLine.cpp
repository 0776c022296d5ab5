#include "MeasurementLine.h"

#include <utility>

#include "TextFormat.h"

namespace keldo {

void AppendMeasurementLine(std::string& out, double tvd, float porosity, float sw)
{
    AppendFixed(out, tvd, 10, 3);
    out.append(3, ' ');
    AppendFixed(out, porosity, 10, 5);
    out.append(2, ' ');
    AppendFixed(out, sw, 10, 5);
}

std::string FormatMeasurementLine(double tvd, float porosity, float sw)
{
    std::string line;
    AppendMeasurementLine(line, tvd, porosity, sw);
    return line;
}

bool ReadMeasurementLine(std::string_view line, MeasurementValues& values)
{
    float v[3];
    const int read = ScanFloats(line, v, 3);
    float* const targets[3] = {&values.tvd, &values.porosity, &values.sw};
    for (int i = 0; i < read; ++i)
        *targets[i] = v[i];
    return read == 3;
}

bool DepthWindowFromLines(const std::vector<std::string>& lines, float& minTeufe, float& maxTeufe)
{
    if (lines.empty())
        return false;
    float first[3], last[3];
    if (ScanFloats(lines.front(), first, 3) < 1 || ScanFloats(lines.back(), last, 3) < 1)
        return false;
    minTeufe = first[0];
    maxTeufe = last[0];
    if (maxTeufe < minTeufe)
        std::swap(minTeufe, maxTeufe);
    return true;
}

} // namespace keldo
