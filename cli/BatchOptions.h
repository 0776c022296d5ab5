#pragma once
#include <optional>
#include <string>
#include <vector>

#include "NetPayCutoffs.h"
#include "WellInputs.h"

namespace keldo {

// A range of depths (m, TVD), as given: from may be at or beyond to.
struct DepthRange {
    float from = 0;
    float to = 0;
};

// The command line of keldo-batch.
struct BatchOptions {
    // The document, its measurements (a measurement file, or a LAS file with
    // its curves, survey and elevation; the document then gives the model)
    // and the permeability curve of a Phi-K fit.
    WellInputs inputs;
    // Mode, depth window, cut-off and switches, as in the input dialog.
    WellSettings settings;
    std::string reportFile;  // empty: standard output
    std::string graphFile;   // empty: no graph export
    std::string lasInfoFile; // print this LAS file's header as JSON, nothing else
    std::string saveAs;      // save the document before computing (after the fits)
    // Fitting the model before the computation: the Phi-K relation from a
    // core table or the LAS file's permeability curve (inputs.permeabilityCurve,
    // empty: the suggestion), and the contact over a range (nothing: the
    // default range).
    bool fitPhiK = false;
    int phiKOrder = 2;
    std::string coreFile;
    bool fitContact = false;
    std::optional<DepthRange> contactRange;
    // The model's capillary-pressure coefficients and Pc max from core
    // capillary-pressure data, before the other fits.
    std::string pcFile;         // empty: no normalization
    std::optional<float> pcMax; // bar; none: from the file
    int alfaOrder = 3;
    bool pcTwoStep = false;
    std::string fitGraphFile; // empty: no fit graph
    // The free-water level from a pressure file, taken as the contact unless
    // the contact is fitted as well (then only compared).
    std::string pressureFile;
    // The curves of every measurement (CurveColumns.h) as LAS 2.0 and as
    // CSV; empty: not written.
    std::string exportLas;
    std::string exportCsv;
    // The net-pay block after the report; its cut-offs (the shale curve is
    // inputs.shaleCurve).
    bool netPay = false;
    float swCutoff = kDefaultSwCutoff;
    double shaleCutoff = kDefaultShaleCutoff; // in double, as Vsh is compared
    // Formation tops: the zones' contact statistics and net pay after the
    // report; with a zone, the whole run is limited to it.
    std::string topsFile;
    std::string zone;
    bool help = false;

    // Whether the run needs the curves of the measurements: for net pay,
    // zones or an export.
    bool WantsCurves() const { return netPay || !topsFile.empty() || !exportLas.empty() || !exportCsv.empty(); }
};

// Parses the arguments (without the program name). Returns nothing and sets
// `error` for a usage error.
std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args, std::string& error);

const char* BatchUsage();

} // namespace keldo
