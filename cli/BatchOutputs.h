#pragma once
#include <optional>
#include <ostream>
#include <string>

#include "BatchFit.h"
#include "BatchOptions.h"
#include "BatchRun.h"

class CKeldoDoc;

namespace keldo {

// An output that names an input file or another output: the roles are the
// options ("--report", "--las"; "Dokument" for the document).
struct FileClash {
    const char* output;
    std::string outputPath;
    const char* other;
    std::string otherPath;
    bool otherIsInput;
};

// The first output of `options` that is the same file (FileIdentity.h) as an
// input or as an output before it; nothing when every output is a file of
// its own.
std::optional<FileClash> FindFileClash(const BatchOptions& options);

std::string ClashMessage(const FileClash& clash);

// Before anything is read or computed: no output names an input or another
// output (else kBatchRefused); the report file, the graphs (that of the
// computation and those of the fits) and the exports that the options name
// can be written,
// so that no computation is started whose result would be lost. Returns
// kBatchCompleted when they can, else the exit status (a graph name of no
// known format, a clash: kBatchRefused; a missing or read-only folder, a
// folder in the file's place: kBatchUnreadable) after writing the message to
// `messages`.
int CheckOutputs(const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

// Writes the report lines to options.reportFile, or to `report` when the
// options name none. False after a failure, whose message goes to `messages`.
bool WriteReportOutput(const CKeldoDoc& doc, const BatchOptions& options, std::ostream& report, std::ostream& messages);

// Saves the graph into options.graphFile. False after a failure, whose
// message goes to `messages`.
bool WriteGraphOutput(CKeldoDoc& doc, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

// Saves the graphs of the fits into the files of FitGraphFiles, in their order.
// True when there is nothing to save. False after a failure, whose message
// goes to `messages`.
bool WriteFitGraphs(
    const BatchFitPages& pages, const BatchOptions& options, const GraphExporter& graphs, std::ostream& messages);

} // namespace keldo
