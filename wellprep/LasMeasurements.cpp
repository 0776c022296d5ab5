#include "LasMeasurements.h"

#include "CurveChoice.h"
#include "CurveUnits.h"
#include "DocumentFits.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "LasReader.h"

namespace keldo {
namespace {

// The mnemonics of the permeability curve and of the shale curve, as far as
// they are asked for: the ones named, or the suggestions. The header is read
// for them before the import reads the whole file. An empty shale mnemonic:
// no shale curve.
bool ExtraCurves(const WellInputs& inputs, bool permeability, bool shale, std::string& permeabilityMnemonic,
    std::string& shaleMnemonic, WellDataError& error)
{
    LasHeader header;
    if (!ReadLasHeaderFile(inputs.lasFile, header, error))
        return false;
    size_t index = 0;
    if (permeability) {
        if (!ResolveCurve(header.curves, inputs.permeabilityCurve, CurveRole::Permeability, index, error)) {
            error.file = inputs.lasFile;
            return false;
        }
        permeabilityMnemonic = header.curves[index].mnemonic;
    }
    if (shale) {
        bool named = false;
        if (ShaleCurve(header.curves, inputs.shaleCurve, index, named, error))
            shaleMnemonic = header.curves[index].mnemonic;
        else if (named) {
            error.file = inputs.lasFile;
            return false;
        }
    }
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

bool ShaleCurve(const std::vector<LasHeaderItem>& curves, const std::string& name, size_t& index, bool& named,
    WellDataError& error)
{
    named = !name.empty();
    if (named)
        return ResolveCurve(curves, name, CurveRole::Shale, index, error);
    const std::optional<size_t> suggestion = SuggestCurve(curves, CurveRole::Shale);
    if (!suggestion)
        return false;
    index = *suggestion;
    return true;
}

bool ImportLasMeasurements(const WellInputs& inputs, CKeldoDoc& doc, IMessageBox& box, WellDataError& error,
    LasPermeability* permeability, std::optional<ShaleVolume>* shale, LasDepthFrame* depth)
{
    LasImportRequest request;
    request.lasFile = inputs.lasFile;
    request.depthCurve = inputs.depthCurve;
    request.porosityCurve = inputs.porosityCurve;
    request.swCurve = inputs.swCurve;
    request.surveyFile = inputs.surveyFile;
    request.elevation = inputs.elevation;
    std::string permeabilityMnemonic, shaleMnemonic;
    if ((permeability || shale)
        && !ExtraCurves(inputs, permeability != nullptr, shale != nullptr, permeabilityMnemonic, shaleMnemonic, error))
        return false;
    // Empty names are skipped: the extra curves come back in this order.
    request.extraCurves = {permeabilityMnemonic, shaleMnemonic};
    LasImportResult result;
    if (!ImportLas(request, result, error))
        return false;
    box.Show(SummaryMessage(result.rows));
    size_t extra = 0;
    if (permeability)
        *permeability = PermeabilityAtRows(result.log, result.extraCurves[extra++], result.rows, inputs.lasFile, box);
    if (shale) {
        shale->reset();
        if (!shaleMnemonic.empty()) {
            *shale = ShaleVolume{shaleMnemonic,
                ShaleAtLines(result.log, result.extraCurves[extra], result.rows, result.rows.lines.size())};
        }
    }
    if (depth) {
        depth->measuredDepthIndex
            = DepthKindOf(result.log.header.curves[result.curves.depth].mnemonic) == DepthKind::Measured;
        depth->survey = std::move(result.survey);
        depth->elevation = result.elevation;
    }
    doc.m_Messwerte = std::move(result.rows.lines);
    doc.m_depthsBelowSeaLevel = result.rows.belowSeaLevel;
    // The document's shale values belong to its lines: the new ones, or none.
    doc.m_shaleVolumes = shale && *shale ? (*shale)->values : std::vector<double>{};
    if (!result.wellName.empty())
        doc.m_strBohrung = result.wellName;
    return true;
}

} // namespace keldo
