#include "WellCellCheck.h"

#include <cmath>
#include <set>

#include "DecimalNumber.h"
#include "AsciiText.h"

namespace keldo {

namespace {

bool IsNumber(const std::string& text)
{
    double value = 0;
    return ParseNumberCell(text, DecimalMark::PointOrComma, value);
}

// Contact and cut-off are read as floats.
bool IsFloat(const std::string& text)
{
    double value = 0;
    return ParseNumberCell(text, DecimalMark::PointOrComma, value) && std::isfinite(static_cast<float>(value));
}

// `las`: the row's file is a LAS file.
std::optional<CellProblem> ProblemOf(FieldColumn column, const std::string& text, bool las)
{
    switch (column) {
    case FieldColumn::Well:
        return text.empty() ? std::optional(CellProblem::NameMissing) : std::nullopt;
    case FieldColumn::Elevation:
        if (text.empty() || EqualsIgnoringCase(text, "auto") || IsNumber(text))
            return std::nullopt;
        return CellProblem::NotElevation;
    case FieldColumn::Contact:
    case FieldColumn::Cutoff:
        return text.empty() || IsFloat(text) ? std::nullopt : std::optional(CellProblem::NotANumber);
    case FieldColumn::ShaleCurve:
        return text.empty() || las ? std::nullopt : std::optional(CellProblem::OnlyWithLas);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<CellFault> FirstBadCell(const std::vector<std::array<std::string, kFieldColumnCount>>& rows)
{
    std::set<std::string> names;
    for (size_t row = 0; row < rows.size(); ++row) {
        const bool las = !rows[row][static_cast<size_t>(FieldColumn::Las)].empty();
        for (int c = 0; c < kFieldColumnCount; ++c) {
            const auto column = static_cast<FieldColumn>(c);
            if (const auto problem = ProblemOf(column, rows[row][static_cast<size_t>(c)], las))
                return CellFault{row, column, *problem};
        }
        const std::string& name = rows[row][static_cast<size_t>(FieldColumn::Well)];
        if (!names.insert(name).second)
            return CellFault{row, FieldColumn::Well, CellProblem::NameRepeated};
    }
    return std::nullopt;
}

} // namespace keldo
