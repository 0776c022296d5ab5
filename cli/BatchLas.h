#pragma once
#include <ostream>

#include "BatchOptions.h"

// keldo-batch's --las-info: the header of a LAS file as JSON.
namespace keldo {

// Writes the header and curve statistics of options.lasInfoFile as JSON to
// `out`. Returns the exit status.
int PrintLasInfo(const BatchOptions& options, std::ostream& out, std::ostream& messages);

} // namespace keldo
