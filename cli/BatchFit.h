#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "GraphPrimitives.h"
#include "LasMeasurements.h"

class CKeldoDoc;

// keldo-batch's fits: the Phi-K relation and the contact fitted to the
// prepared document before it is computed, the fitted values then taken
// over into the document as the fit dialog's "Übernehmen" does.
namespace keldo {

// The graph pages of the fits made, for --fit-graph.
struct BatchFitPages {
    std::optional<GraphPage> phiK;
    std::optional<GraphPage> contact;
    // The normalization of the capillary-pressure data: curves, parameters
    // and saturation-height curves.
    std::optional<GraphPage> pcCurves, pcParameters, saturationHeight;
    // The pressures over depth of --fit-pressure.
    std::optional<GraphPage> pressure;
};

// The files --fit-graph writes: the name as given for one of the Phi-K and
// contact fits; for both, "-phik" and "-kontakt" before the extension
// (fit.png: fit-phik.png and fit-kontakt.png), Phi-K first. With --fit-pc
// then "-pc", "-pcparam" and "-shf" before the extension; with --fit-pressure
// then "-druck" (fit-druck.png). Empty without --fit-graph.
std::vector<std::string> FitGraphFiles(const BatchOptions& options);

// The pages made, in the order of FitGraphFiles.
std::vector<const GraphPage*> FitGraphPages(const BatchFitPages& pages);

// Runs the fits the options ask for on the prepared document `doc`: first
// the normalization of the capillary-pressure file options.pcFile (a file
// that cannot be read: kBatchUnreadable; a bad line: kBatchRefused), then
// the Phi-K fit (pairs from options.coreFile, else from `las`) inside the
// document's depth window, then the contact fit over options.contactRange or
// the default range, with the capillary-pressure model and the Phi-K
// relation just fitted, and the free-water level of options.pressureFile
// (read before any fit), which becomes the contact unless the contact was
// fitted. The short fit
// report goes to `report`, a warning of a fit also to `messages`. When every
// fit succeeds the fitted values are written into `doc` and the pages kept in
// `pages`; returns kBatchCompleted. A fit that cannot be made leaves `doc`
// unchanged and writes nothing to `report`: its message goes to `messages`,
// and the status is kBatchRefused (StatusOf the core table's error for a
// core table that cannot be read; kBatchUnreadable for a pressure file that
// cannot be read).
int FitBatchDocument(const BatchOptions& options, const LasPermeability* las, CKeldoDoc& doc, std::ostream& report,
    std::ostream& messages, BatchFitPages& pages);

} // namespace keldo
