#include "ZoneResults.h"

#include <algorithm>

#include "NetPayReport.h"
#include "TextFormat.h"

namespace keldo {

ZoneResult ZoneResultOf(const Zone& zone, const MeasurementCurves& curves)
{
    ZoneResult result;
    result.zone = zone;
    result.measurements = static_cast<int>(curves.rows.size());
    result.cutoffs = curves.cutoffs;
    result.shaleCurve = curves.shaleCurve;
    std::vector<float> contacts;
    for (const CurveRow& row : curves.rows)
        if (!std::isnan(row.contact))
            contacts.push_back(ContactAsPrinted(row.contact));
    result.contacts = static_cast<int>(contacts.size());
    if (!contacts.empty()) {
        result.quantiles = QuantilesOf(contacts);
        const auto [lowest, highest] = std::minmax_element(contacts.begin(), contacts.end());
        result.contactMin = *lowest;
        result.contactMax = *highest;
    }
    result.netPay = ComputeNetPay(curves.rows);
    return result;
}

ZoneResult ComputeZone(const Zone& zone, const CurveRequest& request)
{
    CKeldoInputs inputs = request.inputs;
    LimitToZone(inputs, zone);
    CurveRequest limited{inputs, request.lines, request.shale, request.shaleCutoff, request.swCutoff, request.known};
    return ZoneResultOf(zone, ComputeCurves(limited));
}

std::vector<std::string> ZoneBlock(const ZoneResult& r)
{
    std::vector<std::string> lines{"",
        Format("  ZONE %s: %.3f bis %.3f m", r.zone.name.c_str(), static_cast<double>(r.zone.top),
            static_cast<double>(r.zone.base))};
    lines.push_back(Labelled("Kontakte aus den Messwerten", "-", Format("%10d", r.contacts)));
    lines.push_back(Labelled("P10 der Kontakte", "m", BlockValue(r.quantiles.p10, 2)));
    lines.push_back(Labelled("Median der Kontakte", "m", BlockValue(r.quantiles.median, 2)));
    lines.push_back(Labelled("P90 der Kontakte", "m", BlockValue(r.quantiles.p90, 2)));
    for (std::string& line : NetPayLines(r.netPay, r.cutoffs, r.shaleCurve))
        lines.push_back(std::move(line));
    return lines;
}

std::string ZonesCsvHeader()
{
    std::vector<std::string> fields{"well", "zone", "top", "base", "measurements", "count", "p10", "median", "p90"};
    for (std::string& column : NetPayCsvColumns())
        fields.push_back(std::move(column));
    return CsvLine(fields);
}

std::vector<std::string> ZonesCsvFields(const std::string& well, const ZoneResult& r)
{
    std::vector<std::string> fields{well, r.zone.name, CsvValue(r.zone.top, 3), CsvValue(r.zone.base, 3),
        Format("%d", r.measurements), Format("%d", r.contacts), CsvValue(r.quantiles.p10, 2),
        CsvValue(r.quantiles.median, 2), CsvValue(r.quantiles.p90, 2)};
    for (std::string& field : NetPayCsvFields(r.netPay))
        fields.push_back(std::move(field));
    return fields;
}

std::string ZonesCsvLine(const std::string& well, const ZoneResult& r) { return CsvLine(ZonesCsvFields(well, r)); }

} // namespace keldo
