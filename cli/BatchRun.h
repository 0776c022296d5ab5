#pragma once
#include <ostream>
#include <string>

#include "BatchOptions.h"
#include "GraphPrimitives.h"

class CKeldoDoc;

namespace keldo {

// Exit statuses of keldo-batch.
enum BatchStatus {
    kBatchCompleted = 0,
    kBatchUnreadable = 1, // document (or another file) cannot be read or written
    kBatchRefused = 2,    // usage error or inputs refused
    kBatchStopped = 3,    // the computation stopped early
};

class IMessageBox;
struct LasPermeability;

// Saving the graphs needs Qt, which the batch library does without: the tool's
// main hands in these functions when it is built with the graph export.
// Without them --graph and --fit-graph are refused before anything is computed.
struct GraphExporter {
    bool (*isGraphFileName)(const std::string& path, std::string& error) = nullptr;
    bool (*exportGraph)(CKeldoDoc& doc, const std::string& path, std::string& error) = nullptr;
    // A page of its own, such as the graph of a fit.
    bool (*exportPage)(const GraphPage& page, const std::string& path, std::string& error) = nullptr;
    bool Available() const { return isGraphFileName && exportGraph; }
    bool PagesAvailable() const { return isGraphFileName && exportPage; }
};

// The document as keldo-batch computes it: loaded from options.document, its
// measurements replaced when the options name a measurement file, and the
// settings made that the user would make in the input dialog before OK (mode,
// depth window, cut-off, switches); then the inputs are checked as the dialog
// checks them. Returns kBatchCompleted when `doc` is ready to compute, else
// the exit status; every message goes through `box` or to `messages`. With
// `permeability` and a LAS file, the Phi-K samples of its permeability curve
// are read into it as well.
int PrepareBatchDocument(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability = nullptr);

// PrepareBatchDocument for a document that is already loaded: `doc` holds
// what LoadDocument reads from options.document (a study of many wells
// reads its model document once and gives every well a copy).
int PrepareLoadedBatchDocument(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability = nullptr);

// Checks that the report and the graphs can be written, prepares the
// document, runs the fits the options ask for (their short report goes to
// `report` first), saves the document when asked, computes and writes the
// report (and the graphs). Report lines go to `report` (unless the options
// name a report file), messages to `messages`.
int RunBatch(
    const BatchOptions& options, std::ostream& report, std::ostream& messages, const GraphExporter& graphs = {});

} // namespace keldo
