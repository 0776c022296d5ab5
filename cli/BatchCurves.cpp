#include "BatchCurves.h"

#include "BatchStatus.h"
#include "CurvesFile.h"
#include "FileAccess.h"
#include "KeldoDoc.h"
#include "MeasurementCurves.h"
#include "NetPayReport.h"
#include "QuotedFileText.h"
#include "ZoneResults.h"

namespace keldo {
namespace {

WellDepthFrame DepthFrame(const BatchWellData& well)
{
    WellDepthFrame frame;
    if (well.lasDepth) {
        frame.measuredDepthIndex = well.lasDepth->measuredDepthIndex;
        frame.survey = well.lasDepth->survey ? &*well.lasDepth->survey : nullptr;
        frame.elevation = well.lasDepth->elevation;
    }
    return frame;
}

std::string ZoneNames(const WellZones& zones)
{
    std::string names;
    for (const Zone& zone : zones.zones)
        names += (names.empty() ? "" : ", ") + zone.name;
    return names;
}

void PrintLines(const std::vector<std::string>& lines, std::ostream& out)
{
    for (const std::string& line : lines)
        out << line << '\n';
}

} // namespace

std::string CurvesFileFailure(const std::string& path, int err)
{
    return "Die Messwerte können nicht in die Datei " + path + " geschrieben werden.\n" + SystemErrorReason(err);
}

int ReadBatchTops(const BatchOptions& options, std::vector<FormationTop>& tops, std::ostream& messages)
{
    TopsError error;
    if (options.topsFile.empty() || ReadFormationTopsFile(options.topsFile, tops, error))
        return kBatchCompleted;
    messages << TopsMessage(error, options.topsFile) << '\n';
    return error.kind == TopsErrorKind::CannotRead ? kBatchUnreadable : kBatchRefused;
}

int SelectBatchZones(const BatchOptions& options, const std::vector<FormationTop>& tops, const BatchWellData& well,
    CKeldoDoc& doc, WellZones& zones, std::ostream& messages)
{
    if (options.topsFile.empty())
        return kBatchCompleted;
    const std::vector<FormationTop> ofWell = TopsOfWell(tops, doc.m_strBohrung);
    if (ofWell.empty()) {
        messages << "Die Datei der Formationsgrenzen " << QuotedFileText(options.topsFile)
                 << " nennt keine Grenze der Bohrung " << QuotedFileText(doc.m_strBohrung) << ".\n";
        return kBatchRefused;
    }
    zones = ZonesOfWell(ofWell, doc.m_Messwerte, DepthFrame(well));
    for (const SkippedTop& skipped : zones.skipped)
        messages << SkippedTopMessage(doc.m_strBohrung, skipped) << '\n';
    if (options.zone.empty())
        return kBatchCompleted;
    const Zone* zone = FindZone(zones, options.zone);
    if (!zone) {
        messages << "Die Bohrung " << QuotedFileText(doc.m_strBohrung) << " hat keine Zone "
                 << QuotedFileText(options.zone) << " in der Datei der Formationsgrenzen "
                 << QuotedFileText(options.topsFile) << "; ihre Zonen: "
                 << (zones.zones.empty() ? std::string("keine") : ZoneNames(zones)) << ".\n";
        return kBatchRefused;
    }
    LimitToZone(doc, *zone);
    return kBatchCompleted;
}

int WriteBatchCurves(const BatchOptions& options, const CKeldoDoc& doc, const BatchWellData& well,
    const WellZones& zones, std::ostream& report, std::ostream& messages)
{
    if (!options.WantsCurves())
        return kBatchCompleted;
    const std::vector<double>* shale = well.shale ? &well.shale->values : nullptr;
    const CurveRequest request{doc, doc.m_Messwerte, shale, options.shaleCutoff, options.swCutoff};
    const MeasurementCurves curves = ComputeCurves(request);

    if (options.netPay)
        PrintLines(NetPayBlock(ComputeNetPay(curves.rows), curves.cutoffs, curves.shaleCurve), report);
    if (!options.zone.empty()) {
        // The run is the zone's: its curves are the zone's.
        if (const Zone* zone = FindZone(zones, options.zone))
            PrintLines(ZoneBlock(ZoneResultOf(*zone, curves)), report);
    } else if (!zones.zones.empty()) {
        // The window's model saturations serve every zone.
        const std::vector<KnownSaturation> known = KnownSaturations(curves);
        CurveRequest zoneRequest = request;
        zoneRequest.known = known;
        for (const Zone& zone : zones.zones)
            PrintLines(ZoneBlock(ComputeZone(zone, zoneRequest)), report);
    }
    report.flush();

    const DepthReference depth = options.inputs.lasFile.empty() ? DepthReference::Tvd : DepthReference::Tvdss;
    const std::pair<const std::string*, CurveFileFormat> files[]
        = {{&options.exportLas, CurveFileFormat::Las}, {&options.exportCsv, CurveFileFormat::Csv}};
    for (const auto& [path, format] : files) {
        int err = 0;
        if (!path->empty() && !SaveCurves(*path, format, curves, depth, err)) {
            messages << CurvesFileFailure(*path, err) << '\n';
            return kBatchUnreadable;
        }
    }
    return kBatchCompleted;
}

} // namespace keldo
