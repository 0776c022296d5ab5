#pragma once
#include <ostream>

#include "BatchFit.h"
#include "BatchOptions.h"
#include "BatchRun.h"

class CKeldoDoc;

namespace keldo {

// Before anything is computed: the report file and the graphs (that of the
// computation and those of the fits) that the options name can be written,
// so that no computation is started whose result would be lost. Returns
// kBatchCompleted when they can, else the exit status (a graph name of no
// known format: kBatchRefused; a missing or read-only folder, a folder in
// the file's place: kBatchUnreadable) after writing the message to
// `messages`.
int CheckOutputs(const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

// Writes the report lines to options.reportFile, or to `report` when the
// options name none. False after a failure, whose message goes to `messages`.
bool WriteReportOutput(const CKeldoDoc& doc, const BatchOptions& options, std::ostream& report, std::ostream& messages);

// Saves the graph into options.graphFile. False after a failure, whose
// message goes to `messages`.
bool WriteGraphOutput(CKeldoDoc& doc, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

// Saves the graphs of the fits into the files of FitGraphFiles, Phi-K first,
// the pressure graph last.
// True when there is nothing to save. False after a failure, whose message
// goes to `messages`.
bool WriteFitGraphs(
    const BatchFitPages& pages, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

} // namespace keldo
