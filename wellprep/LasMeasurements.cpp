#include "LasMeasurements.h"

#include "CurveChoice.h"
#include "CurveUnits.h"
#include "DocumentFits.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "LasReader.h"

namespace keldo {
namespace {

// The mnemonic of the permeability curve: the one named, or the suggestion.
// The header is read for it before the import reads the whole file.
bool PermeabilityCurve(const WellInputs& inputs, std::string& mnemonic, WellDataError& error)
{
    LasHeader header;
    if (!ReadLasHeaderFile(inputs.lasFile, header, error))
        return false;
    size_t index = 0;
    if (!ResolveCurve(header.curves, inputs.permeabilityCurve, CurveRole::Permeability, index, error)) {
        error.file = inputs.lasFile;
        return false;
    }
    mnemonic = header.curves[index].mnemonic;
    return true;
}

} // namespace

LasPermeability PermeabilityAtRows(
    const LasLog& log, size_t curve, const MeasurementRows& rows, const std::string& lasFile, IMessageBox& box)
{
    const LasHeaderItem& item = log.header.curves[curve];
    const UnitConversion unit = PermeabilityUnit(item.unit);
    if (!unit.known)
        box.Show(UnknownPermeabilityUnitMessage(item.unit, item.mnemonic));
    LasPermeability permeability;
    permeability.samples = PhiKSamplesAtLines(rows.lines, ValuesAtRows(log, curve, rows.rows, unit));
    permeability.source = LasPermeabilitySource(lasFile, item.mnemonic);
    return permeability;
}

bool ImportLasMeasurements(
    const WellInputs& inputs, CKeldoDoc& doc, IMessageBox& box, WellDataError& error, LasPermeability* permeability)
{
    LasImportRequest request;
    request.lasFile = inputs.lasFile;
    request.depthCurve = inputs.depthCurve;
    request.porosityCurve = inputs.porosityCurve;
    request.swCurve = inputs.swCurve;
    request.surveyFile = inputs.surveyFile;
    request.elevation = inputs.elevation;
    if (permeability) {
        std::string mnemonic;
        if (!PermeabilityCurve(inputs, mnemonic, error))
            return false;
        request.extraCurves.push_back(mnemonic);
    }
    LasImportResult result;
    if (!ImportLas(request, result, error))
        return false;
    box.Show(SummaryMessage(result.rows));
    if (permeability)
        *permeability = PermeabilityAtRows(result.log, result.extraCurves.front(), result.rows, inputs.lasFile, box);
    doc.m_Messwerte = std::move(result.rows.lines);
    doc.m_depthsBelowSeaLevel = result.rows.belowSeaLevel;
    if (!result.wellName.empty())
        doc.m_strBohrung = result.wellName;
    return true;
}

} // namespace keldo
