#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "FormationTops.h"
#include "KeldoInputs.h"
#include "WellPath.h"

// The zones of a well between its formation tops: a zone runs from its top
// to the next top of the well, the last one to the deepest measurement. A
// measurement exactly at a top belongs to the zone below it.
namespace keldo {

// How the well's measurement lines got their depth, so that a top reaches
// the same depth: MD through the well's survey, then less the elevation, as
// the LAS import derives the lines.
struct WellDepthFrame {
    // The well's depth curve is a measured depth (a LAS file indexed by MD):
    // the default reference of its tops.
    bool measuredDepthIndex = false;
    // MD to TVD; nullptr: MD is taken as TVD, as the import takes it without
    // a survey.
    const WellPath* survey = nullptr;
    double elevation = 0; // m above sea level of the depth reference: the lines hold TVD − elevation
};

struct Zone {
    std::string name;   // the surface of its top
    long long line = 0; // of its top in the tops file
    float top = 0;      // m, in the depth of the measurement lines
    float base = 0;     // m: the next top, or for the last zone the deepest measurement
    bool last = false;  // the deepest zone: its base belongs to it
};

// A top that lies outside the well's measurements and makes no zone.
struct SkippedTop {
    FormationTop top;
    float depth = 0;                     // m, in the depth of the measurement lines
    float shallowest = 0, deepest = 0;   // m, the measurements' range
    bool noMeasurements = false;         // the well has no measurement at all
};

struct WellZones {
    std::vector<Zone> zones; // from the shallowest top down
    std::vector<SkippedTop> skipped;
};

// The depth of a top as a measurement line would hold it: through the frame
// to the lines' depth, to the millimetre, in single precision; so that a
// line at the top's depth has exactly this value.
float TopLineDepth(const FormationTop& top, const WellDepthFrame& frame);

// The zones of one well from its tops (TopsOfWell) and its measurement lines.
// Tops of equal depth keep their order in the file (the zone between them
// is empty).
WellZones ZonesOfWell(
    const std::vector<FormationTop>& tops, const std::vector<std::string>& lines, const WellDepthFrame& frame);

// The zone named `name`, or nullptr.
const Zone* FindZone(const WellZones& zones, std::string_view name);

// The depth window of a run limited to `zone`, both ends inclusive as the
// runs take them: from the top to just above the next top (to the base
// itself for the last zone).
struct DepthWindow {
    float min = 0, max = 0;
};
DepthWindow ZoneWindow(const Zone& zone);

// Limits the inputs' depth window to the zone.
void LimitToZone(CKeldoInputs& inputs, const Zone& zone);

// One German sentence: which top of which well was skipped, and why.
std::string SkippedTopMessage(const std::string& well, const SkippedTop& skipped);

} // namespace keldo
