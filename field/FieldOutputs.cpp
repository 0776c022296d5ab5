#include "FieldOutputs.h"

#include <cerrno>
#include <filesystem>
#include <map>
#include <utility>

#include "FieldChart.h"
#include "FieldFile.h"
#include "FileAccess.h"
#include "CurvesFile.h"
#include "FileIdentity.h"
#include "NetPayReport.h"
#include "SummaryTable.h"
#include "WellFolders.h"

namespace keldo {
namespace {

// The outputs of a computed well beside its messages: a well that could not
// be read has none of them. A new output of a well joins this list.
const char* const kWellFiles[]
    = {"saturation.txt", "contact.txt", "saturation.svg", "contact.svg", "curves.las", "pressure.txt"};
const char* const kMessagesFile = "messages.txt";
const char* const kStudyFiles[]
    = {"summary.csv", "field.svg", "field.png", "field.pdf", "netpay.csv", "zones.csv"};

// netpay.csv: one row per well, empty numbers for a well not prepared.
std::string NetPayCsv(const std::vector<WellSummary>& rows)
{
    std::string text = NetPayCsvHeader();
    for (const WellSummary& row : rows) {
        if (row.prepared)
            text += NetPayCsvLine(row.well, row.netPay);
        else {
            std::vector<std::string> fields(1 + NetPayCsvColumns().size());
            fields.front() = row.well;
            text += CsvLine(fields);
        }
    }
    return text;
}

// zones.csv: one row per well and zone.
std::string ZonesCsv(const std::vector<WellSummary>& rows)
{
    std::string text = ZonesCsvHeader();
    for (const WellSummary& row : rows)
        for (const ZoneResult& zone : row.zones)
            text += ZonesCsvLine(row.well, zone);
    return text;
}

std::string Lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

bool WriteText(const std::string& path, const std::string& text, std::string& error)
{
    int err = 0;
    if (ReplaceFile(path, text, err))
        return true;
    error = "Die Datei \"" + path + "\" kann nicht geschrieben werden.\n" + SystemErrorReason(err);
    return false;
}

// A well's folder belongs to the study: a symbolic link in its place is
// removed, not followed, so that no output lands outside the output folder.
bool MakeWellFolder(const std::string& folder, std::string& error)
{
    std::error_code ec;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(folder, ec))
        && !std::filesystem::remove(folder, ec)) {
        error = "Der Ordner \"" + folder + "\" kann nicht angelegt werden.\n" + SystemErrorReason(ec.value());
        return false;
    }
    return MakeFolder(folder, error);
}

// Every file the study may write into `outDir`, each with its identity.
std::vector<std::pair<std::string, FileIdentity>> StudyOutputs(const std::string& outDir, const FieldStudy& study)
{
    std::vector<std::string> paths;
    for (const char* name : kStudyFiles)
        paths.push_back(outDir + "/" + name);
    for (const std::string& folder : WellFolderNames(study.wells)) {
        paths.push_back(outDir + "/" + folder + "/" + kMessagesFile);
        for (const char* name : kWellFiles)
            paths.push_back(outDir + "/" + folder + "/" + name);
    }
    std::vector<std::pair<std::string, FileIdentity>> outputs;
    outputs.reserve(paths.size());
    for (std::string& path : paths) {
        FileIdentity id = IdentifyFile(path);
        outputs.emplace_back(std::move(path), std::move(id));
    }
    return outputs;
}

} // namespace

std::optional<StudyClash> FindStudyClash(
    const std::string& outDir, const FieldStudy& study, const std::string& templateFile, const std::string& topsFile)
{
    // Looked up by normal path and by device and inode: a study of many
    // wells has many outputs.
    std::map<std::string, const std::string*> byPath;
    std::map<std::pair<dev_t, ino_t>, const std::string*> byInode;
    const auto outputs = StudyOutputs(outDir, study);
    for (const auto& [path, id] : outputs) {
        byPath.emplace(id.normalPath, &path);
        if (id.exists)
            byInode.emplace(std::pair(id.device, id.inode), &path);
    }
    const auto written = [&](const std::string& input) -> const std::string* {
        if (input.empty())
            return nullptr;
        const FileIdentity id = IdentifyFile(input);
        if (auto it = byPath.find(id.normalPath); it != byPath.end())
            return it->second;
        if (auto it = byInode.find(std::pair(id.device, id.inode)); id.exists && it != byInode.end())
            return it->second;
        return nullptr;
    };
    if (const std::string* output = written(study.path))
        return StudyClash{*output, study.path, StudyClash::Source::FieldFile};
    if (const std::string* output = written(templateFile))
        return StudyClash{*output, templateFile, StudyClash::Source::Template};
    if (const std::string* output = written(topsFile))
        return StudyClash{*output, topsFile, StudyClash::Source::Tops};
    for (const FieldWell& well : study.wells) {
        const std::pair<FieldColumn, const std::string&> files[]
            = {{FieldColumn::Document, well.inputs.document}, {FieldColumn::Las, well.inputs.lasFile},
                {FieldColumn::Survey, well.inputs.surveyFile}, {FieldColumn::Pressure, well.pressureFile}};
        for (const auto& [column, file] : files)
            if (const std::string* output = written(file))
                return StudyClash{*output, file, StudyClash::Source::Row, well.line, column};
    }
    return std::nullopt;
}

std::string StudyClashMessage(const StudyClash& clash)
{
    const auto text = [&](const char* input) {
        return "Die Ausgabe \"" + clash.output + "\" würde " + input + " \"" + clash.input
            + "\" überschreiben; bitte einen anderen Ausgabeordner nennen.";
    };
    switch (clash.source) {
    case StudyClash::Source::FieldFile:
        return text("die Felddatei");
    case StudyClash::Source::Template:
        return text("die Vorlage");
    case StudyClash::Source::Tops:
        return text("die Datei der Formationsgrenzen");
    case StudyClash::Source::Row:
        break;
    }
    return FieldRowMessage(clash.line, FieldColumnName(clash.column), text("die Eingabedatei"));
}

bool MakeFolder(const std::string& folder, std::string& error)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!ec && std::filesystem::is_directory(folder, ec))
        return true;
    error
        = "Der Ordner \"" + folder + "\" kann nicht angelegt werden.\n" + SystemErrorReason(ec ? ec.value() : ENOTDIR);
    return false;
}

bool WriteWellOutputs(
    const std::string& outDir, const WellOutcome& outcome, const FieldGraphExport& graphs, std::string& error)
{
    const WellSummary& summary = outcome.summary;
    if (summary.status == WellStatus::NotRun)
        return true;
    const std::string folder = outDir + "/" + summary.folder;
    if (!MakeWellFolder(folder, error) || !WriteText(folder + "/" + kMessagesFile, Lines(outcome.messages), error))
        return false;
    if (summary.status == WellStatus::Unreadable) {
        for (const char* name : kWellFiles) {
            std::error_code ec;
            std::filesystem::remove(folder + "/" + name, ec);
        }
        return true;
    }
    if (!WriteText(folder + "/saturation.txt", Lines(outcome.saturationReport), error)
        || !WriteText(folder + "/contact.txt", Lines(outcome.contactReport), error))
        return false;
    if (!outcome.pressureReport.empty()) {
        if (!WriteText(folder + "/pressure.txt", Lines(outcome.pressureReport), error))
            return false;
    } else {
        // No block of an earlier run stands for a file that now gives none.
        std::error_code ec;
        std::filesystem::remove(folder + "/pressure.txt", ec);
    }
    if (outcome.curves) {
        const std::string path = folder + "/curves.las";
        int err = 0;
        if (!SaveCurves(path, CurveFileFormat::Las, *outcome.curves, outcome.depth, err)) {
            error = "Die Datei \"" + path + "\" kann nicht geschrieben werden.\n" + SystemErrorReason(err);
            return false;
        }
    }
    if (graphs.Available() && outcome.graphs) {
        if (!graphs.exportGraph(outcome.graphs->saturation, folder + "/saturation.svg", error)
            || !graphs.exportGraph(outcome.graphs->contact, folder + "/contact.svg", error))
            return false;
    }
    return true;
}

bool WriteFieldOutputs(const std::string& outDir, const std::vector<WellSummary>& rows, const FieldGraphExport& graphs,
    std::string& error, bool zones)
{
    if (!MakeFolder(outDir, error))
        return false;
    if (graphs.Available()) {
        const GraphPage chart = FieldChart(rows);
        for (const char* name : {"field.svg", "field.png", "field.pdf"})
            if (!graphs.exportPage(chart, outDir + "/" + name, error))
                return false;
    }
    if (!WriteText(outDir + "/netpay.csv", NetPayCsv(rows), error))
        return false;
    if (zones) {
        if (!WriteText(outDir + "/zones.csv", ZonesCsv(rows), error))
            return false;
    } else {
        // No zones of an earlier study with tops stay to be taken for this one's.
        std::error_code ec;
        std::filesystem::remove(outDir + "/zones.csv", ec);
    }
    return WriteText(outDir + "/summary.csv", SummaryCsv(rows), error);
}

} // namespace keldo
