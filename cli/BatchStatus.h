#pragma once
#include "CoreTable.h"
#include "WellDataError.h"
#include "WellPreparation.h"

// The exit statuses of keldo-batch, decided by the kind of each failure,
// never by the wording of its message.
namespace keldo {

enum BatchStatus {
    kBatchCompleted = 0,
    kBatchUnreadable = 1, // document (or another file) cannot be read or written
    kBatchRefused = 2,    // usage error or inputs refused
    kBatchStopped = 3,    // the computation stopped early
};

// After the preparation of the document: kBatchCompleted when it is ready.
int StatusOf(const WellPreparation& preparation);

// A LAS file or a survey that cannot be used: unreadable as it is, or read
// but giving nothing to compute with.
int StatusOf(const WellDataError& error);

// A core table that cannot be opened is unreadable; one that is too large
// or has a bad line is refused input.
int StatusOf(const CoreTableError& error);

} // namespace keldo
