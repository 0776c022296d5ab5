#include "ZoneColumns.h"

namespace keldo {

std::string ZoneColumnName(const std::string& well, const std::string& zone) { return well + ": " + zone; }

std::vector<WellSummary> ZoneColumns(const std::vector<WellSummary>& wells)
{
    std::vector<WellSummary> columns;
    for (const WellSummary& well : wells) {
        if (well.zones.empty()) {
            columns.push_back(well);
            continue;
        }
        for (const ZoneResult& zone : well.zones) {
            WellSummary column = well;
            column.zones.clear();
            column.well = ZoneColumnName(well.well, zone.zone.name);
            column.classes = {};
            column.classes[0].count = zone.contacts;
            column.classes[0].min = zone.contactMin;
            column.classes[0].max = zone.contactMax;
            column.p10 = zone.quantiles.p10;
            column.median = zone.quantiles.median;
            column.p90 = zone.quantiles.p90;
            columns.push_back(std::move(column));
        }
    }
    return columns;
}

} // namespace keldo
