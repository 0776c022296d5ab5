#include "CurvesCsv.h"

namespace keldo {
namespace {

constexpr size_t kBlock = 64 * 1024;

template <class Flush>
void AppendCsv(std::string& out, const MeasurementCurves& curves, DepthReference depth, Flush&& flush)
{
    const auto columns = CurveColumns(depth, curves.inputs.m_nFluid);
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
        if (out.size() >= kBlock)
            flush(out);
    }
}

} // namespace

void WriteCurvesCsv(std::ostream& stream, const MeasurementCurves& curves, DepthReference depth)
{
    std::string out;
    out.reserve(kBlock + 256);
    auto write = [&stream](std::string& text) {
        stream.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    };
    AppendCsv(out, curves, depth, write);
    write(out);
}

std::string CurvesCsvText(const MeasurementCurves& curves, DepthReference depth)
{
    // Made in place, as the LAS text: no second copy of a long table.
    std::string out;
    out.reserve(256 + curves.rows.size() * 80);
    AppendCsv(out, curves, depth, [](std::string&) {});
    return out;
}

} // namespace keldo
