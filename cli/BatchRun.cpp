#include "BatchRun.h"

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <sstream>

#include "DocumentFile.h"
#include "FileAccess.h"
#include "InputChecks.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "StreamMessageBox.h"
#ifdef KELDO_GRAPH_EXPORT
#include "GraphExport.h"
#endif

namespace keldo {
namespace {

// The settings that the user would make in the input dialog before OK.
void ApplyOptions(const BatchOptions& options, CKeldoDoc& doc)
{
    doc.m_nModus = options.modus;
    doc.m_fCutoff = options.cutoff;
    doc.m_bDetail = options.detail ? 1 : 0;
    doc.m_bWarnungen = options.warnungen ? 1 : 0;
    doc.m_bDruckabhaengig = options.druckabhaengig ? 1 : 0;

    // Without a window the dialog shows the depths of the first and last
    // measurement line, smaller first.
    float minTeufe = 0, maxTeufe = 0;
    DepthWindowFromLines(doc.m_Messwerte, minTeufe, maxTeufe);
    doc.m_fMinTeufe = options.minTeufe.value_or(minTeufe);
    doc.m_fMaxTeufe = options.maxTeufe.value_or(maxTeufe);
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

} // namespace

int RunBatch(const BatchOptions& options, std::ostream& report, std::ostream& messages)
{
    StreamMessageBox box(messages);
    CKeldoDoc doc(box);
    std::string error;
    if (!LoadDocument(options.document, doc, error)) {
        messages << error << '\n';
        return kBatchUnreadable;
    }

    if (!options.measurementsFile.empty()) {
        std::vector<std::string> lines;
        if (!ImportMeasurementFile(options.measurementsFile, options.descending, box, lines))
            return kBatchRefused;
        // As after OK in the dialog: an empty list keeps the document's lines.
        if (!lines.empty())
            doc.m_Messwerte = std::move(lines);
    }

    ApplyOptions(options, doc);
    if (CheckInputs(doc, box) != 0)
        return kBatchRefused;

    doc.m_bGeaendert = 1;
    doc.Compute();

    if (options.reportFile.empty()) {
        if (!WriteReport(doc, report)) {
            messages << "Der Bericht kann nicht geschrieben werden.\n";
            return kBatchUnreadable;
        }
    } else {
        std::string reason;
        if (!WriteReportFile(doc, options.reportFile, reason)) {
            messages << "Der Bericht kann nicht in die Datei " << options.reportFile << " geschrieben werden.\n"
                     << reason << '\n';
            return kBatchUnreadable;
        }
    }

    if (!options.graphFile.empty()) {
#ifdef KELDO_GRAPH_EXPORT
        if (!ExportGraph(doc, options.graphFile, error)) {
            messages << error << '\n';
            return kBatchUnreadable;
        }
#else
        messages << "Diese Ausgabe von keldo-batch kann keine Grafik speichern.\n";
        return kBatchRefused;
#endif
    }
    return doc.LastRunCompleted() ? kBatchCompleted : kBatchStopped;
}

} // namespace keldo
