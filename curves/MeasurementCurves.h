#pragma once
#include <cstddef>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "KeldoInputs.h"
#include "NetPayCutoffs.h"
#include "SaturationMisfit.h"
#include "SaturationModel.h"

// The values of the model at every measurement inside the depth window, in
// both modes whatever the document's mode: what the water-saturation run
// computes for the line, what the contact run computes for it, and the net
// and pay flags. They come from the functions the runs use, in the same
// single and double precision steps, so that they are the runs' numbers to
// the bit (rounded as the reports print them, they are the reports' numbers).
namespace keldo {

inline constexpr float kNoSaturation = std::numeric_limits<float>::quiet_NaN();
inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

struct CurveRow {
    size_t line = 0;                      // index of the measurement line
    float depth = 0;                      // m, as the line holds it (TVD or TVDSS)
    float porosity = 0;                   // (-)
    float sw = 0;                         // (-), from the log
    float modelSw = kNoSaturation;        // (-), the water-saturation run's value; NaN where the run gives none
    float swmin = 1;                      // (-), of the effective permeability
    double keff = 0;                      // mD, effective permeability
    double heightAboveContact = 0;        // m, assumed contact − depth
    double contact = kNoValue;            // m, the contact run's value; NaN where the run gives no row
    double vsh = kNoValue;                // (-), shale volume; NaN without one
    bool net = false;
    bool pay = false;
};

struct MeasurementCurves {
    CKeldoInputs inputs;   // as computed: model, contact, fluid, depth window
    ModelParameters model; // with the derived fluid quantities
    NetPayCutoffs cutoffs; // the porosity cut-off is the document's
    bool shaleCurve = false;
    std::vector<CurveRow> rows; // the lines inside the depth window, in their order
};

// A model Sw (-) the water-saturation run gives at a measurement of this
// depth and porosity, already computed elsewhere for the same model and
// contact (the field summary's misfit, the well's whole window): the value
// depends on nothing else, so it is taken instead of searched again.
struct KnownSaturation {
    float depth = 0;
    float porosity = 0;
    float sw = 0;
};

struct CurveRequest {
    const CKeldoInputs& inputs;
    const std::vector<std::string>& lines; // the measurement lines ("depth porosity Sw")
    // Vsh (-) per measurement line, NaN where the shale curve has no value;
    // nullptr: no shale curve, net rock by porosity alone.
    const std::vector<double>* shale = nullptr;
    double shaleCutoff = kDefaultShaleCutoff;
    float swCutoff = kDefaultSwCutoff;
    // Model saturations known already, in the order of their lines; a row
    // takes the next one when depth and porosity match, others are searched.
    std::span<const KnownSaturation> known = {};
};

// The model saturations of `curves` as known ones for another request of
// the same well, model and contact (a zone of the window).
std::vector<KnownSaturation> KnownSaturations(const MeasurementCurves& curves);

// The saturations ComputedSaturations gave for `prepared`, as known ones.
std::vector<KnownSaturation> KnownSaturations(
    const PreparedSaturationRows& prepared, const std::vector<float>& computed);

// The curves of every line inside the depth window. A run that would stop
// leaves its values empty from the line where it stops: the
// water-saturation run at the first line inside the window where the pore
// pressure reaches 0.23 bar/m of overburden, the contact run at the first
// line anywhere where it exceeds it; neither gives values where water is not
// denser than the hydrocarbon. A line without three numbers is passed over,
// as both runs pass it over.
MeasurementCurves ComputeCurves(const CurveRequest& request);

// A contact (m) as its contact row prints it and the statistics read it
// back: to 0.1 m, in single precision.
float ContactAsPrinted(double contact);

} // namespace keldo
