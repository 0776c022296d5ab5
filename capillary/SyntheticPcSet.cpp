#include "SyntheticPcSet.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "PcColumns.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// log10(K) = -2.56554 + 22.0004·Phi, the input dialog's default relation.
double DefaultPorosity(double k) { return (std::log10(k) + 2.56554) / 22.0004; }

// Normal deviates by Box-Muller from the engine's raw numbers, the same on
// every platform.
class Normal {
public:
    explicit Normal(unsigned seed) : m_engine(seed) {}
    double operator()()
    {
        const double u1 = (static_cast<double>(m_engine()) + 1) / 4294967297.0;
        const double u2 = static_cast<double>(m_engine()) / 4294967296.0;
        return std::sqrt(-2 * std::log(u1)) * std::cos(2 * std::numbers::pi * u2);
    }

private:
    std::mt19937 m_engine;
};

double PressureScale(const std::string& unit)
{
    if (unit == "psia" || unit == "psi")
        return kBarPerPsi;
    if (unit == "kPa")
        return 0.01;
    if (unit == "MPa")
        return 10;
    return 1;
}

std::string Number(double v, const PcTableUnits& u)
{
    std::string s = Format("%.*g", u.digits, v);
    if (u.separator != ',')
        std::replace(s.begin(), s.end(), '.', ',');
    return s;
}

} // namespace

double ReferenceSaturation(const CapillaryCurve& curve, double pressure)
{
    if (!(pressure > curve.pcsperr) || !(curve.swmin < 1))
        return 1;
    if (pressure >= curve.pcMax)
        return curve.swmin;
    double low = curve.swmin, high = 1; // Pc(low) > pressure > Pc(high)
    for (int i = 0; i < 200 && high - low > 1e-15; ++i) {
        const double mid = (low + high) / 2;
        (CapillaryPressureAt(curve, mid) > pressure ? low : high) = mid;
    }
    return (low + high) / 2;
}

PcTable MakeSyntheticPcTable(const SyntheticPcSpec& spec)
{
    PcTable table;
    const ModelParameters model = MercuryModel(spec.coefficients, spec.pcMax);
    Normal normal(spec.seed);
    std::vector<double> schedule;
    for (int k = 0; k < spec.points; ++k) {
        const double t = spec.points > 1 ? static_cast<double>(k) / (spec.points - 1) : 1;
        schedule.push_back(spec.lowestPressure * std::pow(spec.pcMax / spec.lowestPressure, t));
    }
    // The closure pressure on the schedule, so that the correction, which
    // interpolates between the neighbours, takes off exactly what was added.
    double closure = 0;
    if (spec.closure > 0 && !schedule.empty())
        closure = *std::min_element(schedule.begin(), schedule.end(), [&](double a, double b) {
            return std::fabs(std::log(a / spec.closure)) < std::fabs(std::log(b / spec.closure));
        });
    long long line = 2;
    for (size_t i = 0; i < spec.permeabilities.size(); ++i) {
        PcSample s;
        s.name = Format("P%02zu", i + 1);
        s.depth = 2900 + 2.5 * static_cast<double>(i);
        s.permeability = spec.permeabilities[i];
        s.porosity = std::clamp(DefaultPorosity(s.permeability), 0.01, 0.45);
        if (closure > 0)
            s.closure = closure;
        s.firstLine = line;
        const CapillaryCurve curve = CurveFor(model, s.permeability);
        for (const double pressure : schedule) {
            double shg = 1 - ReferenceSaturation(curve, pressure);
            if (closure > 0) {
                if (pressure < closure)
                    shg = spec.conformance * std::log(pressure / spec.lowestPressure)
                        / std::log(closure / spec.lowestPressure);
                else
                    shg = spec.conformance + (1 - spec.conformance) * shg;
            }
            if (spec.noise > 0)
                shg = std::clamp(shg + spec.noise * normal(), 0.0, 1.0);
            s.points.push_back({pressure, 1 - shg, line++});
            table.maxPressure = std::max(table.maxPressure, pressure);
        }
        table.samples.push_back(std::move(s));
    }
    return table;
}

PcTableCells WritePcTableCells(const PcTable& table, const PcTableUnits& u)
{
    const std::string fraction = u.percent ? " (%)" : "";
    PcTableCells out;
    out.header = {"sample", "depth (m)", "porosity" + fraction, u.darcy ? "permeability (D)" : "permeability (mD)",
        "pressure (" + u.pressure + ")", (u.wettingPhase ? "sw" : "hg_saturation") + fraction, "closure"};
    const double pressureScale = PressureScale(u.pressure);
    const double fractionScale = u.percent ? 100 : 1;
    std::vector<CsvRow> rows;
    for (const PcSample& s : table.samples)
        for (const PcPoint& p : s.points) {
            CsvRow row;
            row.line = p.line;
            row.cells = {s.name, s.depth ? Number(*s.depth, u) : "", Number(s.porosity * fractionScale, u),
                Number(u.darcy ? s.permeability / 1000 : s.permeability, u), Number(p.pressure / pressureScale, u),
                Number((u.wettingPhase ? p.sw : 1 - p.sw) * fractionScale, u),
                s.closure ? Number(*s.closure / pressureScale, u) : ""};
            rows.push_back(std::move(row));
        }
    std::sort(rows.begin(), rows.end(), [](const CsvRow& a, const CsvRow& b) { return a.line < b.line; });
    out.rows = std::move(rows);
    return out;
}

std::string JoinPcTableCells(const PcTableCells& cells, char separator)
{
    std::string text;
    const auto add = [&](const std::vector<std::string>& cells) {
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += separator;
            text += cells[i];
        }
        text += '\n';
    };
    add(cells.header);
    for (const CsvRow& row : cells.rows)
        add(row.cells);
    return text;
}

} // namespace keldo
