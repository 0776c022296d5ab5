#include "LasImport.h"

#include "CurveChoice.h"
#include "LasReader.h"
#include "SurveyReader.h"

namespace keldo {

bool ImportLas(const LasImportRequest& request, LasImportResult& result, WellDataError& error)
{
    result = LasImportResult{};
    std::optional<WellPath> survey;
    if (!request.surveyFile.empty()) {
        std::vector<SurveyStation> stations;
        if (!ReadSurveyFile(request.surveyFile, stations, error))
            return false;
        survey.emplace(stations);
    }

    // The header first: a wrong curve name is reported before the data are read.
    LasHeader header;
    if (!ReadLasHeaderFile(request.lasFile, header, error))
        return false;
    error.file = request.lasFile;
    error.survey = false;
    CurveChoice& c = result.curves;
    if (!ResolveCurve(header.curves, request.depthCurve, CurveRole::Depth, c.depth, error)
        || !ResolveCurve(header.curves, request.porosityCurve, CurveRole::Porosity, c.porosity, error)
        || !ResolveCurve(header.curves, request.swCurve, CurveRole::WaterSaturation, c.sw, error))
        return false;
    for (const auto& name : request.extraCurves) {
        size_t index = 0;
        if (name.empty())
            continue;
        if (!ResolveCurve(header.curves, name, CurveRole::Other, index, error))
            return false;
        result.extraCurves.push_back(index);
    }

    std::vector<size_t> kept{c.depth, c.porosity, c.sw};
    kept.insert(kept.end(), result.extraCurves.begin(), result.extraCurves.end());
    if (!ReadLasFile(request.lasFile, KeepCurves(kept), result.log, error))
        return false;

    result.wellName = WellName(result.log.header);
    std::string elevationNote;
    if (request.elevation) {
        result.elevation = *request.elevation;
    } else if (const auto fromHeader = ElevationFromHeader(result.log.header)) {
        result.elevation = *fromHeader;
    } else {
        elevationNote = kNoElevationNote;
    }

    RowSettings settings;
    settings.curves = c;
    settings.survey = survey ? &*survey : nullptr;
    settings.elevation = result.elevation;
    result.rows = DeriveMeasurementRows(result.log, settings);
    if (!elevationNote.empty())
        result.rows.notes.push_back(elevationNote);
    if (result.rows.counts.kept == 0) {
        error.kind = WellDataErrorKind::NoUsableRow;
        error.line = 0;
        error.curve.reset();
        error.detail = "Keine Zeile ist verwertbar. " + SummaryMessage(result.rows);
        return false;
    }
    result.survey = std::move(survey);
    return true;
}

} // namespace keldo
