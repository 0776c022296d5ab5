#include "CurvesCsv.h"

#include <sstream>

namespace keldo {
namespace {

constexpr size_t kBlock = 64 * 1024;

} // namespace

void WriteCurvesCsv(std::ostream& stream, const MeasurementCurves& curves, DepthReference depth)
{
    const auto columns = CurveColumns(depth, curves.inputs.m_nFluid);
    std::string out;
    out.reserve(kBlock + 256);
    for (size_t c = 0; c < kCurveColumnCount; ++c) {
        if (c > 0)
            out += ',';
        out += columns[c].mnemonic;
    }
    out += '\n';
    for (const CurveRow& row : curves.rows) {
        for (size_t c = 0; c < kCurveColumnCount; ++c) {
            if (c > 0)
                out += ',';
            AppendCurveValue(out, row, static_cast<CurveColumn>(c), columns[c].decimals, 0, "");
        }
        out += '\n';
        if (out.size() >= kBlock) {
            stream.write(out.data(), static_cast<std::streamsize>(out.size()));
            out.clear();
        }
    }
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
}

std::string CurvesCsvText(const MeasurementCurves& curves, DepthReference depth)
{
    std::ostringstream out;
    WriteCurvesCsv(out, curves, depth);
    return std::move(out).str();
}

} // namespace keldo
