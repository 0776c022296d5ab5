#pragma once
#include <memory>
#include <string>
#include <vector>

#include "CurveColumns.h"
#include "FieldTemplate.h"
#include "FormationTops.h"
#include "MeasurementCurves.h"
#include "PressureEvaluation.h"
#include "FieldWell.h"
#include "WellGraphs.h"
#include "WellPreparation.h"
#include "WellSummary.h"

namespace keldo {

struct FieldSettings {
    float cutoff = 0.06f;    // of the wells whose row gives none
    // Net pay: Sw (-) from the log at most for pay, Vsh (-) at most for net
    // rock where a shale curve is read; as keldo-batch's --sw-cutoff and
    // --vsh-cutoff.
    float swCutoff = kDefaultSwCutoff;
    double shaleCutoff = kDefaultShaleCutoff;
    bool keepGraphs = false; // keep each well's two graphs (WellOutcome::graphs)
    // The formation tops of the study's wells (matched by the row's well
    // name); nullptr: no zones.
    const std::vector<FormationTop>* tops = nullptr;
};

// Everything one well gives: its reports as keldo-batch prints them, its
// message boxes, its summary row and, when asked for, its graphs.
struct WellOutcome {
    size_t index = 0; // of the well in the study
    WellSummary summary;
    std::vector<std::string> saturationReport;
    std::vector<std::string> contactReport;
    std::vector<std::string> messages; // every message of the well, in order
    std::unique_ptr<WellGraphs> graphs;
    // The curves of every measurement of the window (curves.las), once
    // prepared; the depth as the lines hold it.
    std::unique_ptr<MeasurementCurves> curves;
    DepthReference depth = DepthReference::Tvd;
    // The row's pressure file evaluated on the prepared document (nothing
    // without one), and its block as keldo-batch --fit-pressure prints it
    // (pressure.txt); the block is empty where the file gave no level.
    std::optional<PressureEvaluation> pressure;
    std::vector<std::string> pressureReport;
};

// Computes one well in both modes on a document of its own. The document is
// prepared as keldo-batch prepares it (PrepareWell): from the well's .kld,
// or from a copy of `model` with the LAS file's measurements;
// depth window of the whole list, the row's cut-off (else the settings'),
// detail and warnings off, pressure-dependent permeability, the inputs
// checked as the dialog checks them. Then the row's contact replaces the
// document's, so that it is the assumed contact of the water-saturation run
// and stands in the header of both reports; the contact run computes its
// contacts without it. Each report is byte for byte what
// `keldo-batch --mode saturation|contact --cutoff F` prints for that
// document. A row's pressure file is evaluated on the prepared document
// (with the row's contact) and changes nothing of the runs: a file that
// gives no level adds a message naming the row's pressure column. Never
// throws; safe to call from several threads at once (each call has its own
// document, `model` is only read).
WellOutcome RunWell(const FieldWell& well, const FieldTemplate* model, const FieldSettings& settings);

// The outcome of a well whose turn never came.
WellOutcome NotRunOutcome(const FieldWell& well);

// The column of the row that a failed preparation is to blame on, by the
// kind of the failure: the survey or the curve that could not be used, the
// row's own cut-off when the checks refused it, else the row's document or
// LAS file.
FieldColumn ColumnOfFailure(const FieldWell& well, const WellPreparation& preparation);

// What the row's message says of a failed preparation; `messages` are the
// well's message boxes up to then.
std::string FailureText(const WellPreparation& preparation, const std::vector<std::string>& messages);

} // namespace keldo
