#pragma once
#include <optional>
#include <string>
#include <vector>

#include "PcCoefficients.h"
#include "PcConditioning.h"
#include "PcCurveFit.h"
#include "PcRelations.h"
#include "PcTable.h"

// The normalization of mercury capillary-pressure measurements: from the
// table's samples to the model's ten coefficients and Pc max.
//
// 1. Pc max: given, else the largest pressure of the file to 0.1 bar.
// 2. Conditioning: samples sorted, the closure effect removed, unusable ones
//    left out (PcConditioning).
// 3. Each sample's own Swmin, Pcsperr, alfa, beta (PcCurveFit).
// 4. The relations in log10(K) (PcRelations): the two-step set.
// 5. The whole-set refinement from there (PcRefinement): the refined set.
// 6. Both sets rounded as the input dialog shows them; the refined one is
//    taken unless its RMS in saturation is higher, it is not one the dialog
//    accepts, or the two-step set is asked for.
// Refused, nothing to take over: Pc max not above 10 bar (the dialog's
// limit), fewer than 3 usable samples, permeabilities that do not determine
// a relation, or a two-step set the dialog would refuse (Swmin or Pcsperr not
// falling with K, no beta, no alfa, numbers beyond single precision).
namespace keldo {

struct PcFitOptions {
    std::optional<float> pcMax; // bar; none: from the table
    int alfaOrder = 3;          // 0 to 3
    bool twoStep = false;       // take the two-step set even where the refined one is better
};

struct PcSampleResult {
    size_t index = 0;            // in the table
    double permeability = 0;     // mD, the table's
    std::vector<PcPoint> points; // used: by rising pressure, the closure effect removed
    SampleCurveFit fit;
};

enum class PcNoticeKind {
    SwminExtrapolated,      // `sample`'s highest pressure (`pressure`) below 90 % of Pc max
    SampleNotConverged,     // `sample`'s fit stopped at the iteration limit
    AlfaOrderLowered,       // `used` instead of `requested`, for `samples` samples (limit)
    RefinementFailed,       // no refined set: the two-step set is taken
    RefinementNotConverged, // the refinement stopped at the iteration limit
    RefinementNotBetter,    // refined RMS above the two-step RMS: the two-step set is taken
    RefinementRefused,      // the refined set is not one the dialog accepts: the two-step set is taken
    TwoStepAsked,           // the two-step set is taken as asked
};

struct PcNotice {
    PcNoticeKind kind = PcNoticeKind::SwminExtrapolated;
    std::string sample;
    double pressure = 0; // bar
    float pcMax = 0;     // bar
    int requested = 0, used = 0, samples = 0;
    AlfaOrderLimit limit = AlfaOrderLimit::None;
};

enum class PcRefusalKind {
    None,
    AlfaOrderInvalid,    // `alfaOrder` outside 0..3
    PcMaxTooLow,         // `pcMax` not above 10 bar
    TooFewSamples,       // `samples` usable, fewer than 3
    PermeabilitiesEqual, // the samples' K do not determine a relation
    SwminNotFalling,     // s1 >= 0
    PcsperrNotFalling,   // p1 >= 0
    BetaMissing,         // b0 = b1 = 0
    AlfaMissing,         // a0 = … = a3 = 0: the model would take its default alfa
    NotRepresentable,    // a coefficient beyond single precision
};

struct PcRefusal {
    PcRefusalKind kind = PcRefusalKind::None;
    int samples = 0;
    int alfaOrder = 0;
    float pcMax = 0;
    PcCoefficients coefficients; // the set refused
};

// The first of the dialog's rules that `shown` (as the dialog shows it) breaks; None: accepted.
PcRefusalKind DialogRefusal(const PcCoefficients& shown);

struct PcNormalization {
    bool ok = false;
    PcRefusal refusal;
    float pcMax = 0; // bar, as the document takes it
    bool pcMaxGiven = false;
    int samplesRead = 0;
    std::vector<PcSampleResult> samples; // fitted, in the table's order
    std::vector<PcExclusion> excluded;
    std::vector<PcNotice> notices;
    PcRelations relations;
    PcCoefficients twoStep; // as the dialog shows them
    PcCoefficients refined; // as the dialog shows them, where refinedValid
    bool refinedValid = false;
    double rmsTwoStep = 0, rmsRefined = 0; // RMS of Sw over all points used
    int pointsUsed = 0;
    bool refinedTaken = false;

    const PcCoefficients& Chosen() const { return refinedTaken ? refined : twoStep; }
};

PcNormalization NormalizePc(const PcTable& table, const PcFitOptions& options);

} // namespace keldo
