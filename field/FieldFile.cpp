#include "FieldFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <map>

#include "AsciiText.h"
#include "CsvTable.h"
#include "DecimalNumber.h"
#include "FileAccess.h"
#include "InputFile.h"
#include "QuotedFileText.h"
#include "ShortList.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr std::array<const char*, kFieldColumnCount> kColumnNames = {"well", "document", "las", "survey", "elevation",
    "depth_curve", "porosity_curve", "sw_curve", "contact", "cutoff", "pressure", "vsh"};

// "Die Felddatei "f.csv" hat keine Kopfzeile."
std::string FileMessage(const std::string& path, const std::string& text)
{
    return "Die Felddatei \"" + path + "\" " + text;
}

// "Die Felddatei "f.csv", Zeile 1, Spalte 2: Die Spalte hat keinen Namen."
std::string PlaceMessage(const std::string& path, const std::string& place, const std::string& text)
{
    return "Die Felddatei \"" + path + "\", " + place + ": " + text;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string Resolved(const std::string& folder, std::string_view path)
{
    if (path.empty() || path.front() == '/' || folder.empty())
        return std::string(path);
    return folder + "/" + std::string(path);
}

// The header's columns in their order; false with the message for an
// unknown, unnamed or repeated column, or a missing required one.
bool ReadHeader(const std::vector<std::string>& names, int line, const std::string& path,
    std::vector<FieldColumn>& columns, std::string& error)
{
    std::map<int, int> seen; // column → its position (1-based)
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string& name = names[i];
        int found = -1;
        for (int c = 0; c < kFieldColumnCount; ++c)
            if (EqualsIgnoringCase(name, kColumnNames[static_cast<size_t>(c)]))
                found = c;
        const std::string place = Format("Zeile %d, Spalte %zu", line, i + 1);
        if (name.empty()) {
            error = PlaceMessage(path, place, "Die Spalte hat keinen Namen.");
            return false;
        }
        if (found < 0) {
            error = PlaceMessage(path, place,
                "Die Spalte " + QuotedFileText(name)
                    + " ist unbekannt. Bekannt sind well, document, las, survey, elevation, depth_curve, "
                      "porosity_curve, sw_curve, contact, cutoff, pressure und vsh.");
            return false;
        }
        if (const auto it = seen.find(found); it != seen.end()) {
            error = PlaceMessage(
                path, place, "Die Spalte " + name + Format(" steht schon als Spalte %d in der Kopfzeile.", it->second));
            return false;
        }
        seen[found] = static_cast<int>(i) + 1;
        columns.push_back(static_cast<FieldColumn>(found));
    }
    if (!seen.count(static_cast<int>(FieldColumn::Well))) {
        error = PlaceMessage(path, Format("Zeile %d", line), "Die Spalte well (Name der Bohrung) fehlt.");
        return false;
    }
    if (!seen.count(static_cast<int>(FieldColumn::Document)) && !seen.count(static_cast<int>(FieldColumn::Las))) {
        error = PlaceMessage(path, Format("Zeile %d", line), "Es fehlt eine Spalte document oder las.");
        return false;
    }
    return true;
}

} // namespace

const char* FieldColumnName(FieldColumn column) { return kColumnNames[static_cast<size_t>(column)]; }

std::string FieldRowMessage(int line, std::string_view column, std::string_view text)
{
    std::string where = line > 0 ? Format("Zeile %d, ", line) : std::string();
    return where + "Spalte " + std::string(column) + ": " + std::string(text);
}

namespace {

// A number column's value: empty is no value; a decimal comma counts as a
// decimal point. False for a text that is not one finite number.
bool ParseNumberCell(std::string_view text, std::optional<float>& value)
{
    value.reset();
    if (text.empty())
        return true;
    float v = 0;
    if (!ParseWholeFloat(WithDecimalPoint(text), v) || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

void SetFieldValue(FieldWell& well, FieldColumn column, std::string_view text, const std::string& folder)
{
    auto fail = [&](const std::string& why) {
        well.errors.push_back(FieldRowMessage(well.line, FieldColumnName(column), why));
    };
    switch (column) {
    case FieldColumn::Well:
        well.name = text;
        break;
    case FieldColumn::Document:
        well.inputs.document = Resolved(folder, text);
        break;
    case FieldColumn::Las:
        well.inputs.lasFile = Resolved(folder, text);
        break;
    case FieldColumn::Survey:
        well.inputs.surveyFile = Resolved(folder, text);
        break;
    case FieldColumn::Elevation:
        if (EqualsIgnoringCase(text, "auto")) {
            well.inputs.elevation.reset();
        } else if (text.empty()) {
            well.inputs.elevation = 0.0;
        } else if (double v = 0; ParseNumberCell(text, DecimalMark::PointOrComma, v)) {
            well.inputs.elevation = v; // in double, as keldo-batch reads --elevation
        } else {
            fail(QuotedFileText(text) + " ist weder eine Zahl noch auto.");
        }
        break;
    case FieldColumn::DepthCurve:
        well.inputs.depthCurve = text;
        break;
    case FieldColumn::PorosityCurve:
        well.inputs.porosityCurve = text;
        break;
    case FieldColumn::SwCurve:
        well.inputs.swCurve = text;
        break;
    case FieldColumn::ShaleCurve:
        well.inputs.shaleCurve = text;
        break;
    case FieldColumn::Pressure:
        well.pressureFile = Resolved(folder, text);
        break;
    case FieldColumn::Contact:
    case FieldColumn::Cutoff: {
        std::optional<float>& value = column == FieldColumn::Contact ? well.contact : well.cutoff;
        if (!ParseNumberCell(text, value))
            fail(QuotedFileText(text) + " ist keine Zahl.");
        break;
    }
    }
}

void CheckFieldWell(FieldWell& well)
{
    auto fail = [&](FieldColumn column, const std::string& why) {
        well.errors.push_back(FieldRowMessage(well.line, FieldColumnName(column), why));
    };
    if (well.name.empty())
        fail(FieldColumn::Well, "Der Name der Bohrung fehlt.");
    if (!well.inputs.document.empty() && !well.inputs.lasFile.empty())
        fail(FieldColumn::Las,
            "Eine Bohrung hat entweder ein Dokument (document) oder eine LAS-Datei (las), nicht beides.");
    if (well.inputs.document.empty() && well.inputs.lasFile.empty())
        fail(FieldColumn::Document, "Weder ein Dokument (document) noch eine LAS-Datei (las) angegeben.");
    if (!well.inputs.lasFile.empty())
        return;
    const struct {
        FieldColumn column;
        bool given;
    } lasOnly[] = {
        {FieldColumn::Survey, !well.inputs.surveyFile.empty()},
        {FieldColumn::Elevation, !well.inputs.elevation || *well.inputs.elevation != 0.0},
        {FieldColumn::DepthCurve, !well.inputs.depthCurve.empty()},
        {FieldColumn::PorosityCurve, !well.inputs.porosityCurve.empty()},
        {FieldColumn::SwCurve, !well.inputs.swCurve.empty()},
        {FieldColumn::ShaleCurve, !well.inputs.shaleCurve.empty()},
    };
    for (const auto& c : lasOnly)
        if (c.given && !well.inputs.document.empty())
            fail(c.column, "Gilt nur für eine LAS-Datei (Spalte las); ein Dokument hat seine Messwerte schon.");
}

} // namespace

FieldWell ReadFieldRow(int line, const std::array<std::string, kFieldColumnCount>& cells, const std::string& folder)
{
    FieldWell well;
    well.line = line;
    well.cells = cells;
    for (int c = 0; c < kFieldColumnCount; ++c)
        SetFieldValue(well, static_cast<FieldColumn>(c), cells[static_cast<size_t>(c)], folder);
    CheckFieldWell(well);
    return well;
}

void CheckWellNames(std::vector<FieldWell>& wells)
{
    std::map<std::string, int> names; // name → line of its first well
    for (FieldWell& well : wells) {
        if (well.name.empty())
            continue;
        const auto [it, first] = names.emplace(well.name, well.line);
        if (first)
            continue;
        const std::string where = it->second > 0 ? Format("in Zeile %d", it->second) : std::string("in der Liste");
        well.errors.push_back(
            FieldRowMessage(well.line, "well", "Die Bohrung \"" + well.name + "\" steht schon " + where + "."));
    }
}

namespace {

CsvOptions FieldCsvOptions()
{
    CsvOptions options;
    options.keepUnclosedRows = true; // the row's well says so, the others stay
    options.quotesSpanLines = true;  // a line break in quotes is no second well
    options.refuseNulBytes = true;
    options.limits = LineLimits{kLongestFieldFileLine, kMostFieldFileLines};
    return options;
}

// The column of a row's cell `c`, "4" beyond the header's columns.
std::string ColumnOf(const std::vector<FieldColumn>& columns, size_t c)
{
    return c < columns.size() ? FieldColumnName(columns[c]) : Format("%zu", c + 1);
}

// A row whose quoted cell holds line breaks: one row of the file from its
// first to its last line, refused whole, named by its first line.
void RefuseSpanningRow(const CsvRow& row, const std::vector<FieldColumn>& columns, FieldWell& well)
{
    size_t c = 0;
    while (c + 1 < row.cells.size() && row.cells[c].find('\n') == std::string::npos)
        ++c;
    well.name = well.name.substr(0, well.name.find('\n'));
    well.errors = {FieldRowMessage(well.line, ColumnOf(columns, c),
        Format("Ein Wert in Anführungszeichen reicht über das Zeilenende hinaus; die Zeilen %lld bis %lld werden "
               "als eine Zeile verworfen.",
            row.line, row.lastLine))};
}

// The rows that repeat a well's name: "Die Felddatei "f.csv" nennt
// Bohrungen mehrfach: "A" in den Zeilen 2, 4, …". Empty when every name is
// unique.
std::string RepeatedNames(const std::vector<FieldWell>& wells, const std::string& path)
{
    std::map<std::string, std::vector<int>> lines; // name → its rows' lines
    std::vector<const std::string*> order;          // names in the order they first repeat
    for (const FieldWell& well : wells) {
        if (well.name.empty())
            continue;
        std::vector<int>& at = lines[well.name];
        at.push_back(well.line);
        if (at.size() == 2)
            order.push_back(&lines.find(well.name)->first);
    }
    if (order.empty())
        return {};
    ShortList names;
    for (const std::string* name : order) {
        ShortList at;
        for (int line : lines[*name])
            at.Add(std::to_string(line));
        names.Add(QuotedFileText(*name) + " in den Zeilen " + at.Text());
    }
    return FileMessage(
        path, "nennt Bohrungen mehrfach: " + names.Text() + ". Jede Bohrung braucht einen eigenen Namen (Spalte well).");
}

bool StudyFromTable(const CsvTable& table, const std::string& path, FieldStudy& study, std::string& error)
{
    study = FieldStudy{path, {}};
    const std::string folder = FolderOf(path);

    // The problems in the order of the lines: the header's before a later
    // line that cannot be split.
    std::vector<FieldColumn> columns;
    if (table.headerLine > 0 && !ReadHeader(table.header, static_cast<int>(table.headerLine), path, columns, error))
        return false;
    for (const CsvRow& row : table.rows) {
        const int lineNumber = static_cast<int>(row.line);
        std::array<std::string, kFieldColumnCount> cells;
        for (size_t c = 0; c < row.cells.size() && c < columns.size(); ++c)
            cells[static_cast<size_t>(columns[c])] = row.cells[c];
        FieldWell well = ReadFieldRow(lineNumber, cells, folder);
        // A row that does not fit the header says only that.
        if (row.unclosedQuote) {
            const size_t c = std::min(row.cells.size(), columns.size() - 1);
            well.errors = {FieldRowMessage(
                lineNumber, FieldColumnName(columns[c]), "Ein Anführungszeichen ist nicht geschlossen.")};
        } else if (row.lastLine > row.line) {
            RefuseSpanningRow(row, columns, well);
        } else if (row.cells.size() > columns.size()) {
            well.errors = {Format("Zeile %d, Spalte %zu: Die Kopfzeile hat nur %zu Spalten.", lineNumber,
                columns.size() + 1, columns.size())};
        }
        study.wells.push_back(std::move(well));
    }
    const int errorLine = static_cast<int>(table.errorLine);
    switch (table.error) {
    case CsvErrorKind::None:
        break;
    case CsvErrorKind::NotUtf8:
        error = FileMessage(path, Format("ist keine UTF-8-Datei (Zeile %d).", errorLine));
        return false;
    case CsvErrorKind::NulByte:
        error = FileMessage(path, Format("enthält ein Nullzeichen (Byte 0) in Zeile %d; sie ist keine Textdatei.", errorLine));
        return false;
    case CsvErrorKind::UnclosedQuote: // of the header: a row's stays with its well
        error = PlaceMessage(path, Format("Zeile %d", errorLine), "Ein Anführungszeichen ist nicht geschlossen.");
        return false;
    case CsvErrorKind::LineTooLong:
        error = PlaceMessage(
            path, Format("Zeile %d", errorLine), Format("Die Zeile ist länger als %zu Zeichen.", kLongestFieldFileLine));
        return false;
    case CsvErrorKind::TooManyLines:
        error = PlaceMessage(
            path, Format("Zeile %d", errorLine), Format("Die Datei hat mehr als %zu Zeilen.", kMostFieldFileLines));
        return false;
    case CsvErrorKind::ReadError:
        error = FileMessage(path, "kann nicht gelesen werden.\n" + SystemErrorReason(EIO));
        return false;
    }
    if (columns.empty()) {
        error = FileMessage(path, "hat keine Kopfzeile (well, document oder las, …).");
        return false;
    }
    if (study.wells.empty()) {
        error = FileMessage(path, "nennt keine Bohrung.");
        return false;
    }
    error = RepeatedNames(study.wells, path);
    return error.empty();
}

} // namespace

bool ParseFieldFile(std::string_view text, const std::string& path, FieldStudy& study, std::string& error)
{
    return StudyFromTable(ReadCsvTable(text, FieldCsvOptions()), path, study, error);
}

bool ReadFieldFile(const std::string& path, FieldStudy& study, std::string& error)
{
    study = FieldStudy{path, {}};
    InputFile in;
    int err = 0;
    if (!in.Open(path, err)) {
        error = FileMessage(path, "kann nicht gelesen werden.\n" + SystemErrorReason(err));
        return false;
    }
    return StudyFromTable(ReadCsvTable(in.Stream(), FieldCsvOptions()), path, study, error);
}

} // namespace keldo
