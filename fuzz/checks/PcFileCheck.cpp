#include "PcFileCheck.h"

#include <algorithm>
#include <cmath>

#include "AllocationCounter.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "PcNormalization.h"
#include "TextFormat.h"

namespace keldo::fuzz {
namespace {

// The read text (twice: as read and in UTF-8) and the split table with its
// cells, then the samples and points.
constexpr size_t kFixedAllowance = 1 << 20;
constexpr size_t kBytesPerInputByte = 192;

constexpr size_t kMostSamplesNormalized = 6;
constexpr size_t kMostPointsNormalized = 60;

bool Finite(const PcCoefficients& c)
{
    const auto all = [](const auto& values) {
        return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
    };
    return all(c.alfa) && all(c.beta) && all(c.swmin) && all(c.pcsperr);
}

void CheckTable(const PcTable& table, long long lines, Violations& found)
{
    if (table.samples.empty())
        found.push_back("success without a sample");
    size_t points = 0;
    double largest = 0;
    for (const PcSample& s : table.samples) {
        const std::string at = "sample \"" + s.name + "\"";
        if (s.name.empty() || s.points.empty())
            found.push_back(at + ": no name or no point");
        if (!(s.porosity >= 0 && s.porosity <= 1) || !std::isfinite(s.permeability))
            found.push_back(at + Format(": porosity %.17g, permeability %.17g", s.porosity, s.permeability));
        if (s.closure && !(*s.closure >= 0 && std::isfinite(*s.closure)))
            found.push_back(at + Format(": closure %.17g", *s.closure));
        long long line = 0;
        for (const PcPoint& p : s.points) {
            if (!(p.sw >= 0 && p.sw <= 1) || !(p.pressure > 0 && std::isfinite(p.pressure)))
                found.push_back(at + Format(": point of line %lld, Sw %.17g at %.17g bar", p.line, p.sw, p.pressure));
            if (p.line <= line || p.line > lines)
                found.push_back(at + Format(": point of line %lld after line %lld, of %lld", p.line, line, lines));
            line = p.line;
            largest = std::max(largest, p.pressure);
        }
        points += s.points.size();
    }
    if (static_cast<long long>(points) > lines)
        found.push_back(Format("%zu points from %lld lines", points, lines));
    if (table.maxPressure != largest)
        found.push_back(Format("largest pressure %.17g, of the points %.17g", table.maxPressure, largest));
}

void CheckNormalization(const PcTable& table, Violations& found)
{
    const PcNormalization n = NormalizePc(table, {});
    if (!n.ok) {
        if (n.refusal.kind == PcRefusalKind::None || PcRefusalMessage(n.refusal).rfind("ABBRUCH!!", 0) != 0)
            found.push_back("a refused normalization without its refusal");
        return;
    }
    if (!Finite(n.Chosen()) || DialogRefusal(n.Chosen()) != PcRefusalKind::None)
        found.push_back("the taken coefficients are not finite or not what the input dialog accepts");
    if (!(n.pcMax > 10) || !std::isfinite(n.pcMax))
        found.push_back(Format("Pc max %.9g", static_cast<double>(n.pcMax)));
}

} // namespace

Violations CheckPcFile(std::string_view bytes)
{
    Violations found;
    PcTableResult read;
    size_t asked = 0;
    {
        AllocationScope scope;
        read = ReadPcTableText(bytes);
        asked = scope.TotalBytes();
    }
    if (asked > kFixedAllowance + kBytesPerInputByte * bytes.size())
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    const auto lines = static_cast<long long>(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    if (!read.ok) {
        if (IsUnreadable(read.error))
            found.push_back("a text that cannot be read");
        if (read.error.line < 0 || read.error.line > lines)
            found.push_back(Format("failure names line %lld of %lld", read.error.line, lines));
        if (PcTableErrorMessage(read.error).rfind("ABBRUCH!!", 0) != 0)
            found.push_back("a failure without its message");
        return found;
    }
    CheckTable(read.table, lines, found);
    size_t points = 0;
    for (const PcSample& s : read.table.samples)
        points += s.points.size();
    if (found.empty() && read.table.samples.size() <= kMostSamplesNormalized && points <= kMostPointsNormalized)
        CheckNormalization(read.table, found);
    return found;
}

} // namespace keldo::fuzz
