#include "PressureTable.h"

#include <array>
#include <cmath>

#include "AsciiText.h"
#include "DecimalNumber.h"

namespace keldo {
namespace {

constexpr int kColumnCount = 5;
constexpr std::array<const char*, kColumnCount> kColumnNames = {"depth", "pressure", "fluid", "well", "use"};

struct UnitName {
    const char* name;
    PressureUnit unit;
};
// Absolute and gauge pressures ("psia", "barg") differ by one constant for
// every point, which moves both lines alike and leaves their meeting depth.
constexpr UnitName kPressureUnits[] = {{"bar", PressureUnit::Bar}, {"bara", PressureUnit::Bar},
    {"barg", PressureUnit::Bar}, {"psi", PressureUnit::Psi}, {"psia", PressureUnit::Psi}, {"psig", PressureUnit::Psi},
    {"kPa", PressureUnit::KiloPascal}, {"MPa", PressureUnit::MegaPascal}};

struct FluidName {
    const char* name;
    PressureFluid fluid;
};
constexpr FluidName kFluidNames[] = {{"water", PressureFluid::Water}, {"w", PressureFluid::Water},
    {"oil", PressureFluid::Oil}, {"o", PressureFluid::Oil}, {"gas", PressureFluid::Gas}, {"g", PressureFluid::Gas}};

// A header cell: "pressure (psi)" is the name "pressure" with the unit "psi".
struct HeaderCell {
    std::string name;
    std::optional<std::string> unit; // the text between "(" and ")"
    bool unitClosed = true;
};

HeaderCell SplitHeaderCell(std::string_view text)
{
    text = TrimBlanks(text);
    HeaderCell cell;
    const size_t open = text.find('(');
    if (open == std::string_view::npos) {
        cell.name = text;
        return cell;
    }
    cell.name = TrimBlanks(text.substr(0, open));
    std::string_view unit = text.substr(open + 1);
    cell.unitClosed = !unit.empty() && unit.back() == ')';
    if (!cell.unitClosed) {
        // Shown with its parenthesis, so that "(psi" tells what is missing.
        cell.unit = "(" + std::string(TrimBlanks(unit));
        return cell;
    }
    unit.remove_suffix(1);
    cell.unit = std::string(TrimBlanks(unit));
    return cell;
}

// The places (0-based) of the known columns in the header.
struct ColumnPlaces {
    std::array<std::optional<size_t>, kColumnCount> at;
    std::optional<size_t> Of(PressureColumn c) const { return at[static_cast<size_t>(c)]; }
};

bool Fail(PressureTableError& error, PressureTableErrorKind kind, long long line, size_t place,
    std::optional<PressureColumn> role, std::string_view text)
{
    error = PressureTableError{kind, line, static_cast<int>(place) + 1, role, 0, std::string(text)};
    return false;
}

bool ReadHeader(const CsvTable& csv, ColumnPlaces& places, PressureUnit& unit, PressureTableError& error)
{
    unit = PressureUnit::Bar;
    const std::vector<std::string>& header = csv.header;
    for (size_t i = 0; i < header.size(); ++i) {
        const HeaderCell cell = SplitHeaderCell(header[i]);
        int found = -1;
        for (int c = 0; c < kColumnCount; ++c)
            if (EqualsIgnoringCase(cell.name, kColumnNames[static_cast<size_t>(c)]))
                found = c;
        if (found < 0)
            continue;
        const auto role = static_cast<PressureColumn>(found);
        std::optional<size_t>& place = places.at[static_cast<size_t>(found)];
        if (place) {
            Fail(error, PressureTableErrorKind::RepeatedColumn, csv.headerLine, i, role, header[i]);
            error.otherColumn = static_cast<int>(*place) + 1;
            return false;
        }
        place = i;
        // The units of the other columns carry no meaning and are not looked at.
        if (!cell.unit || (role != PressureColumn::Depth && role != PressureColumn::Pressure))
            continue;
        bool known = false;
        if (cell.unitClosed && role == PressureColumn::Depth) {
            known = EqualsIgnoringCase(*cell.unit, "m");
        } else if (cell.unitClosed) {
            for (const UnitName& u : kPressureUnits)
                if (EqualsIgnoringCase(*cell.unit, u.name)) {
                    unit = u.unit;
                    known = true;
                }
        }
        if (!known)
            return Fail(error, PressureTableErrorKind::UnknownUnit, csv.headerLine, i, role, *cell.unit);
    }
    for (const PressureColumn role : {PressureColumn::Depth, PressureColumn::Pressure})
        if (!places.Of(role)) {
            error = PressureTableError{PressureTableErrorKind::MissingColumn, csv.headerLine, 0, role, 0, {}};
            return false;
        }
    return true;
}

// A decimal comma only where it cannot be the separator.
bool ParseCellNumber(std::string_view text, char separator, double& value)
{
    return ParseNumberCell(TrimBlanks(text), separator == ',' ? DecimalMark::Point : DecimalMark::PointOrComma, value);
}

std::string_view Cell(const CsvRow& row, std::optional<size_t> place)
{
    if (!place || *place >= row.cells.size())
        return {};
    return TrimBlanks(row.cells[*place]);
}

bool AllEmpty(const std::vector<std::string>& cells)
{
    for (const std::string& cell : cells)
        if (!TrimBlanks(cell).empty())
            return false;
    return true;
}

std::vector<std::string_view> Words(std::string_view text)
{
    std::vector<std::string_view> words;
    size_t pos = 0;
    for (std::string_view word = NextWord(text, pos); !word.empty(); word = NextWord(text, pos))
        words.push_back(word);
    return words;
}

} // namespace

double BarPerUnit(PressureUnit unit)
{
    switch (unit) {
    case PressureUnit::Psi:
        return 6894.757293168 / 1e5;
    case PressureUnit::KiloPascal:
        return 0.01;
    case PressureUnit::MegaPascal:
        return 10;
    case PressureUnit::Bar:
        break;
    }
    return 1;
}

const char* PressureColumnName(PressureColumn column) { return kColumnNames[static_cast<size_t>(column)]; }

bool SameWellName(std::string_view a, std::string_view b)
{
    // Each name as its words: blank runs between them, none at the ends.
    size_t posA = 0, posB = 0;
    for (;;) {
        const std::string_view wordA = NextWord(a, posA), wordB = NextWord(b, posB);
        if (!EqualsIgnoringCase(wordA, wordB))
            return false;
        if (wordA.empty())
            return true;
    }
}

size_t WellNameWithin(std::string_view file, std::string_view document)
{
    const std::vector<std::string_view> fileWords = Words(file), documentWords = Words(document);
    if (fileWords.empty() || fileWords.size() > documentWords.size())
        return 0;
    for (size_t i = 0; i < fileWords.size(); ++i) {
        std::string_view word = documentWords[i];
        // "15/9-F-12, Hugin": the comma ends the name, not its word.
        if (i + 1 == fileWords.size() && word.size() > 1 && word.back() == ',')
            word.remove_suffix(1);
        if (!EqualsIgnoringCase(fileWords[i], word))
            return 0;
    }
    return fileWords.size();
}

namespace {

// The file's name for `well`: the name itself when a row has it, else the
// file's longest name that `well` begins with.
std::string FileNameOfWell(const CsvTable& csv, size_t wellPlace, const std::string& well)
{
    std::string best;
    size_t bestWords = 0;
    for (const CsvRow& row : csv.rows) {
        const std::string_view name = Cell(row, wellPlace);
        if (SameWellName(name, well))
            return well;
        if (const size_t words = WellNameWithin(name, well); words > bestWords) {
            bestWords = words;
            best = name;
        }
    }
    return bestWords > 0 ? best : well;
}

} // namespace

bool ReadPressureTable(const CsvTable& csv, const std::string& well, PressureTable& table, PressureTableError& error)
{
    table = PressureTable{};
    if (csv.header.empty() || AllEmpty(csv.header)) {
        error = PressureTableError{PressureTableErrorKind::NoHeader, csv.headerLine, 0, std::nullopt, 0, {}};
        return false;
    }
    const char separator = csv.separator;
    ColumnPlaces places;
    PressureUnit unit = PressureUnit::Bar;
    if (!ReadHeader(csv, places, unit, error))
        return false;
    const double barPerUnit = BarPerUnit(unit);
    const std::optional<size_t> wellPlace = places.Of(PressureColumn::Well);
    const std::optional<size_t> fluidPlace = places.Of(PressureColumn::Fluid);
    const std::optional<size_t> usePlace = places.Of(PressureColumn::Use);
    const size_t depthPlace = *places.Of(PressureColumn::Depth);
    const size_t pressurePlace = *places.Of(PressureColumn::Pressure);

    PressureTable read;
    read.unit = unit;
    read.fluidColumn = fluidPlace.has_value();
    bool rowOfWell = false;
    const std::string fileWell = wellPlace ? FileNameOfWell(csv, *wellPlace, well) : well;
    for (const CsvRow& row : csv.rows) {
        if (AllEmpty(row.cells))
            continue; // a row of separators only, as spreadsheets write them
        if (wellPlace && !SameWellName(Cell(row, wellPlace), fileWell))
            continue;
        rowOfWell = true;

        bool used = true;
        if (const std::string_view use = Cell(row, usePlace); !use.empty()) {
            double value = 0;
            if (!ParseCellNumber(use, separator, value) || (value != 0 && value != 1))
                return Fail(error, PressureTableErrorKind::BadUse, row.line, *usePlace, PressureColumn::Use, use);
            used = value == 1;
        }

        PressurePoint point;
        point.line = row.line;
        const std::string_view depth = Cell(row, depthPlace), pressure = Cell(row, pressurePlace);
        const bool numbers
            = ParseCellNumber(depth, separator, point.depth) && ParseCellNumber(pressure, separator, point.pressure);
        point.pressure *= barPerUnit;
        if (!used) {
            // Shown as left out when it can be placed; its values are not checked.
            ++read.leftOutRows;
            if (numbers)
                read.leftOut.push_back(point);
            continue;
        }

        for (size_t i = csv.header.size(); i < row.cells.size(); ++i)
            if (!TrimBlanks(row.cells[i]).empty())
                return Fail(error, PressureTableErrorKind::TooManyCells, row.line, i, std::nullopt, row.cells[i]);
        double ignored = 0;
        if (!ParseCellNumber(depth, separator, ignored))
            return Fail(error, PressureTableErrorKind::BadNumber, row.line, depthPlace, PressureColumn::Depth, depth);
        if (!ParseCellNumber(pressure, separator, ignored))
            return Fail(
                error, PressureTableErrorKind::BadNumber, row.line, pressurePlace, PressureColumn::Pressure, pressure);
        if (!(point.pressure > 0))
            return Fail(error, PressureTableErrorKind::PressureNotPositive, row.line, pressurePlace,
                PressureColumn::Pressure, pressure);
        if (!(std::fabs(point.depth) <= kMaxDepth))
            return Fail(
                error, PressureTableErrorKind::OutOfRange, row.line, depthPlace, PressureColumn::Depth, depth);
        if (!(point.pressure <= kMaxPressure))
            return Fail(error, PressureTableErrorKind::OutOfRange, row.line, pressurePlace, PressureColumn::Pressure,
                pressure);
        if (fluidPlace) {
            const std::string_view fluid = Cell(row, fluidPlace);
            for (const FluidName& f : kFluidNames)
                if (EqualsIgnoringCase(fluid, f.name))
                    point.fluid = f.fluid;
            if (!point.fluid)
                return Fail(
                    error, PressureTableErrorKind::BadFluid, row.line, *fluidPlace, PressureColumn::Fluid, fluid);
        }
        read.points.push_back(point);
    }
    if (read.points.empty()) {
        const bool noRowOfWell = wellPlace && !rowOfWell;
        error = PressureTableError{noRowOfWell ? PressureTableErrorKind::NoRowOfWell : PressureTableErrorKind::NoPoint,
            0, 0, std::nullopt, 0, noRowOfWell ? well : std::string()};
        return false;
    }
    table = std::move(read);
    return true;
}

} // namespace keldo
