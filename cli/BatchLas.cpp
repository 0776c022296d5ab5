#include "BatchLas.h"

#include "BatchStatus.h"
#include "LasInfoJson.h"
#include "LasReader.h"

namespace keldo {

int PrintLasInfo(const BatchOptions& options, std::ostream& out, std::ostream& messages)
{
    LasLog log;
    WellDataError error;
    if (!ReadLasFile(options.lasInfoFile, KeptCurves{}, log, error)) {
        messages << error.Message() << '\n';
        return StatusOf(error);
    }
    out << LasInfoJson(log) << std::flush;
    if (!out) {
        messages << "Die Ausgabe kann nicht geschrieben werden.\n";
        return kBatchUnreadable;
    }
    return kBatchCompleted;
}

} // namespace keldo
