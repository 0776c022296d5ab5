#include "FormationTops.h"

#include <array>
#include <cmath>
#include <map>
#include <utility>

#include "AsciiText.h"
#include "CsvTable.h"
#include "DecimalNumber.h"
#include "FileAccess.h"
#include "TextFormat.h"
#include "Utf8Text.h"

namespace keldo {
namespace {

constexpr int kColumnCount = 4;
constexpr std::array<const char*, kColumnCount> kColumnNames = {"well", "surface", "depth", "reference"};

bool Fail(TopsError& error, TopsErrorKind kind, long long line)
{
    error = TopsError{};
    error.kind = kind;
    error.line = line;
    return false;
}

bool FailAt(TopsError& error, TopsErrorKind kind, long long line, TopsColumn column, std::string_view text = {})
{
    Fail(error, kind, line);
    error.column = column;
    error.text = text;
    return false;
}

bool FailAtPosition(TopsError& error, TopsErrorKind kind, long long line, int position, std::string_view text = {})
{
    Fail(error, kind, line);
    error.position = position;
    error.text = text;
    return false;
}

bool TableFailure(const CsvTable& table, TopsError& error)
{
    switch (table.error) {
    case CsvErrorKind::None:
        return true;
    case CsvErrorKind::NotUtf8:
        return Fail(error, TopsErrorKind::NotUtf8, table.errorLine);
    case CsvErrorKind::UnclosedQuote:
        return Fail(error, TopsErrorKind::UnclosedQuote, table.errorLine);
    case CsvErrorKind::LineTooLong:
        return Fail(error, TopsErrorKind::LineTooLong, table.errorLine);
    case CsvErrorKind::ReadError:
        return Fail(error, TopsErrorKind::CannotRead, table.errorLine);
    case CsvErrorKind::TooManyLines:
    case CsvErrorKind::NulByte: // zero bytes are refused only where asked for
        break;
    }
    return Fail(error, TopsErrorKind::TooManyLines, table.errorLine);
}

// The column at each position of the header; false for an unnamed, unknown
// or repeated column, or a missing required one.
bool ReadHeader(const CsvTable& table, std::vector<TopsColumn>& columns, TopsError& error)
{
    const long long line = table.headerLine;
    std::array<int, kColumnCount> at{}; // 1-based position of each column; 0: not in the header
    for (size_t i = 0; i < table.header.size(); ++i) {
        const std::string& name = table.header[i];
        const int position = static_cast<int>(i) + 1;
        if (name.empty())
            return FailAtPosition(error, TopsErrorKind::UnnamedColumn, line, position);
        int found = -1;
        for (int c = 0; c < kColumnCount; ++c)
            if (EqualsIgnoringCase(name, kColumnNames[static_cast<size_t>(c)]))
                found = c;
        if (found < 0)
            return FailAtPosition(error, TopsErrorKind::UnknownColumn, line, position, name);
        if (at[static_cast<size_t>(found)] != 0) {
            FailAt(error, TopsErrorKind::RepeatedColumn, line, static_cast<TopsColumn>(found));
            error.position = position;
            error.otherPosition = at[static_cast<size_t>(found)];
            return false;
        }
        at[static_cast<size_t>(found)] = position;
        columns.push_back(static_cast<TopsColumn>(found));
    }
    for (TopsColumn required : {TopsColumn::Well, TopsColumn::Surface, TopsColumn::Depth})
        if (at[static_cast<size_t>(required)] == 0)
            return FailAt(error, TopsErrorKind::MissingColumn, line, required);
    return true;
}

bool ReadRow(const CsvRow& row, const std::vector<TopsColumn>& columns, FormationTop& top, TopsError& error)
{
    if (row.cells.size() > columns.size())
        return FailAtPosition(error, TopsErrorKind::TooManyFields, row.line, static_cast<int>(columns.size()) + 1);
    std::array<std::string, kColumnCount> cells;
    for (size_t i = 0; i < row.cells.size(); ++i)
        cells[static_cast<size_t>(columns[i])] = row.cells[i];
    auto cell = [&cells](TopsColumn c) -> const std::string& { return cells[static_cast<size_t>(c)]; };

    top.line = row.line;
    for (TopsColumn required : {TopsColumn::Well, TopsColumn::Surface, TopsColumn::Depth})
        if (cell(required).empty())
            return FailAt(error, TopsErrorKind::MissingValue, row.line, required);
    top.well = cell(TopsColumn::Well);
    top.surface = cell(TopsColumn::Surface);
    const std::string& depth = cell(TopsColumn::Depth);
    if (!ParseNumberCell(depth, DecimalMark::PointOrComma, top.depth))
        return FailAt(error, TopsErrorKind::NotANumber, row.line, TopsColumn::Depth, depth);
    if (!(std::fabs(top.depth) <= kLargestTopDepth))
        return FailAt(error, TopsErrorKind::DepthOutOfRange, row.line, TopsColumn::Depth, depth);
    const std::string& reference = cell(TopsColumn::Reference);
    if (reference.empty())
        top.reference = TopReference::WellDepth;
    else if (EqualsIgnoringCase(reference, "md"))
        top.reference = TopReference::Md;
    else if (EqualsIgnoringCase(reference, "tvdss"))
        top.reference = TopReference::Tvdss;
    else
        return FailAt(error, TopsErrorKind::UnknownReference, row.line, TopsColumn::Reference, reference);
    return true;
}

bool Parse(std::string_view text, std::vector<FormationTop>& tops, TopsError& error)
{
    CsvOptions options;
    options.limits.longestLine = kTopsLineLimit;
    options.limits.mostLines = kTopsMostLines;
    const CsvTable table = ReadCsvTable(text, options);
    std::vector<TopsColumn> columns;
    // The problems in the order of the lines: the header's first, then the
    // rows' up to a line the table could not split.
    if (table.headerLine > 0 && !ReadHeader(table, columns, error))
        return false;
    std::map<std::pair<std::string, std::string>, long long> seen; // (well, surface) → line
    for (const CsvRow& row : table.rows) {
        FormationTop top;
        if (!ReadRow(row, columns, top, error))
            return false;
        const auto [it, first] = seen.emplace(std::make_pair(top.well, top.surface), top.line);
        if (!first) {
            FailAt(error, TopsErrorKind::RepeatedSurface, top.line, TopsColumn::Surface, top.surface);
            error.otherLine = it->second;
            return false;
        }
        tops.push_back(std::move(top));
    }
    if (!TableFailure(table, error))
        return false;
    if (table.headerLine == 0)
        return Fail(error, TopsErrorKind::NoHeader, 0);
    if (tops.empty())
        return Fail(error, TopsErrorKind::NoTop, 0);
    return true;
}

} // namespace

const char* TopsColumnName(TopsColumn column) { return kColumnNames[static_cast<size_t>(column)]; }

bool ParseFormationTops(std::string_view text, std::vector<FormationTop>& tops, TopsError& error)
{
    tops.clear();
    error = TopsError{};
    if (Parse(text, tops, error))
        return true;
    tops.clear();
    return false;
}

bool ReadFormationTopsFile(const std::string& path, std::vector<FormationTop>& tops, TopsError& error)
{
    tops.clear();
    std::string bytes;
    int err = 0;
    if (!ReadWholeFile(path, bytes, err)) {
        Fail(error, TopsErrorKind::CannotRead, 0);
        error.systemError = err;
        return false;
    }
    return ParseFormationTops(bytes, tops, error);
}

std::vector<FormationTop> TopsOfWell(const std::vector<FormationTop>& tops, std::string_view well)
{
    std::vector<FormationTop> of;
    for (const FormationTop& top : tops)
        if (top.well == well)
            of.push_back(top);
    return of;
}

} // namespace keldo
