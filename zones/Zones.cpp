#include "Zones.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "QuotedFileText.h"
#include "TextFormat.h"

namespace keldo {
namespace {

bool IsMeasured(const FormationTop& top, const WellDepthFrame& frame)
{
    return top.reference == TopReference::Md || (top.reference == TopReference::WellDepth && frame.measuredDepthIndex);
}

} // namespace

float TopLineDepth(const FormationTop& top, const WellDepthFrame& frame)
{
    double depth = top.depth;
    if (IsMeasured(top, frame)) {
        size_t cursor = 0;
        depth = (frame.survey ? frame.survey->Tvd(top.depth, cursor) : top.depth) - frame.elevation;
    }
    // As the measurement line stores it: the millimetre, read back as "%f".
    std::string text;
    AppendFixed(text, depth, 0, 3);
    float value = 0;
    ScanFloats(text, &value, 1);
    return value;
}

WellZones ZonesOfWell(
    const std::vector<FormationTop>& tops, const std::vector<std::string>& lines, const WellDepthFrame& frame)
{
    float shallowest = std::numeric_limits<float>::infinity();
    float deepest = -std::numeric_limits<float>::infinity();
    for (const std::string& line : lines) {
        // The lines the runs take: those with three numbers.
        float v[3];
        if (ScanFloats(line, v, 3) == 3) {
            shallowest = std::min(shallowest, v[0]);
            deepest = std::max(deepest, v[0]);
        }
    }
    const bool noMeasurements = shallowest > deepest;

    WellZones result;
    std::vector<std::pair<float, const FormationTop*>> kept;
    for (const FormationTop& top : tops) {
        const float depth = TopLineDepth(top, frame);
        if (noMeasurements || !(depth >= shallowest && depth <= deepest)) {
            result.skipped.push_back(
                {top, depth, noMeasurements ? 0 : shallowest, noMeasurements ? 0 : deepest, noMeasurements});
            continue;
        }
        kept.emplace_back(depth, &top);
    }
    std::stable_sort(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t k = 0; k < kept.size(); ++k) {
        Zone zone;
        zone.name = kept[k].second->surface;
        zone.line = kept[k].second->line;
        zone.top = kept[k].first;
        zone.last = k + 1 == kept.size();
        zone.base = zone.last ? deepest : kept[k + 1].first;
        result.zones.push_back(std::move(zone));
    }
    return result;
}

const Zone* FindZone(const WellZones& zones, std::string_view name)
{
    for (const Zone& zone : zones.zones)
        if (zone.name == name)
            return &zone;
    return nullptr;
}

DepthWindow ZoneWindow(const Zone& zone)
{
    // A line exactly at the next top belongs to the zone below.
    return {zone.top, zone.last ? zone.base : std::nextafter(zone.base, -std::numeric_limits<float>::infinity())};
}

void LimitToZone(CKeldoInputs& inputs, const Zone& zone)
{
    const DepthWindow window = ZoneWindow(zone);
    inputs.m_fMinTeufe = window.min;
    inputs.m_fMaxTeufe = window.max;
}

std::string SkippedTopMessage(const std::string& well, const SkippedTop& s)
{
    const std::string what = "Bohrung " + QuotedFileText(well) + ", Formationsgrenze " + QuotedFileText(s.top.surface)
        + Format(" (Zeile %lld): ", s.top.line);
    if (s.noMeasurements)
        return what + "Die Bohrung hat keine Messwerte; die Grenze wird übergangen.";
    return what
        + Format("Die Teufe %.3f m liegt außerhalb der Messwerte (%.3f bis %.3f m); die Grenze wird übergangen.",
            static_cast<double>(s.depth), static_cast<double>(s.shallowest), static_cast<double>(s.deepest));
}

} // namespace keldo
