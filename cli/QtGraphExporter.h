#pragma once
#include "BatchRun.h"
#include "GraphExport.h"

namespace keldo {

// The graph export of the desktop program, for a keldo-batch built with Qt.
inline GraphExporter QtGraphExporter() { return {&IsGraphFileName, &ExportGraph, &ExportPage}; }

} // namespace keldo
