#include "BatchRun.h"

#include "BatchFit.h"
#include "BatchLas.h"
#include "BatchOutputs.h"
#include "DocumentFile.h"
#include "InputChecks.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "StreamMessageBox.h"

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

} // namespace

int PrepareBatchDocument(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability)
{
    if (const FileResult loaded = LoadDocument(options.document, doc); !loaded) {
        messages << loaded.Message() << '\n';
        return kBatchUnreadable;
    }
    return PrepareLoadedBatchDocument(options, doc, box, messages, permeability);
}

int PrepareLoadedBatchDocument(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability)
{
    if (!options.lasFile.empty()) {
        if (const int status = ImportLasMeasurements(options, doc, box, messages, permeability);
            status != kBatchCompleted)
            return status;
    } else if (!options.measurementsFile.empty()) {
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
    return kBatchCompleted;
}

int RunBatch(const BatchOptions& options, std::ostream& report, std::ostream& messages, const GraphExporter& graphs)
{
    if (!options.lasInfoFile.empty())
        return PrintLasInfo(options, report, messages);
    if (const int status = CheckOutputs(options, graphs, messages); status != kBatchCompleted)
        return status;

    StreamMessageBox box(messages);
    CKeldoDoc doc(box);
    // A Phi-K fit without a core table takes its pairs from the LAS file.
    LasPermeability lasPermeability;
    const bool pairsFromLas = options.fitPhiK && options.coreFile.empty() && !options.lasFile.empty();
    if (const int status = PrepareBatchDocument(options, doc, box, messages, pairsFromLas ? &lasPermeability : nullptr);
        status != kBatchCompleted)
        return status;

    BatchFitPages fitPages;
    if (const int status
        = FitBatchDocument(options, pairsFromLas ? &lasPermeability : nullptr, doc, report, messages, fitPages);
        status != kBatchCompleted)
        return status;

    if (!options.saveAs.empty()) {
        if (const FileResult saved = SaveDocument(options.saveAs, doc); !saved) {
            messages << saved.Message() << '\n';
            return kBatchUnreadable;
        }
    }

    doc.m_bGeaendert = 1;
    doc.Compute();

    if (!WriteReportOutput(doc, options, report, messages))
        return kBatchUnreadable;
    if (!options.graphFile.empty()) {
        if (!WriteGraphOutput(doc, options, graphs, messages))
            return kBatchUnreadable;
    }
    if (!WriteFitGraphs(fitPages, options, graphs, messages))
        return kBatchUnreadable;
    return doc.LastRunCompleted() ? kBatchCompleted : kBatchStopped;
}

} // namespace keldo
