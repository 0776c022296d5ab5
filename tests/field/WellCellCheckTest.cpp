// The check of the program's table of wells before a study starts: it finds
// the cell the field file's grammar would refuse, and only such a cell.
#include <gtest/gtest.h>

#include "FieldFile.h"
#include "WellCellCheck.h"

using keldo::CellProblem;
using keldo::FieldColumn;

namespace {

using Cells = std::array<std::string, keldo::kFieldColumnCount>;

Cells Row(std::string name, std::string las, std::string elevation, std::string contact, std::string cutoff)
{
    Cells cells;
    cells[size_t(FieldColumn::Well)] = std::move(name);
    cells[size_t(FieldColumn::Las)] = std::move(las);
    cells[size_t(FieldColumn::Elevation)] = std::move(elevation);
    cells[size_t(FieldColumn::Contact)] = std::move(contact);
    cells[size_t(FieldColumn::Cutoff)] = std::move(cutoff);
    return cells;
}

// `row` with `text` in `column`.
Cells With(Cells row, FieldColumn column, std::string text)
{
    row[size_t(column)] = std::move(text);
    return row;
}

} // namespace

// One row each: what the check finds, and that the field file's reading of
// the same row refuses exactly the rows the check refuses (cells as the
// Volve field example writes them: 15/9-F-11 A, elevation auto, contact 3027).
TEST(WellCellCheck, FindsTheCellTheFieldFileRefuses)
{
    const struct {
        const char* name;
        Cells row;
        std::optional<FieldColumn> column;
        CellProblem problem;
    } cases[] = {
        {"all good", Row("15/9-F-11 A", "F-11_A.LAS", "auto", "3027", "0.06"), {}, {}},
        {"empty cells", Row("15/9-F-11 A", "F-11_A.LAS", "", "", ""), {}, {}},
        {"decimal comma", Row("15/9-F-11 A", "F-11_A.LAS", "54,9", "3027,5", "0,08"), {}, {}},
        {"AUTO in capitals", Row("15/9-F-11 A", "F-11_A.LAS", "AUTO", "3027", ""), {}, {}},
        {"contact as text", Row("15/9-F-11 A", "F-11_A.LAS", "auto", "abc", ""), FieldColumn::Contact,
            CellProblem::NotANumber},
        {"contact beyond a float", Row("15/9-F-11 A", "F-11_A.LAS", "auto", "1e300", ""), FieldColumn::Contact,
            CellProblem::NotANumber},
        {"cut-off with two commas", Row("15/9-F-11 A", "F-11_A.LAS", "auto", "", "0,0,6"), FieldColumn::Cutoff,
            CellProblem::NotANumber},
        {"elevation as text", Row("15/9-F-11 A", "F-11_A.LAS", "kb", "", ""), FieldColumn::Elevation,
            CellProblem::NotElevation},
        {"no name", Row("", "F-11_A.LAS", "auto", "", ""), FieldColumn::Well, CellProblem::NameMissing},
        {"name before contact", Row("", "F-11_A.LAS", "auto", "abc", ""), FieldColumn::Well, CellProblem::NameMissing},
        {"elevation before contact", Row("F-11", "F-11_A.LAS", "x", "abc", ""), FieldColumn::Elevation,
            CellProblem::NotElevation},
        {"shale curve and pressure file of a LAS row",
            With(With(Row("F-11", "F-11_A.LAS", "auto", "", ""), FieldColumn::ShaleCurve, "VSH"), FieldColumn::Pressure,
                "druck.csv"),
            {}, {}},
        {"pressure file of a document",
            With(With(Row("F-12", "", "", "", ""), FieldColumn::Document, "F-12.kld"), FieldColumn::Pressure,
                "druck.csv"),
            {}, {}},
        {"shale curve of a document",
            With(With(Row("F-12", "", "", "", ""), FieldColumn::Document, "F-12.kld"), FieldColumn::ShaleCurve, "VSH"),
            FieldColumn::ShaleCurve, CellProblem::OnlyWithLas},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fault = keldo::FirstBadCell({c.row});
        ASSERT_EQ(fault.has_value(), c.column.has_value());
        EXPECT_EQ(keldo::ReadFieldRow(0, c.row, "/daten").errors.empty(), !fault.has_value());
        if (!fault)
            continue;
        EXPECT_EQ(fault->row, 0u);
        EXPECT_EQ(fault->column, *c.column);
        EXPECT_EQ(fault->problem, c.problem);
    }
}

// Across rows: the first bad row counts, and a name repeated is refused in
// the later row, as CheckWellNames refuses it.
TEST(WellCellCheck, FirstBadRowAndRepeatedNames)
{
    const struct {
        const char* name;
        std::vector<Cells> rows;
        std::optional<size_t> row;
        CellProblem problem;
    } cases[] = {
        {"two wells", {Row("15/9-F-11 A", "a.las", "", "", ""), Row("15/9-F-11 B", "b.las", "", "", "")}, {}, {}},
        {"second row bad",
            {Row("15/9-F-11 A", "a.las", "", "", ""), Row("15/9-F-11 B", "b.las", "", "tief", ""),
                Row("15/9-F-12", "c.las", "", "x", "")},
            1, CellProblem::NotANumber},
        {"name repeated",
            {Row("15/9-F-11 A", "a.las", "", "", ""), Row("15/9-F-12", "b.las", "", "", ""),
                Row("15/9-F-11 A", "c.las", "", "", "")},
            2, CellProblem::NameRepeated},
        {"no rows", {}, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto fault = keldo::FirstBadCell(c.rows);
        ASSERT_EQ(fault.has_value(), c.row.has_value());
        if (fault) {
            EXPECT_EQ(fault->row, *c.row);
            EXPECT_EQ(fault->problem, c.problem);
        }
    }
}
