#pragma once
#include <ostream>

#include "BatchOptions.h"

namespace keldo {

// Exit statuses of keldo-batch.
enum BatchStatus {
    kBatchCompleted = 0,
    kBatchUnreadable = 1, // document (or another file) cannot be read or written
    kBatchRefused = 2,    // usage error or inputs refused
    kBatchStopped = 3,    // the computation stopped early
};

// Checks that the report and the graph can be written, loads the document,
// applies the options, checks the inputs as the input dialog does, computes
// and writes the report. Report lines go to `report`
// (unless the options name a report file), messages to `messages`.
int RunBatch(const BatchOptions& options, std::ostream& report, std::ostream& messages);

} // namespace keldo
