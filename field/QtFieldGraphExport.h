#pragma once
#include "FieldOutputs.h"
#include "GraphExport.h"
#include "PageExport.h"

namespace keldo {

// The graph and page export of the desktop program, for the field study's
// front ends built with Qt.
inline FieldGraphExport QtFieldGraphExport() { return {&ExportGraph, &ExportPage}; }

} // namespace keldo
