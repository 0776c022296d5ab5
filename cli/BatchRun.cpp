#include "BatchRun.h"

#include "BatchFit.h"
#include "BatchLas.h"
#include "BatchOutputs.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "StreamMessageBox.h"
#include "WellPreparation.h"

namespace keldo {
namespace {

// The words for a preparation that stopped on a file; the import and the
// checks have said theirs through the message box.
void PrintFailure(const WellPreparation& preparation, std::ostream& messages)
{
    switch (preparation.status) {
    case PreparationStatus::DocumentUnreadable:
    case PreparationStatus::ModelUnreadable:
        messages << preparation.file.Message() << '\n';
        break;
    case PreparationStatus::WellDataUnusable:
        messages << preparation.wellData.Message() << '\n';
        break;
    case PreparationStatus::ModelMissing:
        messages << "kein Dokument angegeben\n";
        break;
    case PreparationStatus::Prepared:
    case PreparationStatus::MeasurementsRefused:
    case PreparationStatus::InputsRefused:
        break;
    }
}

} // namespace

int PrepareBatchWell(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability, BatchWellData* well)
{
    WellPreparation preparation = PrepareWell({.inputs = options.inputs,
                                                  .settings = options.settings,
                                                  .permeabilityPairs = permeability != nullptr,
                                                  .shaleVolume = well && options.WantsCurves(),
                                                  .phiKFitFollows = options.fitPhiK},
        doc, box);
    PrintFailure(preparation, messages);
    if (permeability)
        *permeability = std::move(preparation.permeability);
    if (well) {
        well->shale = std::move(preparation.shale);
        well->lasDepth = std::move(preparation.lasDepth);
    }
    return StatusOf(preparation);
}

int RunBatch(const BatchOptions& options, std::ostream& report, std::ostream& messages, const GraphExporter& graphs)
{
    if (!options.lasInfoFile.empty())
        return PrintLasInfo(options, report, messages);
    if (const int status = CheckOutputs(options, graphs, messages); status != kBatchCompleted)
        return status;
    std::vector<FormationTop> tops;
    if (const int status = ReadBatchTops(options, tops, messages); status != kBatchCompleted)
        return status;

    StreamMessageBox box(messages);
    CKeldoDoc doc(box);
    // A Phi-K fit without a core table takes its pairs from the LAS file.
    LasPermeability lasPermeability;
    const bool pairsFromLas = options.fitPhiK && options.coreFile.empty() && !options.inputs.lasFile.empty();
    BatchWellData well;
    if (const int status
        = PrepareBatchWell(options, doc, box, messages, pairsFromLas ? &lasPermeability : nullptr, &well);
        status != kBatchCompleted)
        return status;
    WellZones zones;
    if (const int status = SelectBatchZones(options, tops, well, doc, zones, messages); status != kBatchCompleted)
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
    if (const int status = WriteBatchCurves(options, doc, well, zones, report, messages); status != kBatchCompleted)
        return status;
    return doc.LastRunCompleted() ? kBatchCompleted : kBatchStopped;
}

} // namespace keldo
