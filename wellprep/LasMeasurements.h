#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "LasLog.h"
#include "MeasurementRows.h"
#include "MessageBox.h"
#include "PhiKSamples.h"
#include "WellDataError.h"
#include "WellInputs.h"

class CKeldoDoc;

// A well's measurements from a LAS file (with a survey), and the Phi-K
// pairs of its permeability curve at the same rows.
namespace keldo {

// The Phi-K samples of a LAS file: its kept measurement rows that have a
// permeability, at their depths (TVDSS) and porosities as the measurement
// lines hold them.
struct LasPermeability {
    std::vector<PhiKSample> samples;
    std::string source; // "LAS-Datei F.las, Kurve KLOGH (mD)"
};

// The pairs of the permeability curve `curve` of `log` at the kept rows
// `rows` (which must hold the line of every kept row), the curve's values
// taken in mD. A unit that is not known is said through `box` first.
LasPermeability PermeabilityAtRows(
    const LasLog& log, size_t curve, const MeasurementRows& rows, const std::string& lasFile, IMessageBox& box);

// Replaces the measurement lines of `doc` by the rows of inputs.lasFile (the
// curves, survey and elevation of the inputs) and names the well after the
// file's ~W WELL when it names one: the document only lends its model. The
// summary of kept and dropped rows goes through `box`. False with `error`
// when the file cannot be read as LAS or survey, has no usable row, or a
// curve is unknown or has no suggestion; `doc` is then unchanged.
// With `permeability`, the permeability curve (inputs.permeabilityCurve, or
// the suggestion) is read as well and its values at the kept rows, in mD,
// become the Phi-K samples there.
bool ImportLasMeasurements(const WellInputs& inputs, CKeldoDoc& doc, IMessageBox& box, WellDataError& error,
    LasPermeability* permeability = nullptr);

} // namespace keldo
