#include "BatchRun.h"

#include <fstream>

#include "DocumentFile.h"
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
        std::ofstream file(options.reportFile, std::ios::binary | std::ios::trunc);
        if (!file || !WriteReport(doc, file)) {
            messages << "Der Bericht kann nicht in die Datei " << options.reportFile << " geschrieben werden.\n";
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
    return doc.m_bGeaendert ? kBatchStopped : kBatchCompleted;
}

} // namespace keldo
