#pragma once
#include <optional>
#include <string>
#include <vector>

#include "FreeWaterLevel.h"
#include "GraphPrimitives.h"
#include "KeldoInputs.h"
#include "PressureFile.h"

// One well's pressure evaluation from its pressure file and its document's
// inputs, as keldo-batch, the fit dialog and a field study run it: the file
// read for the document's well, the free-water level fitted for the
// document's fluid, then the block and the graph page.
namespace keldo {

struct PressureEvaluation {
    std::string file;                         // as the block and the messages name it
    std::optional<PressureFileError> failure; // the file could not be used
    PressureTable table;
    FreeWaterLevel level;
    // The level, as the contact takes it, is not below 0 m: the input checks
    // would refuse it as the document's contact.
    bool levelNotPositive = false;

    bool ok() const { return !failure && level.ok() && !levelNotPositive; }
    // The file could not be read at all (rather than read and refused).
    bool Unreadable() const { return failure && failure->kind == PressureFileErrorKind::CannotRead; }
    // Why there is no level: the file's or the level's one message; empty when ok.
    std::string Message() const;
};

// Reads `path` (named `file` in the block and the messages) for the well of
// `inputs` and fits the free-water level for its fluid.
PressureEvaluation EvaluatePressureFile(const std::string& path, const std::string& file, const CKeldoInputs& inputs);

// The level as the block prints it (to 0.01 m), as the document's contact
// takes it over: what the user reads is what the document gets.
float LevelAsContact(const FreeWaterLevel& level);

// The block (PressureReport) and the page (PressureDepthGraph) of an
// evaluation that was read; `logContact` the contact of the log fit.
std::vector<std::string> PressureEvaluationReport(
    const PressureEvaluation& evaluation, const CKeldoInputs& inputs, std::optional<float> logContact);
GraphPage PressureEvaluationPage(
    const PressureEvaluation& evaluation, const CKeldoInputs& inputs, std::optional<float> logContact);

} // namespace keldo
