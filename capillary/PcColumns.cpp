#include "PcColumns.h"

#include <cstddef>
#include <string_view>

namespace keldo {
namespace {

constexpr std::array<const char*, kPcColumnCount> kNames
    = {"sample", "depth", "porosity", "permeability", "pressure", "hg_saturation", "sw", "closure"};

struct Unit {
    const char* name; // lower case
    double scale;
};

constexpr Unit kDepthUnits[] = {{"", 1}, {"m", 1}};
constexpr Unit kFractionUnits[] = {{"", 1}, {"-", 1}, {"frac", 1}, {"fraction", 1}, {"%", 0.01}};
constexpr Unit kPermeabilityUnits[] = {{"", 1}, {"md", 1}, {"d", 1000}};
constexpr Unit kPressureUnits[]
    = {{"", 1}, {"bar", 1}, {"psi", kBarPerPsi}, {"psia", kBarPerPsi}, {"kpa", 0.01}, {"mpa", 10}};
constexpr Unit kNoUnit[] = {{"", 1}};

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// "Pressure (psia)" -> name "pressure", unit "psia"; "sw" -> "sw", "".
// False when a bracket is opened and not closed at the end.
bool SplitNameAndUnit(std::string_view cell, std::string& name, std::string& unit)
{
    const size_t open = cell.find_first_of("([");
    if (open == std::string_view::npos) {
        name = Lower(TrimmedCell(cell));
        unit.clear();
        return true;
    }
    const char close = cell[open] == '(' ? ')' : ']';
    if (cell.back() != close)
        return false;
    name = Lower(TrimmedCell(cell.substr(0, open)));
    unit = Lower(TrimmedCell(cell.substr(open + 1, cell.size() - open - 2)));
    return true;
}

template <size_t N> bool FindUnit(const Unit (&units)[N], const std::string& unit, double& scale)
{
    for (const Unit& u : units)
        if (unit == u.name) {
            scale = u.scale;
            return true;
        }
    return false;
}

bool UnitScale(PcColumn c, const std::string& unit, double& scale)
{
    switch (c) {
    case PcColumn::Sample:
        return FindUnit(kNoUnit, unit, scale);
    case PcColumn::Depth:
        return FindUnit(kDepthUnits, unit, scale);
    case PcColumn::Porosity:
    case PcColumn::HgSaturation:
    case PcColumn::Sw:
        return FindUnit(kFractionUnits, unit, scale);
    case PcColumn::Permeability:
        return FindUnit(kPermeabilityUnits, unit, scale);
    case PcColumn::Pressure:
    case PcColumn::Closure:
        return FindUnit(kPressureUnits, unit, scale);
    }
    return false;
}

PcLayoutResult Failed(PcTableErrorKind kind, const TableRow& header, int column, PcColumn role, std::string text)
{
    PcLayoutResult r;
    r.error.kind = kind;
    r.error.line = header.line;
    r.error.column = column;
    r.error.role = role;
    if (column > 0)
        r.error.header = std::string(TrimmedCell(header.cells[static_cast<size_t>(column - 1)]));
    r.error.text = std::move(text);
    return r;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

} // namespace

std::string_view TrimmedCell(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

const char* PcColumnName(PcColumn c) { return kNames[static_cast<size_t>(c)]; }

PcLayoutResult ReadPcHeader(const TableRow& header)
{
    PcColumnLayout layout;
    bool closureHasUnit = false;
    for (size_t i = 0; i < header.cells.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        std::string name, unit;
        if (!SplitNameAndUnit(TrimmedCell(header.cells[i]), name, unit))
            continue; // not one of ours
        for (size_t k = 0; k < kNames.size(); ++k) {
            if (name != kNames[k])
                continue;
            const auto role = static_cast<PcColumn>(k);
            if (layout.Has(role))
                return Failed(PcTableErrorKind::DuplicateColumn, header, column, role, {});
            const PcColumn other = role == PcColumn::Sw ? PcColumn::HgSaturation : PcColumn::Sw;
            if ((role == PcColumn::Sw || role == PcColumn::HgSaturation) && layout.Has(other))
                return Failed(PcTableErrorKind::BothSaturations, header, column, role, {});
            if (!UnitScale(role, unit, layout.scale[k]))
                return Failed(PcTableErrorKind::UnknownUnit, header, column, role, unit);
            if (role == PcColumn::Closure)
                closureHasUnit = !unit.empty();
            layout.index[k] = static_cast<int>(i);
            layout.header[k] = std::string(TrimmedCell(header.cells[i]));
        }
    }
    for (const PcColumn required : {PcColumn::Sample, PcColumn::Porosity, PcColumn::Permeability, PcColumn::Pressure})
        if (!layout.Has(required))
            return Failed(PcTableErrorKind::MissingColumn, header, 0, required, {});
    if (!layout.Has(PcColumn::HgSaturation) && !layout.Has(PcColumn::Sw))
        return Failed(PcTableErrorKind::MissingColumn, header, 0, PcColumn::HgSaturation, {});
    // A closure pressure without a unit of its own is in the unit of the pressures.
    if (layout.Has(PcColumn::Closure) && !closureHasUnit)
        layout.scale[static_cast<size_t>(PcColumn::Closure)] = layout.Scale(PcColumn::Pressure);

    PcLayoutResult result;
    result.ok = true;
    result.layout = std::move(layout);
    return result;
}

} // namespace keldo
