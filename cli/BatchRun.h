#pragma once
#include <ostream>
#include <string>

#include "BatchOptions.h"
#include "BatchCurves.h"
#include "BatchStatus.h"
#include "GraphPrimitives.h"

class CKeldoDoc;

namespace keldo {

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

// The document as keldo-batch computes it (PrepareWell with the options'
// inputs and settings). The messages of the import and the checks go
// through `box`; a file that stopped the preparation is named on `messages`.
// Returns kBatchCompleted when `doc` is ready to compute, else the exit
// status. With `permeability` and a LAS file, the Phi-K samples of its
// permeability curve are read into it as well.
// With `well`, Vsh at the lines (when the run wants curves) and the LAS
// file's depth frame go into it.
int PrepareBatchWell(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability = nullptr, BatchWellData* well = nullptr);

// Checks that the report, the graphs and the exports can be written and
// reads the tops, prepares the document (limited to the zone asked for),
// runs the fits the options ask for (their short report goes to `report`
// first), saves the document when asked, computes and writes the report
// (and the graphs), then the net-pay and zone blocks and the exports. Report lines go to `report` (unless the options
// name a report file), messages to `messages`.
int RunBatch(
    const BatchOptions& options, std::ostream& report, std::ostream& messages, const GraphExporter& graphs = {});

} // namespace keldo
