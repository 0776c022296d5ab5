#pragma once
#include <optional>
#include <string>
#include <vector>

#include "LasLog.h"
#include "MeasurementRows.h"
#include "WellDataError.h"
#include "WellPath.h"

// A LAS file (and optionally a survey) to measurement lines in one call, as
// keldo-batch and a study of many wells need it: names in, lines and counts
// out. Each call has its own state, so wells may be imported in parallel.
namespace keldo {

struct LasImportRequest {
    std::string lasFile;
    std::string depthCurve;               // empty: the index curve
    std::string porosityCurve;            // empty: the suggestion (SuggestCurve)
    std::string swCurve;                  // empty: the suggestion
    std::vector<std::string> extraCurves; // more curves to keep, e.g. a permeability curve; empty names are skipped
    std::string surveyFile;               // empty: no survey
    // m above sea level of the depth reference; nothing: from the well header
    // (ElevationFromHeader), 0 with a note when the header holds none.
    std::optional<double> elevation;
};

struct LasImportResult {
    LasLog log;                      // the header, the statistics and the kept curves' values
    CurveChoice curves;              // the curves used
    std::vector<size_t> extraCurves; // the indices of the extra curves, in request order
    double elevation = 0;
    std::string wellName; // ~W WELL
    MeasurementRows rows; // the lines, the LAS row of each, the counts, the notes
    std::optional<WellPath> survey; // the one the rows went through, if any
};

// Reads the survey (if any), the header, resolves the curves, reads the
// values and derives the rows. Errors: those of the readers, UnknownCurve,
// NoSuggestion, and NoUsableRow when no row is kept (its detail is the
// summary). Use GroupOf(error.kind) for the exit status.
bool ImportLas(const LasImportRequest& request, LasImportResult& result, WellDataError& error);

} // namespace keldo
