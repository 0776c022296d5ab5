#include "BatchLas.h"

#include "BatchRun.h"
#include "CurveChoice.h"
#include "CurveUnits.h"
#include "DocumentFits.h"
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

// The mnemonic of the permeability curve: the one named, or the suggestion.
// The header is read for it before the import reads the whole file.
bool PermeabilityCurve(const BatchOptions& options, std::string& mnemonic, WellDataError& error)
{
    LasHeader header;
    if (!ReadLasHeaderFile(options.lasFile, header, error))
        return false;
    size_t index = 0;
    if (!ResolveCurve(header.curves, options.permeabilityCurve, CurveRole::Permeability, index, error)) {
        error.file = options.lasFile;
        return false;
    }
    mnemonic = header.curves[index].mnemonic;
    return true;
}

void TakePermeability(
    const LasImportResult& result, const BatchOptions& options, IMessageBox& box, LasPermeability& permeability)
{
    const size_t curve = result.extraCurves.front();
    const LasHeaderItem& item = result.log.header.curves[curve];
    const UnitConversion unit = PermeabilityUnit(item.unit);
    if (!unit.known)
        box.Show(UnknownPermeabilityUnitMessage(item.unit, item.mnemonic));
    permeability.samples
        = PhiKSamplesAtLines(result.rows.lines, ValuesAtRows(result.log, curve, result.rows.rows, unit));
    permeability.source = LasPermeabilitySource(options.lasFile, item.mnemonic);
}

} // namespace

int ImportLasMeasurements(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability)
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
    if (permeability) {
        std::string mnemonic;
        if (!PermeabilityCurve(options, mnemonic, error)) {
            messages << error.Message() << '\n';
            return StatusOf(error);
        }
        request.extraCurves.push_back(mnemonic);
    }
    if (!ImportLas(request, result, error)) {
        messages << error.Message() << '\n';
        return StatusOf(error);
    }
    box.Show(SummaryMessage(result.rows));
    if (permeability)
        TakePermeability(result, options, box, *permeability);
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
