#pragma once
#include <string>
#include <vector>

#include "ContactQuantiles.h"
#include "MeasurementCurves.h"
#include "NetPay.h"
#include "Zones.h"

// What a zone gives: the contact statistics of its measurements and its net
// pay, exactly what a run limited to the zone (its depth window) gives.
namespace keldo {

struct ZoneResult {
    Zone zone;
    int measurements = 0; // lines inside the zone
    int contacts = 0;     // of them with a contact row (usable, porosity at or above the cut-off)
    // Of those contacts as the contact rows print them (m); NaN without any.
    ContactQuantiles quantiles{kNoValue, kNoValue, kNoValue};
    // The smallest and largest of those contacts (m); NaN without any: the
    // whiskers of the zone's box in the field chart.
    float contactMin = static_cast<float>(kNoValue), contactMax = static_cast<float>(kNoValue);
    NetPay netPay;
    NetPayCutoffs cutoffs;
    bool shaleCurve = false;
};

// The zone's numbers from the curves of a run limited to it.
ZoneResult ZoneResultOf(const Zone& zone, const MeasurementCurves& zoneCurves);

// Computes the curves of the well (`request`) with the depth window limited
// to the zone, and their numbers.
ZoneResult ComputeZone(const Zone& zone, const CurveRequest& request);

// The German block of a zone: an empty line, the zone's heading with its
// depths, the contact statistics and the net-pay lines.
std::vector<std::string> ZoneBlock(const ZoneResult& result);

// The header line of zones.csv (with its "\n"):
// well,zone,top,base,measurements,count,p10,median,p90 and the eight columns
// of netpay.csv.
std::string ZonesCsvHeader();

// The fields of one line of zones.csv (ZonesCsvLine), for a table that
// shows them as the file holds them.
std::vector<std::string> ZonesCsvFields(const std::string& well, const ZoneResult& result);

// One line of zones.csv: depths (m) to 3 decimals, quantiles to 2 as in
// summary.csv, the net-pay numbers as in netpay.csv; empty where a value does
// not exist.
std::string ZonesCsvLine(const std::string& well, const ZoneResult& result);

} // namespace keldo
