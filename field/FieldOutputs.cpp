#include "FieldOutputs.h"

#include <cerrno>
#include <filesystem>

#include "FieldChart.h"
#include "FileAccess.h"
#include "SummaryTable.h"

namespace keldo {
namespace {

const char* const kWellFiles[] = {"saturation.txt", "contact.txt", "saturation.svg", "contact.svg"};

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

} // namespace

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
    if (!MakeFolder(folder, error) || !WriteText(folder + "/messages.txt", Lines(outcome.messages), error))
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
    if (graphs.Available() && outcome.graphs) {
        if (!graphs.exportGraph(outcome.graphs->saturation, folder + "/saturation.svg", error)
            || !graphs.exportGraph(outcome.graphs->contact, folder + "/contact.svg", error))
            return false;
    }
    return true;
}

bool WriteFieldOutputs(
    const std::string& outDir, const std::vector<WellSummary>& rows, const FieldGraphExport& graphs, std::string& error)
{
    if (!MakeFolder(outDir, error) || !WriteText(outDir + "/summary.csv", SummaryCsv(rows), error))
        return false;
    if (!graphs.Available())
        return true;
    const GraphPage chart = FieldChart(rows);
    for (const char* name : {"field.svg", "field.png", "field.pdf"})
        if (!graphs.exportPage(chart, outDir + "/" + name, error))
            return false;
    return true;
}

} // namespace keldo
