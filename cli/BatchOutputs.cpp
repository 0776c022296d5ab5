#include "BatchOutputs.h"

#include <sstream>

#include "BatchCurves.h"
#include "BatchRun.h"
#include "FileAccess.h"
#include "FileIdentity.h"
#include "KeldoDoc.h"

namespace keldo {
namespace {

const char* const kNoGraphExport = "Diese Ausgabe von keldo-batch kann keine Grafik speichern.\n";

void GraphFileFailure(const std::string& path, const std::string& reason, std::ostream& messages)
{
    messages << "Die Grafik kann nicht in die Datei " << path << " geschrieben werden.\n" << reason << '\n';
}

void ReportFileFailure(const std::string& path, const std::string& reason, std::ostream& messages)
{
    messages << "Der Bericht kann nicht in die Datei " << path << " geschrieben werden.\n" << reason << '\n';
}

bool WriteReport(const CKeldoDoc& doc, std::ostream& out)
{
    for (const std::string& line : doc.m_Ergebnisse)
        out << line << '\n';
    out.flush();
    return static_cast<bool>(out);
}

// A report file replaces an earlier one only when it is complete; a device or
// pipe (such as /dev/stdout) is written directly.
bool WriteReportFile(const CKeldoDoc& doc, const std::string& path, std::string& reason)
{
    std::ostringstream text;
    WriteReport(doc, text);
    int err = 0;
    if (ReplaceFile(path, text.str(), err, StreamTarget::WriteThrough))
        return true;
    reason = SystemErrorReason(err);
    return false;
}

// A graph name that this keldo-batch can save (`exportable`: the export for
// it was handed in), with the extension of a known format.
bool IsKnownGraphName(const std::string& file, bool exportable, const GraphExporter& graphs, std::ostream& messages)
{
    if (!exportable) {
        messages << kNoGraphExport;
        return false;
    }
    std::string error;
    if (!graphs.isGraphFileName(file, error)) {
        messages << error << '\n';
        return false;
    }
    return true;
}

} // namespace

std::optional<FileClash> FindFileClash(const BatchOptions& options)
{
    struct Named {
        const char* role;
        const std::string& path;
        FileIdentity id;
    };
    std::vector<Named> inputs, outputs;
    const auto add = [](std::vector<Named>& list, const char* role, const std::string& path) {
        if (!path.empty())
            list.push_back({role, path, IdentifyFile(path)});
    };
    add(inputs, "Dokument", options.inputs.document);
    add(inputs, "--measurements", options.inputs.measurementsFile);
    add(inputs, "--las", options.inputs.lasFile);
    add(inputs, "--survey", options.inputs.surveyFile);
    add(inputs, "--core", options.coreFile);
    add(inputs, "--tops", options.topsFile);
    add(inputs, "--fit-pc", options.pcFile);
    add(inputs, "--fit-pressure", options.pressureFile);
    add(outputs, "--report", options.reportFile);
    add(outputs, "--save-as", options.saveAs);
    add(outputs, "--graph", options.graphFile);
    add(outputs, "--export-las", options.exportLas);
    add(outputs, "--export-csv", options.exportCsv);
    const std::vector<std::string> fitGraphs = FitGraphFiles(options);
    for (const std::string& file : fitGraphs)
        add(outputs, "--fit-graph", file);
    for (size_t o = 0; o < outputs.size(); ++o) {
        // A report into a device or pipe (/dev/stdout) overwrites no file.
        if (outputs[o].id.exists && !outputs[o].id.regular)
            continue;
        for (const Named& input : inputs)
            if (SameFile(outputs[o].id, input.id))
                return FileClash{outputs[o].role, outputs[o].path, input.role, input.path, true};
        for (size_t other = 0; other < o; ++other)
            if (SameFile(outputs[o].id, outputs[other].id))
                return FileClash{outputs[other].role, outputs[other].path, outputs[o].role, outputs[o].path, false};
    }
    return std::nullopt;
}

std::string ClashMessage(const FileClash& clash)
{
    if (clash.otherIsInput)
        return std::string(clash.output) + " \"" + clash.outputPath + "\" würde die Eingabedatei \"" + clash.otherPath
            + "\" (" + clash.other + ") überschreiben; bitte eine andere Ausgabedatei nennen.";
    return std::string(clash.output) + " \"" + clash.outputPath + "\" und " + clash.other + " \"" + clash.otherPath
        + "\" nennen dieselbe Datei; bitte verschiedene Ausgabedateien nennen.";
}

int CheckOutputs(const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages)
{
    if (!options.graphFile.empty() && !IsKnownGraphName(options.graphFile, graphs.Available(), graphs, messages))
        return kBatchRefused;
    if (!options.fitGraphFile.empty()
        && !IsKnownGraphName(options.fitGraphFile, graphs.PagesAvailable(), graphs, messages))
        return kBatchRefused;
    if (const std::optional<FileClash> clash = FindFileClash(options)) {
        messages << ClashMessage(*clash) << '\n';
        return kBatchRefused;
    }
    int err = 0;
    if (!options.reportFile.empty() && !CanWriteFile(options.reportFile, err, StreamTarget::WriteThrough)) {
        ReportFileFailure(options.reportFile, SystemErrorReason(err), messages);
        return kBatchUnreadable;
    }
    if (!options.saveAs.empty() && !CanWriteFile(options.saveAs, err)) {
        messages << "Das Dokument \"" << options.saveAs << "\" kann nicht gespeichert werden.\n"
                 << SystemErrorReason(err) << '\n';
        return kBatchUnreadable;
    }
    if (!options.graphFile.empty() && !CanWriteFile(options.graphFile, err)) {
        GraphFileFailure(options.graphFile, SystemErrorReason(err), messages);
        return kBatchUnreadable;
    }
    for (const std::string& file : FitGraphFiles(options)) {
        if (!CanWriteFile(file, err)) {
            GraphFileFailure(file, SystemErrorReason(err), messages);
            return kBatchUnreadable;
        }
    }
    for (const std::string* file : {&options.exportLas, &options.exportCsv}) {
        if (!file->empty() && !CanWriteFile(*file, err)) {
            messages << CurvesFileFailure(*file, err) << '\n';
            return kBatchUnreadable;
        }
    }
    return kBatchCompleted;
}

bool WriteReportOutput(const CKeldoDoc& doc, const BatchOptions& options, std::ostream& report, std::ostream& messages)
{
    if (options.reportFile.empty()) {
        if (WriteReport(doc, report))
            return true;
        messages << "Der Bericht kann nicht geschrieben werden.\n";
        return false;
    }
    std::string reason;
    if (WriteReportFile(doc, options.reportFile, reason))
        return true;
    ReportFileFailure(options.reportFile, reason, messages);
    return false;
}

bool WriteGraphOutput(CKeldoDoc& doc, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages)
{
    if (!graphs.Available()) {
        messages << kNoGraphExport; // CheckOutputs has said so before computing
        return false;
    }
    std::string error;
    if (graphs.exportGraph(doc, options.graphFile, error))
        return true;
    messages << error << '\n';
    return false;
}

bool WriteFitGraphs(
    const BatchFitPages& pages, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages)
{
    const std::vector<std::string> files = FitGraphFiles(options);
    const std::vector<const GraphPage*> made = FitGraphPages(pages);
    for (size_t i = 0; i < files.size() && i < made.size(); ++i) {
        if (!graphs.PagesAvailable()) {
            messages << kNoGraphExport; // CheckOutputs has said so before computing
            return false;
        }
        std::string error;
        if (!graphs.exportPage(*made[i], files[i], error)) {
            messages << error << '\n';
            return false;
        }
    }
    return true;
}

} // namespace keldo
