#pragma once
#include <ostream>

#include "BatchFit.h"
#include "BatchOptions.h"
#include "MessageBox.h"

class CKeldoDoc;

// keldo-batch's LAS options: the measurements of a document from a LAS file
// (with a survey), and the header of a LAS file as JSON.
namespace keldo {

// Replaces the measurement lines of `doc` by the rows of options.lasFile (the
// curves, survey and elevation of the options) and names the well after the
// file's ~W WELL when it names one: the document only lends its model. The
// summary of kept and dropped rows goes through `box`. Returns kBatchCompleted,
// or the exit status after the message: kBatchUnreadable for a file that
// cannot be read as LAS or survey, kBatchRefused for a file without a usable
// row, an unknown curve or a curve without a suggestion.
// With `permeability`, the permeability curve (options.permeabilityCurve, or
// the suggestion) is read as well and its values at the kept rows, in mD,
// become the Phi-K samples there.
int ImportLasMeasurements(const BatchOptions& options, CKeldoDoc& doc, IMessageBox& box, std::ostream& messages,
    LasPermeability* permeability = nullptr);

// Writes the header and curve statistics of options.lasInfoFile as JSON to
// `out`. Returns the exit status.
int PrintLasInfo(const BatchOptions& options, std::ostream& out, std::ostream& messages);

} // namespace keldo
