#include "SaturationMisfit.h"

#include <array>
#include <cmath>
#include <limits>

#include "SaturationSearch.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// The searches of this many rows run side by side: enough independent work
// for the processor to overlap their divisions and powers. On the Volve
// wells 8 was faster than 4 or 16.
constexpr size_t kSideBySide = 8;

// Where the known heights stand in PreparedSaturationRow::known: each step
// that starts at full saturation or at the restart finds the heights of both
// its points there, the second right after the first.
constexpr size_t kAtFull = 0;
constexpr size_t kAtSwmin = 2;
constexpr size_t kAtRestart = 3;

double HeightOf(const CapillaryCurve& curve, float sw) { return HeightAboveContact(curve, sw).metres; }

// The saturations at which every search evaluates the height, whatever the
// contact: 1 and Swmin, and both points of a secant step from 1 and from the
// restart above Swmin.
std::array<KnownHeight, 5> KnownHeights(const CapillaryCurve& curve)
{
    const float restart = RestartAboveSwmin(curve.swmin);
    const float at[5] = {
        1.0f, static_cast<float>(1.0f - kSecantStep), curve.swmin, restart, static_cast<float>(restart - kSecantStep)};
    std::array<KnownHeight, 5> known;
    for (size_t i = 0; i < known.size(); ++i)
        known[i] = {at[i], HeightOf(curve, at[i])};
    return known;
}

double KnownOrComputedHeight(const PreparedSaturationRow& row, float sw)
{
    // A known height is the one the curve would give again.
    for (const KnownHeight& known : row.known) {
        if (known.sw == sw)
            return known.metres;
    }
    return HeightOf(row.curve, sw);
}

// The known heights of a step that starts at `sw`, or nullptr.
const KnownHeight* KnownStep(const PreparedSaturationRow& row, float sw)
{
    if (sw == row.known[kAtFull].sw)
        return &row.known[kAtFull];
    if (sw == row.known[kAtRestart].sw)
        return &row.known[kAtRestart];
    return nullptr;
}

// The searches of up to kSideBySide rows at one contact, one step of each in
// turn: the heights that are not known are computed stage by stage for all of
// them. Each search takes the same steps with the same heights as alone.
class SideBySideSearches {
public:
    SideBySideSearches(const PreparedSaturationRows& prepared, float contact, std::vector<float>& sw)
        : m_rows(prepared.rows), m_contact(contact), m_sw(sw)
    {
        m_running.reserve(kSideBySide);
    }

    void Run()
    {
        m_sw.resize(m_rows.size());
        for (;;) {
            StartSearches();
            if (m_running.empty())
                return;
            ComputeHeights();
            TakeSteps();
        }
    }

private:
    struct Running {
        SecantSearch search;
        size_t row = 0;
    };

    // Rows without a search in the transition zone are decided at once.
    void StartSearches()
    {
        while (m_running.size() < kSideBySide && m_next < m_rows.size()) {
            const size_t i = m_next++;
            const PreparedSaturationRow& row = m_rows[i];
            if (BelowThresholdLevel(row.depth, m_contact, static_cast<float>(row.known[kAtFull].metres)))
                m_sw[i] = 1.0f;
            else if (AboveMaximumHeight(row.depth, m_contact, static_cast<float>(row.known[kAtSwmin].metres)))
                m_sw[i] = row.curve.swmin;
            else
                m_running.push_back({SecantSearch(row.depth, m_contact, row.curve.swmin), i});
        }
    }

    // The two heights of every running search's next step, in m_heights.
    void ComputeHeights()
    {
        size_t count = 0;
        for (size_t r = 0; r < m_running.size(); ++r) {
            const PreparedSaturationRow& row = m_rows[m_running[r].row];
            const SecantSearch& search = m_running[r].search;
            if (const KnownHeight* known = KnownStep(row, search.Saturation())) {
                m_heights[2 * r] = known[0].metres;
                m_heights[2 * r + 1] = known[1].metres;
                continue;
            }
            m_pending[count++] = {&row.curve, search.Saturation(), 2 * r};
            m_pending[count++] = {&row.curve, search.SecondPoint(), 2 * r + 1};
        }
        for (size_t k = 0; k < count; ++k)
            m_pending[k].swn = NormalizedSaturation(*m_pending[k].curve, m_pending[k].sw);
        for (size_t k = 0; k < count; ++k)
            m_pending[k].power = CapillaryPower(*m_pending[k].curve, m_pending[k].swn);
        for (size_t k = 0; k < count; ++k) {
            const Pending& p = m_pending[k];
            m_heights[p.slot] = HeightFromPower(*p.curve, p.swn, p.power);
        }
    }

    void TakeSteps()
    {
        for (size_t r = 0; r < m_running.size();) {
            Running& run = m_running[r];
            const SecantSearch::State state = run.search.Step(m_heights[2 * r], m_heights[2 * r + 1]);
            if (state == SecantSearch::State::Going) {
                ++r;
                continue;
            }
            const PreparedSaturationRow& row = m_rows[run.row];
            m_sw[run.row] = state == SecantSearch::State::Found
                ? run.search.Saturation()
                : BisectSaturation(
                    row.depth, m_contact, row.curve.swmin, [&row](float sw) { return KnownOrComputedHeight(row, sw); });
            // The last search takes this place, with its heights, and steps next.
            const size_t last = m_running.size() - 1;
            m_heights[2 * r] = m_heights[2 * last];
            m_heights[2 * r + 1] = m_heights[2 * last + 1];
            run = m_running[last];
            m_running.pop_back();
        }
    }

    struct Pending {
        const CapillaryCurve* curve = nullptr;
        float sw = 0;
        size_t slot = 0; // in m_heights
        double swn = 0;
        double power = 0;
    };

    const std::vector<PreparedSaturationRow>& m_rows;
    const float m_contact;
    std::vector<float>& m_sw;
    size_t m_next = 0;
    std::vector<Running> m_running;
    std::array<double, 2 * kSideBySide> m_heights{};
    std::array<Pending, 2 * kSideBySide> m_pending{};
};

} // namespace

PreparedSaturationRows PrepareSaturationRows(const CKeldoInputs& in, const std::vector<std::string>& lines)
{
    PreparedSaturationRows prepared;
    prepared.model = ModelParametersFor(in);
    const ModelParameters& p = prepared.model;
    const bool waterDenser = WaterIsDenser(p);
    for (const std::string& line : lines) {
        float v[3];
        if (ScanFloats(line, v, 3) < 3) {
            ++prepared.excluded;
            continue;
        }
        const float depth = v[0], phi = v[1], sw = v[2];
        if (depth < in.m_fMinTeufe || depth > in.m_fMaxTeufe || phi < in.m_fCutoff)
            continue;
        if (!waterDenser || PressureReachesOverburden(depth, p.initialPressure)) {
            ++prepared.excluded;
            continue;
        }
        const PreparedSaturationRow row = PrepareSaturationRow(p, depth, phi, sw);
        if (!(row.curve.k > 0)) {
            ++prepared.excluded;
            continue;
        }
        prepared.rows.push_back(row);
    }
    return prepared;
}

PreparedSaturationRow PrepareSaturationRow(const ModelParameters& p, float depth, float phi, float sw)
{
    PreparedSaturationRow row;
    row.depth = depth;
    row.porosity = phi;
    row.measuredSw = sw;
    row.curve = CurveFor(p, EffectivePermeabilityAt(p, depth, phi).k);
    row.known = KnownHeights(row.curve);
    return row;
}

float ComputedSaturation(const PreparedSaturationRow& row, float contact)
{
    return SaturationAtHeight(
        row.depth, contact, row.curve.swmin, [&row](float sw) { return KnownOrComputedHeight(row, sw); });
}

void ComputedSaturations(const PreparedSaturationRows& prepared, float contact, std::vector<float>& sw)
{
    SideBySideSearches(prepared, contact, sw).Run();
}

Misfit SaturationMisfit(const PreparedSaturationRows& prepared, float contact)
{
    std::vector<float> computed;
    if (!prepared.rows.empty())
        ComputedSaturations(prepared, contact, computed);
    return MisfitOf(prepared, computed);
}

Misfit MisfitOf(const PreparedSaturationRows& prepared, const std::vector<float>& computed)
{
    Misfit misfit;
    misfit.n = static_cast<int>(prepared.rows.size());
    misfit.excluded = prepared.excluded;
    if (misfit.n == 0) {
        misfit.rms = std::numeric_limits<double>::quiet_NaN();
        return misfit;
    }
    double sum = 0;
    for (size_t i = 0; i < computed.size(); ++i) {
        const double d = static_cast<double>(computed[i]) - prepared.rows[i].measuredSw;
        sum += d * d;
    }
    misfit.rms = std::sqrt(sum / misfit.n);
    return misfit;
}

} // namespace keldo
