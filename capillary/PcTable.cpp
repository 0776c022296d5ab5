#include "PcTable.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string_view>
#include <utility>

#include "DecimalNumber.h"
#include "PcColumns.h"

namespace keldo {
namespace {

// What one row says, each value in the model's unit.
struct RowValues {
    std::string sample;
    std::optional<double> depth;
    double porosity = 0;
    double permeability = 0;
    double pressure = 0;
    double sw = 1;
    std::optional<double> closure;
};

class RowReader {
public:
    RowReader(const PcColumnLayout& layout, size_t headerWidth, char separator)
        : m_layout(layout),
          m_mark(separator == ',' ? DecimalMark::Point : DecimalMark::PointOrComma),
          m_headerWidth(headerWidth)
    {
        // The columns in the order they stand, so that the first fault is
        // the leftmost one.
        for (int k = 0; k < kPcColumnCount; ++k)
            if (layout.index[static_cast<size_t>(k)] >= 0)
                m_order.emplace_back(layout.index[static_cast<size_t>(k)], static_cast<PcColumn>(k));
        std::sort(m_order.begin(), m_order.end());
    }

    // False with `error` set at the first fault of the row.
    bool Read(const CsvRow& row, RowValues& values, PcTableError& error) const
    {
        for (const auto& [index, role] : m_order) {
            const std::string_view cell = index < static_cast<int>(row.cells.size())
                ? row.cells[static_cast<size_t>(index)]
                : std::string_view{};
            if (!ReadCell(role, cell, values)) {
                error = Fault(row, index, role, cell);
                return false;
            }
        }
        for (size_t i = m_headerWidth; i < row.cells.size(); ++i)
            if (!row.cells[i].empty()) {
                error
                    = MakeError(PcTableErrorKind::ExtraCell, row, static_cast<int>(i), PcColumn::Sample, row.cells[i]);
                error.header.clear();
                return false;
            }
        return true;
    }

    PcTableError MakeError(
        PcTableErrorKind kind, const CsvRow& row, int index, PcColumn role, std::string_view text) const
    {
        PcTableError e;
        e.kind = kind;
        e.line = row.line;
        e.column = index + 1;
        e.role = role;
        e.header = m_layout.Header(role);
        e.text = std::string(text);
        return e;
    }

private:
    enum class CellState { Empty, Number, NotANumber };

    CellState Number(std::string_view cell, double scale, double& value) const
    {
        if (cell.empty())
            return CellState::Empty;
        // The numbers end up in the document's single precision: one beyond
        // it is no number here.
        double number = 0;
        if (!ParseNumberCell(cell, m_mark, number) || std::abs(number) > std::numeric_limits<float>::max())
            return CellState::NotANumber;
        value = number * scale;
        return CellState::Number;
    }

    // Reads the cell into `values`; false when it is at fault (Fault says why).
    bool ReadCell(PcColumn role, std::string_view cell, RowValues& values) const
    {
        const double scale = m_layout.Scale(role);
        double v = 0;
        switch (role) {
        case PcColumn::Sample:
            values.sample = std::string(cell);
            return !cell.empty();
        case PcColumn::Depth:
        case PcColumn::Closure: {
            const CellState state = Number(cell, scale, v);
            if (state == CellState::NotANumber || (role == PcColumn::Closure && state == CellState::Number && v < 0))
                return false;
            auto& target = role == PcColumn::Depth ? values.depth : values.closure;
            target.reset();
            if (state == CellState::Number)
                target = v;
            return true;
        }
        case PcColumn::Porosity:
            return Number(cell, scale, values.porosity) == CellState::Number && InUnitRange(values.porosity);
        case PcColumn::Permeability:
            return Number(cell, scale, values.permeability) == CellState::Number;
        case PcColumn::Pressure:
            return Number(cell, scale, values.pressure) == CellState::Number && values.pressure > 0;
        case PcColumn::HgSaturation:
        case PcColumn::Sw:
            if (Number(cell, scale, v) != CellState::Number || !InUnitRange(v))
                return false;
            values.sw = role == PcColumn::Sw ? v : 1 - v;
            return true;
        }
        return false;
    }

    static bool InUnitRange(double v) { return v >= 0 && v <= 1; }

    PcTableError Fault(const CsvRow& row, int index, PcColumn role, std::string_view cell) const
    {
        double v = 0;
        PcTableErrorKind kind = PcTableErrorKind::OutOfRange;
        if (cell.empty())
            kind = PcTableErrorKind::MissingValue;
        else if (role != PcColumn::Sample && Number(cell, 1, v) == CellState::NotANumber)
            kind = PcTableErrorKind::NotANumber;
        return MakeError(kind, row, index, role, cell);
    }

    const PcColumnLayout& m_layout;
    DecimalMark m_mark;
    size_t m_headerWidth;
    std::vector<std::pair<int, PcColumn>> m_order;
};

// The first of depth, porosity, permeability and closure (in the order of
// the columns) in which `v` differs from the sample's values; none: -1.
int DifferingColumn(const PcColumnLayout& layout, const PcSample& s, const RowValues& v, PcColumn& role)
{
    int found = -1;
    const auto check = [&](PcColumn c, bool same) {
        if (!same && layout.Has(c) && (found < 0 || layout.Index(c) < found)) {
            found = layout.Index(c);
            role = c;
        }
    };
    check(PcColumn::Depth, s.depth == v.depth);
    check(PcColumn::Porosity, s.porosity == v.porosity);
    check(PcColumn::Permeability, s.permeability == v.permeability);
    check(PcColumn::Closure, s.closure == v.closure);
    return found;
}

// The splitting's stop as the table's error, at its line.
PcTableErrorKind SplitErrorKind(CsvErrorKind kind)
{
    switch (kind) {
    case CsvErrorKind::LineTooLong:
        return PcTableErrorKind::LineTooLong;
    case CsvErrorKind::TooManyLines:
        return PcTableErrorKind::TooManyLines;
    case CsvErrorKind::ReadError:
        return PcTableErrorKind::CannotRead;
    case CsvErrorKind::None:
    case CsvErrorKind::NulByte: // zero bytes are refused only where asked for
    case CsvErrorKind::NotUtf8: // the file's code is decided before splitting
    case CsvErrorKind::UnclosedQuote:
        break;
    }
    return PcTableErrorKind::UnclosedQuote;
}

} // namespace

PcTableResult InterpretPcTable(const CsvTable& csv)
{
    PcTableResult result;
    if (csv.headerLine == 0) {
        result.error.kind = csv.error == CsvErrorKind::None ? PcTableErrorKind::NoHeader : SplitErrorKind(csv.error);
        result.error.line = csv.errorLine;
        return result;
    }
    PcLayoutResult layout = ReadPcHeader(csv.header, csv.headerLine);
    if (!layout.ok) {
        result.error = std::move(layout.error);
        return result;
    }
    const RowReader reader(layout.layout, csv.header.size(), csv.separator);

    std::map<std::string, size_t> byName;
    PcTable& table = result.table;
    for (const CsvRow& row : csv.rows) {
        RowValues v;
        if (!reader.Read(row, v, result.error))
            return result;
        const auto [at, added] = byName.emplace(v.sample, table.samples.size());
        if (added) {
            PcSample s;
            s.name = v.sample;
            s.depth = v.depth;
            s.porosity = v.porosity;
            s.permeability = v.permeability;
            s.closure = v.closure;
            s.firstLine = row.line;
            table.samples.push_back(std::move(s));
        }
        PcSample& sample = table.samples[at->second];
        PcColumn role = PcColumn::Sample;
        const int differs = DifferingColumn(layout.layout, sample, v, role);
        if (differs >= 0) {
            const auto& cells = row.cells;
            result.error = reader.MakeError(PcTableErrorKind::DiffersWithinSample, row, differs, role,
                differs < static_cast<int>(cells.size()) ? std::string_view(cells[static_cast<size_t>(differs)]) : "");
            result.error.otherLine = sample.firstLine;
            result.error.sample = sample.name;
            return result;
        }
        sample.points.push_back({v.pressure, v.sw, row.line});
        table.maxPressure = std::max(table.maxPressure, v.pressure);
    }
    // The rows before a line that could not be split are read: a fault among
    // them comes first.
    if (csv.error != CsvErrorKind::None) {
        result.error.kind = SplitErrorKind(csv.error);
        result.error.line = csv.errorLine;
        return result;
    }
    if (table.samples.empty()) {
        result.error.kind = PcTableErrorKind::NoRows;
        result.error.line = csv.headerLine;
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace keldo
