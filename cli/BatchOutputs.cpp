#include "BatchOutputs.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "BatchRun.h"
#include "FileAccess.h"
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
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        std::ofstream file(path, std::ios::binary);
        if (file && WriteReport(doc, file))
            return true;
        reason = SystemErrorReason(errno);
        return false;
    }
    std::ostringstream text;
    WriteReport(doc, text);
    int err = 0;
    if (ReplaceFile(path, text.str(), err))
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

int CheckOutputs(const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages)
{
    if (!options.graphFile.empty() && !IsKnownGraphName(options.graphFile, graphs.Available(), graphs, messages))
        return kBatchRefused;
    if (!options.fitGraphFile.empty()
        && !IsKnownGraphName(options.fitGraphFile, graphs.PagesAvailable(), graphs, messages))
        return kBatchRefused;
    int err = 0;
    if (!options.reportFile.empty() && !CanWriteFile(options.reportFile, err)) {
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
    std::vector<const GraphPage*> made;
    for (const std::optional<GraphPage>* page : {&pages.phiK, &pages.contact, &pages.pressure})
        if (*page)
            made.push_back(&**page);
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
