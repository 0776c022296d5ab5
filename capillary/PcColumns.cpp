#include "PcColumns.h"

#include <cstddef>
#include <string_view>

#include "AsciiText.h"

namespace keldo {
namespace {

constexpr std::array<const char*, kPcColumnCount> kNames
    = {"sample", "depth", "porosity", "permeability", "pressure", "hg_saturation", "sw", "closure"};

struct Unit {
    const char* name; // any case in the file
    double scale;
};

constexpr Unit kDepthUnits[] = {{"", 1}, {"m", 1}};
constexpr Unit kFractionUnits[] = {{"", 1}, {"-", 1}, {"frac", 1}, {"fraction", 1}, {"%", 0.01}};
constexpr Unit kPermeabilityUnits[] = {{"", 1}, {"md", 1}, {"d", 1000}};
constexpr Unit kPressureUnits[]
    = {{"", 1}, {"bar", 1}, {"psi", kBarPerPsi}, {"psia", kBarPerPsi}, {"kpa", 0.01}, {"mpa", 10}};
constexpr Unit kNoUnit[] = {{"", 1}};

// "Pressure (psia)" -> name "Pressure", unit "psia"; "sw" -> "sw", "".
// False when a bracket is opened and not closed at the end.
bool SplitNameAndUnit(std::string_view cell, std::string_view& name, std::string_view& unit)
{
    const size_t open = cell.find_first_of("([");
    if (open == std::string_view::npos) {
        name = TrimBlanks(cell);
        unit = {};
        return true;
    }
    const char close = cell[open] == '(' ? ')' : ']';
    if (cell.back() != close)
        return false;
    name = TrimBlanks(cell.substr(0, open));
    unit = TrimBlanks(cell.substr(open + 1, cell.size() - open - 2));
    return true;
}

template <size_t N> bool FindUnit(const Unit (&units)[N], std::string_view unit, double& scale)
{
    for (const Unit& u : units)
        if (EqualsIgnoringCase(unit, u.name)) {
            scale = u.scale;
            return true;
        }
    return false;
}

bool UnitScale(PcColumn c, std::string_view unit, double& scale)
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

PcLayoutResult Failed(PcTableErrorKind kind, const std::vector<std::string>& cells, long long line, int column,
    PcColumn role, std::string_view text)
{
    PcLayoutResult r;
    r.error.kind = kind;
    r.error.line = line;
    r.error.column = column;
    r.error.role = role;
    if (column > 0)
        r.error.header = cells[static_cast<size_t>(column - 1)];
    r.error.text = std::string(text);
    return r;
}

} // namespace

const char* PcColumnName(PcColumn c) { return kNames[static_cast<size_t>(c)]; }

PcLayoutResult ReadPcHeader(const std::vector<std::string>& cells, long long line)
{
    PcColumnLayout layout;
    bool closureHasUnit = false;
    for (size_t i = 0; i < cells.size(); ++i) {
        const int column = static_cast<int>(i) + 1;
        std::string_view name, unit;
        if (!SplitNameAndUnit(cells[i], name, unit))
            continue; // not one of ours
        for (size_t k = 0; k < kNames.size(); ++k) {
            if (!EqualsIgnoringCase(name, kNames[k]))
                continue;
            const auto role = static_cast<PcColumn>(k);
            if (layout.Has(role))
                return Failed(PcTableErrorKind::DuplicateColumn, cells, line, column, role, {});
            const PcColumn other = role == PcColumn::Sw ? PcColumn::HgSaturation : PcColumn::Sw;
            if ((role == PcColumn::Sw || role == PcColumn::HgSaturation) && layout.Has(other))
                return Failed(PcTableErrorKind::BothSaturations, cells, line, column, role, {});
            if (!UnitScale(role, unit, layout.scale[k]))
                return Failed(PcTableErrorKind::UnknownUnit, cells, line, column, role, unit);
            if (role == PcColumn::Closure)
                closureHasUnit = !unit.empty();
            layout.index[k] = static_cast<int>(i);
            layout.header[k] = cells[i];
        }
    }
    for (const PcColumn required : {PcColumn::Sample, PcColumn::Porosity, PcColumn::Permeability, PcColumn::Pressure})
        if (!layout.Has(required))
            return Failed(PcTableErrorKind::MissingColumn, cells, line, 0, required, {});
    if (!layout.Has(PcColumn::HgSaturation) && !layout.Has(PcColumn::Sw))
        return Failed(PcTableErrorKind::MissingColumn, cells, line, 0, PcColumn::HgSaturation, {});
    // A closure pressure without a unit of its own is in the unit of the pressures.
    if (layout.Has(PcColumn::Closure) && !closureHasUnit)
        layout.scale[static_cast<size_t>(PcColumn::Closure)] = layout.Scale(PcColumn::Pressure);

    PcLayoutResult result;
    result.ok = true;
    result.layout = std::move(layout);
    return result;
}

} // namespace keldo
