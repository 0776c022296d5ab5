#pragma once
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "BatchOptions.h"
#include "FormationTops.h"
#include "LasMeasurements.h"
#include "Zones.h"

class CKeldoDoc;

// keldo-batch's curves of every measurement and what is made of them: net
// pay, the zones between formation tops, the LAS and CSV exports.
namespace keldo {

// What the well's preparation gives beside the document: Vsh at the lines
// and how a LAS file's lines got their depth.
struct BatchWellData {
    std::optional<ShaleVolume> shale;
    std::optional<LasDepthFrame> lasDepth;
};

// Reads options.topsFile before anything is computed. kBatchCompleted, or
// after its message on `messages` kBatchUnreadable (the file cannot be read)
// or kBatchRefused (its contents are not a tops file).
int ReadBatchTops(const BatchOptions& options, std::vector<FormationTop>& tops, std::ostream& messages);

// The zones of the prepared document's well (named as the document names
// it) from `tops`; skipped tops are said on `messages`. With options.zone
// the document's depth window becomes that zone's. kBatchCompleted, or
// kBatchRefused after a message: the file has no top of this well, or no
// zone of that name.
int SelectBatchZones(const BatchOptions& options, const std::vector<FormationTop>& tops, const BatchWellData& well,
    CKeldoDoc& doc, WellZones& zones, std::ostream& messages);

// After the computation: the net-pay block and the zones' blocks to
// `report`, the curves into the export files. kBatchCompleted, or
// kBatchUnreadable after the message of a file that cannot be written.
int WriteBatchCurves(const BatchOptions& options, const CKeldoDoc& doc, const BatchWellData& well,
    const WellZones& zones, std::ostream& report, std::ostream& messages);

// "Die Messwerte können nicht in die Datei … geschrieben werden." and the reason.
std::string CurvesFileFailure(const std::string& path, int err);

} // namespace keldo
