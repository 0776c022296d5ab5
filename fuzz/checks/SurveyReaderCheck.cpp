#include "SurveyReaderCheck.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "AllocationCounter.h"
#include "SurveyReader.h"
#include "TextFormat.h"
#include "WellPath.h"

namespace keldo::fuzz {
namespace {

// The read block and a longest line, then per input byte: the fields of a
// line and a station (48 bytes) for every two bytes, with list growth.
constexpr size_t kFixedAllowance = 4 << 20;
constexpr size_t kBytesPerInputByte = 128;

// Rounding allowance for comparing TVD changes with MD changes.
double Slack(double a, double b) { return 1e-9 * (1.0 + std::fabs(a) + std::fabs(b)); }

void CheckPath(const std::vector<SurveyStation>& stations, Violations& found)
{
    const WellPath path(stations);
    size_t cursor = 0;
    std::vector<double> probes;
    for (size_t i = 0; i < stations.size(); ++i) {
        const double md = stations[i].md;
        size_t fresh = 0;
        const double tvd = path.Tvd(md, fresh);
        if (stations[i].tvd && tvd != *stations[i].tvd) {
            found.push_back(
                Format("station %zu: TVD %.17g instead of the survey's %.17g", i + 1, tvd, *stations[i].tvd));
            return;
        }
        if (tvd != path.StationTvd(i) || !std::isfinite(tvd)) {
            found.push_back(Format("station %zu: TVD %.17g, the path says %.17g", i + 1, tvd, path.StationTvd(i)));
            return;
        }
        probes.push_back(md);
        if (i + 1 < stations.size()) {
            const double next = stations[i + 1].md;
            for (double f : {0.25, 0.5, 0.999}) {
                const double inside = md + f * (next - md);
                if (!(inside > md && inside < next))
                    continue;
                size_t fromScratch = 0;
                const double t = path.Tvd(inside, fromScratch);
                if (!std::isfinite(t) || std::fabs(t - tvd) > (inside - md) + Slack(t, tvd)) {
                    found.push_back(Format("between stations %zu and %zu: TVD %.17g at MD %.17g from %.17g", i + 1,
                        i + 2, t, inside, tvd));
                    return;
                }
                probes.push_back(inside);
            }
        }
    }
    const double first = stations.front().md, last = stations.back().md;
    const double above = path.Tvd(first - 100, cursor), atFirst = path.StationTvd(0);
    if (std::fabs(above - (atFirst - 100)) > Slack(above, atFirst))
        found.push_back(Format("100 m above the first station TVD %.17g, from %.17g", above, atFirst));
    const double below = path.Tvd(last + 100, cursor), atLast = path.StationTvd(stations.size() - 1);
    if (!std::isfinite(below) || std::fabs(below - atLast) > 100 + Slack(below, atLast))
        found.push_back(Format("100 m below the last station TVD %.17g, from %.17g", below, atLast));
    probes.push_back(first - 100);
    probes.push_back(last + 100);
    // The same depths in a shuffled order through one cursor.
    std::vector<double> order = probes;
    std::reverse(order.begin(), order.end());
    std::rotate(order.begin(), order.begin() + static_cast<long>(order.size() / 3), order.end());
    for (double md : order) {
        size_t fresh = 0;
        const double a = path.Tvd(md, cursor), b = path.Tvd(md, fresh);
        if (a != b && !(std::isnan(a) && std::isnan(b))) {
            found.push_back(Format("MD %.17g: %.17g through the cursor, %.17g without", md, a, b));
            return;
        }
    }
}

} // namespace

Violations CheckSurveyReader(std::string_view bytes)
{
    Violations found;
    const std::string text(bytes);
    std::vector<SurveyStation> stations;
    WellDataError error;
    bool ok = false;
    size_t asked = 0;
    {
        std::istringstream in(text);
        AllocationScope scope;
        ok = ReadSurvey(in, stations, error);
        asked = scope.TotalBytes();
    }
    if (asked > kFixedAllowance + kBytesPerInputByte * bytes.size())
        found.push_back(Format("reading %zu bytes asked for %zu bytes of memory", bytes.size(), asked));
    const auto lines = static_cast<long long>(std::count(bytes.begin(), bytes.end(), '\n') + 1);
    if (!ok) {
        if (error.kind != WellDataErrorKind::BadSurvey || error.detail.empty())
            found.push_back("a failure of another kind than BadSurvey, or without a sentence");
        if (error.line < 0 || error.line > lines)
            found.push_back(Format("failure names line %lld of %lld", error.line, lines));
        return found;
    }
    if (stations.size() < 2 || static_cast<long long>(stations.size()) > lines)
        found.push_back(Format("%zu stations from %lld lines", stations.size(), lines));
    for (size_t i = 0; i < stations.size(); ++i) {
        const SurveyStation& s = stations[i];
        if (!std::isfinite(s.md) || (i > 0 && !(s.md > stations[i - 1].md)))
            found.push_back(Format("station %zu: MD %.17g not increasing", i + 1, s.md));
        if (!(s.inclination >= 0 && s.inclination <= 180) || !std::isfinite(s.azimuth))
            found.push_back(Format("station %zu: inclination %.17g, azimuth %.17g", i + 1, s.inclination, s.azimuth));
        if (s.tvd && !std::isfinite(*s.tvd))
            found.push_back(Format("station %zu: TVD %.17g", i + 1, *s.tvd));
    }
    if (found.empty())
        CheckPath(stations, found);
    return found;
}

} // namespace keldo::fuzz
