#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "WellInputs.h"

// The wells of a field study, as the field file lists them (or as the user
// puts them together in the program): each well either a document of its
// own or a LAS file computed with the model of the study's template.
namespace keldo {

// The columns of a row, in the order of FieldColumnName (FieldFile.h).
enum class FieldColumn {
    Well,
    Document,
    Las,
    Survey,
    Elevation,
    DepthCurve,
    PorosityCurve,
    SwCurve,
    Contact,
    Cutoff,
    Pressure,
    ShaleCurve
};
inline constexpr int kFieldColumnCount = 12;

struct FieldWell {
    int line = 0;     // line of the field file (1-based); 0 for a well not read from a file
    std::string name; // shown everywhere

    // The well's files as keldo-batch takes them: exactly one of document
    // and lasFile; survey, elevation and curves only with a LAS file, whose
    // model is the study's template. Paths as they are opened (relative
    // paths of the field file are already joined to its folder). The
    // shale-volume curve (inputs.shaleCurve) only with a LAS file; empty:
    // the import's suggestion.
    WellInputs inputs;

    // The well's formation-pressure file, as opened; empty: none. Its
    // free-water level goes beside the well's results, never into them.
    std::string pressureFile;

    std::optional<float> contact; // m TVD; replaces the document's assumed contact
    std::optional<float> cutoff;  // fraction; else the study's cut-off

    // Why the row cannot be computed, one German message each, naming line
    // and column; empty when the row is fine.
    std::vector<std::string> errors;

    // The texts of the row's cells as written (paths not yet joined to the
    // field file's folder), by FieldColumn; empty for an empty cell.
    std::array<std::string, kFieldColumnCount> cells;
};

struct FieldStudy {
    std::string path; // the field file; empty when put together in the program
    std::vector<FieldWell> wells;
};

} // namespace keldo
