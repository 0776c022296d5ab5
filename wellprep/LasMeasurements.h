#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "LasLog.h"
#include "MeasurementRows.h"
#include "MessageBox.h"
#include "PhiKSamples.h"
#include "WellDataError.h"
#include "WellInputs.h"
#include "WellPath.h"

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

// The shale volume ("Tonanteil") of a LAS file at its measurement lines,
// for net reservoir rock.
struct ShaleVolume {
    std::string mnemonic;
    std::vector<double> values; // (-) per measurement line, NaN where the curve has none
};

// How a LAS file's measurement lines got their depth, so that a formation
// top given in MD reaches the same depth.
struct LasDepthFrame {
    bool measuredDepthIndex = false; // the depth curve is a measured depth
    std::optional<WellPath> survey;  // the survey the depths went through
    double elevation = 0;            // m, subtracted from the TVD
};

// The shale curve of `curves`: the one named (`named`; an unknown name is an
// error with the role Shale) or, for an empty name, the suggestion. False
// without a name when nothing is suggested, as the curve is optional; with
// a name, false with `error`.
bool ShaleCurve(const std::vector<LasHeaderItem>& curves, const std::string& name, size_t& index, bool& named,
    WellDataError& error);

// Replaces the measurement lines of `doc` by the rows of inputs.lasFile (the
// curves, survey and elevation of the inputs) and names the well after the
// file's ~W WELL when it names one: the document only lends its model. The
// summary of kept and dropped rows goes through `box`. False with `error`
// when the file cannot be read as LAS or survey, has no usable row, or a
// curve is unknown or has no suggestion; `doc` is then unchanged.
// With `permeability`, the permeability curve (inputs.permeabilityCurve, or
// the suggestion) is read as well and its values at the kept rows, in mD,
// become the Phi-K samples there. With `shale`, the shale curve
// (inputs.shaleCurve, or the suggestion where there is one) is read too:
// its values at the measurement lines as fractions, or nothing without a
// curve. With `depth`, how the lines got their depth.
bool ImportLasMeasurements(const WellInputs& inputs, CKeldoDoc& doc, IMessageBox& box, WellDataError& error,
    LasPermeability* permeability = nullptr, std::optional<ShaleVolume>* shale = nullptr,
    LasDepthFrame* depth = nullptr);

} // namespace keldo
