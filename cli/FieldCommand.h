#pragma once
#include <ostream>

#include "FieldOptions.h"
#include "FieldOutputs.h"

namespace keldo {

// Exit statuses of keldo-field.
enum FieldExitStatus {
    kFieldCompleted = 0,  // every well completed
    kFieldUnreadable = 1, // a well or its pressure file could not be used (or an output not written)
    kFieldBadInput = 2,   // usage error, a field file or template that cannot be used, an output over an input,
                          // an output folder that cannot take the study
    kFieldStopped = 3,    // a run of a well stopped early
};

// keldo-field without its main: reads the field file, refuses an output
// folder where an output would overwrite an input (FindStudyClash), reads
// the template and the tops file (kFieldBadInput when either cannot be
// used), checks and locks the output folder (StudyWriter), computes every
// well (RunField), writes each well's folder as soon as it is finished and
// the study's files (summary, net pay, zones, field chart) at the end, puts
// the study in the output folder's place, and writes one progress line per
// finished well and a closing line to `progress`.
// Returns the exit status.
int RunFieldCommand(const FieldOptions& options, std::ostream& progress, const FieldGraphExport& graphs = {});

} // namespace keldo
