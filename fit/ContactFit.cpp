#include "ContactFit.h"

#include <cmath>
#include <map>

#include "TextFormat.h"

namespace keldo {
namespace {

constexpr double kLongestRange = 10000; // m: deeper than any well
constexpr double kGridPerMetre = 100;   // the refinement's grid of 0.01 m
constexpr double kBandFactor = 1.05;    // the band: RMS within 5 % of the minimum
constexpr double kGoldenFraction = 0.6180339887498949;

bool HasValue(const ContactMisfit& m) { return m.n > 0 && std::isfinite(m.rms); }

// A contact without a value is worse than any with one.
bool Better(const ContactMisfit& a, const ContactMisfit& b) { return HasValue(a) && (!HasValue(b) || a.rms < b.rms); }

bool InBand(const ContactMisfit& m, double limit) { return HasValue(m) && m.rms <= limit; }

// The misfit on the 0.01 m grid, each grid point evaluated once.
class GridMisfit {
public:
    GridMisfit(const ContactMisfitFunction& misfit, int& evaluations) : m_misfit(misfit), m_evaluations(evaluations) {}

    static float Contact(long long index) { return static_cast<float>(static_cast<double>(index) / kGridPerMetre); }

    ContactMisfit At(long long index)
    {
        auto it = m_memo.find(index);
        if (it == m_memo.end()) {
            ++m_evaluations;
            it = m_memo.emplace(index, m_misfit(Contact(index))).first;
        }
        return it->second;
    }

private:
    const ContactMisfitFunction& m_misfit;
    int& m_evaluations;
    std::map<long long, ContactMisfit> m_memo;
};

enum class Round { Down, Up };

long long GridIndex(float contact, Round round)
{
    const double scaled = contact * kGridPerMetre;
    return std::llround(round == Round::Down ? std::floor(scaled) : std::ceil(scaled));
}

// Golden-section search for the best grid point in [lo, hi], the misfit
// taken as unimodal there; ties go to the shallower point.
long long GoldenSection(GridMisfit& grid, long long lo, long long hi)
{
    while (hi - lo > 3) {
        const auto inner = std::llround(static_cast<double>(hi - lo) * kGoldenFraction);
        const long long c = hi - inner;
        const long long d = lo + inner;
        if (!Better(grid.At(d), grid.At(c)))
            hi = d;
        else
            lo = c;
    }
    long long best = lo;
    for (long long i = lo + 1; i <= hi; ++i)
        if (Better(grid.At(i), grid.At(best)))
            best = i;
    return best;
}

// The band's end between a contact inside it and one outside, by bisection
// on the grid; the misfit taken as monotonic between them.
float BandEnd(GridMisfit& grid, float inside, float outside, double limit)
{
    const bool deeper = outside > inside;
    long long in = GridIndex(inside, deeper ? Round::Down : Round::Up);
    long long out = GridIndex(outside, deeper ? Round::Up : Round::Down);
    float end = inside;
    while (std::llabs(out - in) > 1) {
        const long long mid = in + (out - in) / 2;
        if (InBand(grid.At(mid), limit)) {
            in = mid;
            end = GridMisfit::Contact(mid);
        } else {
            out = mid;
        }
    }
    return end;
}

std::vector<ContactScanPoint> Scan(const ContactMisfitFunction& misfit, float from, float to, int& evaluations)
{
    std::vector<ContactScanPoint> scan;
    const auto steps = static_cast<long long>(std::floor(static_cast<double>(to) - from));
    for (long long i = 0; i <= steps; ++i) {
        const auto contact = static_cast<float>(static_cast<double>(from) + static_cast<double>(i));
        scan.push_back({contact, misfit(contact)});
    }
    if (scan.back().contact < to)
        scan.push_back({to, misfit(to)});
    evaluations += static_cast<int>(scan.size());
    return scan;
}

// Says when the range may not hold the minimum or does not bound the band.
void AddEdgeWarnings(ContactFitResult& r)
{
    if (r.onEdge) {
        r.warnings.push_back(Format("WARNUNG!! Der angepasste Kontakt %.2f m liegt am Rand des Bereichs %.2f m bis "
                                    "%.2f m: das Minimum kann außerhalb liegen.",
            r.contact, r.from, r.to));
    } else if (r.bandOpenAbove && r.bandOpenBelow) {
        r.warnings.push_back("WARNUNG!! Im ganzen Bereich bleibt der RMS innerhalb von 5 % über dem Minimum: der "
                             "Kontakt ist durch die Messwerte nicht eingegrenzt.");
    } else if (r.bandOpenAbove || r.bandOpenBelow) {
        r.warnings.push_back(Format("WARNUNG!! Bis zum %s Rand des Bereichs (%.2f m) bleibt der RMS innerhalb von 5 %% "
                                    "über dem Minimum: der Kontakt ist nach %s nicht eingegrenzt.",
            r.bandOpenAbove ? "oberen" : "unteren", r.bandOpenAbove ? r.from : r.to,
            r.bandOpenAbove ? "oben" : "unten"));
    }
}

} // namespace

ContactFitResult FitContact(const ContactMisfitFunction& misfit, float from, float to)
{
    ContactFitResult result;
    result.from = from;
    result.to = to;
    if (!(from < to)) {
        result.message = Format(
            "ABBRUCH!!Der Kontaktbereich von %.2f m bis %.2f m ist leer: der Anfang muss kleiner als das Ende sein!",
            from, to);
        return result;
    }
    if (static_cast<double>(to) - from > kLongestRange) {
        result.message = Format(
            "ABBRUCH!!Der Kontaktbereich von %.2f m bis %.2f m ist länger als %.0f m!", from, to, kLongestRange);
        return result;
    }

    result.scan = Scan(misfit, from, to, result.evaluations);
    const std::vector<ContactScanPoint>& scan = result.scan;
    size_t best = 0;
    int rows = 0;
    for (size_t i = 0; i < scan.size(); ++i) {
        if (HasValue(scan[i].misfit))
            rows = std::max(rows, scan[i].misfit.n);
        if (Better(scan[i].misfit, scan[best].misfit))
            best = i;
    }
    if (rows == 0) {
        result.message = "ABBRUCH!!Für die Kontaktanpassung liegt kein Messwert im Teufenbereich mit einer Porosität "
                         "ab dem Cut-off vor!";
        return result;
    }
    if (rows == 1) {
        result.message = "ABBRUCH!!Für die Kontaktanpassung liegt nur ein Messwert im Teufenbereich mit einer "
                         "Porosität ab dem Cut-off vor: daraus ist kein Kontakt bestimmbar!";
        return result;
    }

    // The minimum lies between the best step's neighbours.
    GridMisfit grid(misfit, result.evaluations);
    const float lo = best > 0 ? scan[best - 1].contact : from;
    const float hi = best + 1 < scan.size() ? scan[best + 1].contact : to;
    const long long first = GridIndex(lo, Round::Up);
    const long long last = GridIndex(hi, Round::Down);
    ContactMisfit fitted = scan[best].misfit;
    result.contact = scan[best].contact;
    if (first <= last) {
        const long long refined = GoldenSection(grid, first, last);
        if (!Better(fitted, grid.At(refined))) {
            result.contact = GridMisfit::Contact(refined);
            fitted = grid.At(refined);
        }
    }
    result.rms = fitted.rms;
    result.n = fitted.n;

    const double limit = fitted.rms * kBandFactor;
    result.bandFrom = result.bandTo = result.contact;
    result.bandOpenAbove = result.bandOpenBelow = true;
    for (size_t i = scan.size(); i-- > 0;) {
        if (scan[i].contact >= result.contact)
            continue;
        if (!InBand(scan[i].misfit, limit)) {
            result.bandFrom = BandEnd(grid, result.bandFrom, scan[i].contact, limit);
            result.bandOpenAbove = false;
            break;
        }
        result.bandFrom = scan[i].contact;
    }
    for (const ContactScanPoint& point : scan) {
        if (point.contact <= result.contact)
            continue;
        if (!InBand(point.misfit, limit)) {
            result.bandTo = BandEnd(grid, result.bandTo, point.contact, limit);
            result.bandOpenBelow = false;
            break;
        }
        result.bandTo = point.contact;
    }

    const double gridStep = 1 / kGridPerMetre;
    result.onEdge = result.contact - from <= gridStep * 1.001 || to - result.contact <= gridStep * 1.001;
    AddEdgeWarnings(result);
    result.ok = true;
    return result;
}

std::optional<ContactRange> DefaultContactRange(const std::vector<std::string>& lines, float minDepth, float maxDepth)
{
    std::optional<ContactRange> range;
    for (const std::string& line : lines) {
        float v[3];
        if (ScanFloats(line, v, 3) < 3 || v[0] < minDepth || v[0] > maxDepth)
            continue;
        if (!range)
            range = ContactRange{v[0], v[0]};
        range->from = std::min(range->from, v[0]);
        range->to = std::max(range->to, v[0]);
    }
    if (range)
        range->to = static_cast<float>(static_cast<double>(range->to) + 300.0);
    return range;
}

} // namespace keldo
