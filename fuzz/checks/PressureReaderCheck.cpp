#include "PressureReaderCheck.h"

#include <algorithm>
#include <cmath>

#include "AllocationCounter.h"
#include "FreeWaterLevel.h"
#include "KeldoInputs.h"
#include "PressureDepthGraph.h"
#include "PressureFile.h"
#include "PressureMessages.h"
#include "PressureReport.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// The CSV reader's lines and cells, then per input byte a cell and a point
// for every two bytes, with list growth.
constexpr size_t kFixedAllowance = 1 << 20;
constexpr size_t kBytesPerInputByte = 256;

bool StartsWith(const std::string& text, std::string_view start) { return text.rfind(start, 0) == 0; }

void CheckLevel(const PressureTable& table, int fluid, Violations& found)
{
    const FreeWaterLevel level = FitFreeWaterLevel(table.points, fluid);
    CKeldoInputs inputs;
    inputs.m_nFluid = fluid;
    const std::vector<std::string> block = PressureReport(level, table, "druck.csv", inputs, 2900.0f);
    const GraphPage page = PressureDepthGraph(level, table.leftOut, 2900.0f, fluid, "15/9-F-12");
    if (block.size() < 4)
        found.push_back(Format("fluid %d: a block of %zu lines", fluid, block.size()));
    if (!level.ok()) {
        if (!StartsWith(FreeWaterLevelRefusalMessage(level), "ABBRUCH!!"))
            found.push_back(Format("fluid %d: a refusal without its message", fluid));
        return;
    }
    if (!std::isfinite(level.level) || !std::isfinite(level.sigma) || !(level.sigma >= 0))
        found.push_back(Format("fluid %d: level %.17g, sigma %.17g", fluid, level.level, level.sigma));
    if (!(level.p90 <= level.level && level.level <= level.p10))
        found.push_back(Format("fluid %d: P90 %.17g, level %.17g, P10 %.17g", fluid, level.p90, level.level, level.p10));
    if (level.level < level.depthFrom - kMaxMetresOutsidePoints - 1e-6
        || level.level > level.depthTo + kMaxMetresOutsidePoints + 1e-6)
        found.push_back(Format("fluid %d: level %.17g outside %.17g..%.17g by more than 1000 m", fluid, level.level,
            level.depthFrom, level.depthTo));
    if (!level.WaterLeg() || !level.HydrocarbonLeg() || level.WaterLeg()->points.size() < 3
        || level.HydrocarbonLeg()->points.size() < 3)
        found.push_back(Format("fluid %d: a level from legs of fewer than 3 points", fluid));
}

} // namespace

Violations CheckPressureReader(std::string_view bytes)
{
    Violations found;
    PressureTable table;
    PressureFileError error;
    bool ok = false;
    size_t asked = 0;
    {
        AllocationScope scope;
        ok = ReadPressureText(bytes, "15/9-F-12", table, error);
        asked = scope.TotalBytes();
    }
    if (asked > kFixedAllowance + kBytesPerInputByte * bytes.size())
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    const auto lines = static_cast<long long>(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    if (!ok) {
        if (!StartsWith(PressureFileMessage(error, "druck.csv"), "ABBRUCH!!Druckdatei druck.csv"))
            found.push_back("a failure without its message");
        if (error.line < 0 || error.line > lines)
            found.push_back(Format("failure names line %lld of %lld", error.line, lines));
        if (!table.points.empty() || !table.leftOut.empty())
            found.push_back("a failure that keeps points");
        return found;
    }
    if (table.points.empty())
        found.push_back("success without a point");
    long long previous = 0;
    for (const PressurePoint& p : table.points) {
        if (!std::isfinite(p.depth) || !std::isfinite(p.pressure) || !(p.pressure > 0))
            found.push_back(Format("line %lld: depth %.17g, pressure %.17g", p.line, p.depth, p.pressure));
        if (p.line <= previous || p.line > lines)
            found.push_back(Format("line %lld after line %lld of %lld", p.line, previous, lines));
        if (p.fluid.has_value() != table.fluidColumn)
            found.push_back(Format("line %lld: a fluid %s the fluid column", p.line, p.fluid ? "without" : "despite"));
        previous = p.line;
    }
    if (static_cast<int>(table.leftOut.size()) > table.leftOutRows)
        found.push_back(Format("%zu points left out of %d rows", table.leftOut.size(), table.leftOutRows));
    if (found.empty()) {
        CheckLevel(table, 0, found);
        CheckLevel(table, 1, found);
    }
    return found;
}

} // namespace keldo::fuzz
