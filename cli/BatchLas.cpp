#include "BatchLas.h"

#include "BatchRun.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "LasInfoJson.h"
#include "LasReader.h"

namespace keldo {
namespace {

int StatusOf(const WellDataError& error)
{
    return GroupOf(error.kind) == WellDataErrorGroup::UnreadableFile ? kBatchUnreadable : kBatchRefused;
}

} // namespace

int ImportLasMeasurements(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages)
{
    LasImportRequest request;
    request.lasFile = options.lasFile;
    request.depthCurve = options.depthCurve;
    request.porosityCurve = options.porosityCurve;
    request.swCurve = options.swCurve;
    request.surveyFile = options.surveyFile;
    request.elevation = options.elevation;
    LasImportResult result;
    WellDataError error;
    if (!ImportLas(request, result, error)) {
        messages << error.Message() << '\n';
        return StatusOf(error);
    }
    box.Show(SummaryMessage(result.rows));
    doc.m_Messwerte = std::move(result.rows.lines);
    if (!result.wellName.empty())
        doc.m_strBohrung = result.wellName;
    return kBatchCompleted;
}

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
