#pragma once
#include "FieldTemplate.h"
#include "FileResult.h"
#include "InputChecks.h"
#include "LasMeasurements.h"
#include "MessageBox.h"
#include "WellDataError.h"
#include "WellInputs.h"

class CKeldoDoc;

// A well's document made ready to compute, the same way for every front end
// (keldo-batch, a study of many wells, the program's field window): the
// document or the model, the measurements (a LAS file with its survey, or a
// measurement file), the settings of the input dialog and its checks.
// Failures come back as data; the front end words them and decides on them.
namespace keldo {

struct WellRequest {
    const WellInputs& inputs;
    const WellSettings& settings;
    // The model of a well without a document of its own (a LAS well of a
    // study, whose template is read once for all wells).
    const FieldTemplate* model = nullptr;
    // With a LAS file: read the Phi-K pairs of its permeability curve too.
    bool permeabilityPairs = false;
    // With a LAS file: read its shale curve too (WellPreparation::shale).
    bool shaleVolume = false;
    // A Phi-K relation will be fitted before the run: a document without one
    // is not warned about.
    bool phiKFitFollows = false;
};

enum class PreparationStatus {
    Prepared,            // ready to compute
    DocumentUnreadable,  // the well's document cannot be loaded (`file`)
    ModelMissing,        // no document and no model: nothing gives the model
    ModelUnreadable,     // the model's bytes are no document (`file`)
    WellDataUnusable,    // the LAS file or the survey (`wellData`)
    MeasurementsRefused, // the measurement file import stopped; its message went through the box
    InputsRefused,       // the input checks refused (`refusal`); the message went through the box
};

struct WellPreparation {
    PreparationStatus status = PreparationStatus::Prepared;
    FileResult file = FileResult::Success();
    WellDataError wellData;
    InputRefusal refusal;
    LasPermeability permeability; // with permeabilityPairs and a LAS file
    // With shaleVolume and a LAS file that has a shale curve: Vsh at every
    // measurement line. Nothing for a document's or a measurement file's
    // lines, whose net rock goes by porosity alone.
    std::optional<ShaleVolume> shale;
    // With a LAS file: how its lines got their depth.
    std::optional<LasDepthFrame> lasDepth;

    bool Prepared() const { return status == PreparationStatus::Prepared; }
};

// Prepares `doc` as keldo-batch prepares its document: the well's document
// (inputs.document) or, without one, a copy of the model; its measurements
// replaced by the rows of a LAS file (which also names the well) or by the
// lines of a measurement file (an empty file keeps the document's, as after
// OK in the dialog); then the settings that the user would make in the
// input dialog before OK (mode, depth window, cut-off, switches), and the
// inputs checked as the dialog checks them. Every message of the import and
// of the checks goes through `box`; what stopped the preparation is in the
// result. Never touches anything but `doc`, so wells may be prepared in
// parallel.
WellPreparation PrepareWell(const WellRequest& request, CKeldoDoc& doc, IMessageBox& box);

} // namespace keldo
