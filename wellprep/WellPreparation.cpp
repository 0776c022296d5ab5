#include "WellPreparation.h"

#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"

namespace keldo {
namespace {

// The settings that the user would make in the input dialog before OK.
void ApplySettings(const WellSettings& settings, CKeldoDoc& doc)
{
    doc.m_nModus = settings.modus;
    doc.m_fCutoff = settings.cutoff;
    doc.m_bDetail = settings.detail ? 1 : 0;
    doc.m_bWarnungen = settings.warnungen ? 1 : 0;
    doc.m_bDruckabhaengig = settings.druckabhaengig ? 1 : 0;

    // Without a window the dialog shows the depths of the first and last
    // measurement line, smaller first.
    float minTeufe = 0, maxTeufe = 0;
    DepthWindowFromLines(doc.m_Messwerte, minTeufe, maxTeufe);
    doc.m_fMinTeufe = settings.minTeufe.value_or(minTeufe);
    doc.m_fMaxTeufe = settings.maxTeufe.value_or(maxTeufe);
}

// The document or the model into `doc`.
WellPreparation LoadModel(const WellRequest& request, CKeldoDoc& doc)
{
    WellPreparation result;
    if (!request.inputs.document.empty()) {
        result.file = LoadDocument(request.inputs.document, doc);
        if (!result.file)
            result.status = PreparationStatus::DocumentUnreadable;
    } else if (!request.model) {
        result.status = PreparationStatus::ModelMissing;
    } else {
        result.file = ApplyTemplate(*request.model, doc);
        if (!result.file)
            result.status = PreparationStatus::ModelUnreadable;
    }
    return result;
}

} // namespace

WellPreparation PrepareWell(const WellRequest& request, CKeldoDoc& doc, IMessageBox& box)
{
    WellPreparation result = LoadModel(request, doc);
    if (!result.Prepared())
        return result;

    const WellInputs& inputs = request.inputs;
    if (!inputs.lasFile.empty()) {
        LasPermeability* permeability = request.permeabilityPairs ? &result.permeability : nullptr;
        std::optional<ShaleVolume>* shale = request.shaleVolume ? &result.shale : nullptr;
        result.lasDepth.emplace();
        if (!ImportLasMeasurements(inputs, doc, box, result.wellData, permeability, shale, &*result.lasDepth)) {
            result.status = PreparationStatus::WellDataUnusable;
            return result;
        }
    } else if (!inputs.measurementsFile.empty()) {
        std::vector<std::string> lines;
        if (!ImportMeasurementFile(inputs.measurementsFile, inputs.descending, box, lines)) {
            result.status = PreparationStatus::MeasurementsRefused;
            return result;
        }
        // As after OK in the dialog: an empty list keeps the document's lines.
        if (!lines.empty()) {
            doc.m_Messwerte = std::move(lines);
            doc.m_depthsBelowSeaLevel = false;
            doc.m_shaleVolumes.clear();
        }
    }

    ApplySettings(request.settings, doc);
    result.refusal = CheckInputFields(doc, box, request.phiKFitFollows);
    if (result.refusal.Refused())
        result.status = PreparationStatus::InputsRefused;
    return result;
}

} // namespace keldo
