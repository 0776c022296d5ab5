#pragma once
#include <array>
#include <string>
#include <vector>

#include "KeldoInputs.h"
#include "SaturationModel.h"

// How well the water-saturation run fits the log for an assumed contact: the
// RMS of computed minus measured Sw over the rows the run evaluates. All that
// does not depend on the contact is prepared once, so that a fit or a field
// summary can ask for many contacts cheaply. The prepared rows are read-only
// and may be shared between threads.
namespace keldo {

// A height of the capillary curve (m) at a saturation (-) that the search
// asks for whatever the contact.
struct KnownHeight {
    float sw = -1;
    double metres = 0;
};

// One measurement inside the depth window at or above the porosity cut-off,
// with its capillary curve and the heights every search asks for: at 1 and
// Swmin, and at both points of the first step and of a restart above Swmin.
struct PreparedSaturationRow {
    float depth = 0;      // m, TVD
    float porosity = 0;   // -
    float measuredSw = 0; // -, from the log
    CapillaryCurve curve;
    std::array<KnownHeight, 5> known;
};

struct PreparedSaturationRows {
    ModelParameters model;
    std::vector<PreparedSaturationRow> rows;
    // Lines that cannot be fitted and are left out: lines without three
    // numbers, and rows inside the window at or above the cut-off where the
    // run would stop (pore pressure not below 0.23 bar/m of overburden), where
    // K is not positive, or where water is not denser than the hydrocarbon.
    int excluded = 0;
};

// Parses `lines` ("depth porosity Sw") and keeps the rows inside the depth
// window [m_fMinTeufe, m_fMaxTeufe] with porosity ≥ m_fCutoff, in their order.
PreparedSaturationRows PrepareSaturationRows(const CKeldoInputs& in, const std::vector<std::string>& lines);

// One measurement prepared as PrepareSaturationRows prepares each of its
// rows, whatever its porosity: for callers that want the run's saturation at
// rows the fit leaves out.
PreparedSaturationRow PrepareSaturationRow(const ModelParameters& p, float depth, float phi, float sw);

// The Sw (-) the water-saturation run computes for this row with the contact
// at `contact` (m), to the bit.
float ComputedSaturation(const PreparedSaturationRow& row, float contact);

// The same for every row, in their order, into `sw`: the searches of several
// rows side by side, which is faster than one after the other.
void ComputedSaturations(const PreparedSaturationRows& prepared, float contact, std::vector<float>& sw);

struct Misfit {
    double rms = 0; // RMS of computed − measured Sw; NaN when no row could be fitted
    int n = 0;      // rows in the RMS
    int excluded = 0;
};
Misfit SaturationMisfit(const PreparedSaturationRows& prepared, float contact);

// The same from the saturations ComputedSaturations gave for `prepared`, for
// a caller that keeps them.
Misfit MisfitOf(const PreparedSaturationRows& prepared, const std::vector<float>& computed);

} // namespace keldo
