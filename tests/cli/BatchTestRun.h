#pragma once
#include <sstream>
#include <string>

#include "BatchRun.h"
#include "WellDataTestFiles.h"
#ifdef KELDO_GRAPH_EXPORT
#include "QtGraphExporter.h"
#endif

// keldo-batch's run in the test process: what it writes and returns.
struct Outcome {
    int status;
    std::string report;
    std::string messages;
};

inline Outcome RunTool(const keldo::BatchOptions& options)
{
    std::ostringstream report, messages;
#ifdef KELDO_GRAPH_EXPORT
    const int status = keldo::RunBatch(options, report, messages, keldo::QtGraphExporter());
#else
    const int status = keldo::RunBatch(options, report, messages);
#endif
    return {status, report.str(), messages.str()};
}
