// The zones of a well between its tops: their boundaries, the row at a top,
// tops in MD through the survey, tops outside the measurements, and the
// numbers of a zone as a run limited to it gives them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "ContactQuantiles.h"
#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "MeasurementLine.h"
#include "MessageLog.h"
#include "SurveyReader.h"
#include "WellDataTestFiles.h"
#include "WellPreparation.h"
#include "ZoneResults.h"
#include "Zones.h"

namespace {

keldo::FormationTop Top(const char* surface, double depth, keldo::TopReference reference = keldo::TopReference::WellDepth,
    long long line = 2)
{
    return {line, "W", surface, depth, reference};
}

// Lines every metre from `from` to `to` (m TVD), in either order.
std::vector<std::string> MetreLines(int from, int to)
{
    std::vector<std::string> lines;
    for (int d = from; from <= to ? d <= to : d >= to; d += from <= to ? 1 : -1)
        lines.push_back(keldo::FormatMeasurementLine(d, 0.2f, 0.3f));
    return lines;
}

// The lines of `lines` inside the window of `zone`.
int LinesInZone(const std::vector<std::string>& lines, const keldo::Zone& zone)
{
    const keldo::DepthWindow w = keldo::ZoneWindow(zone);
    int n = 0;
    for (const std::string& line : lines) {
        keldo::MeasurementValues v;
        keldo::ReadMeasurementLine(line, v);
        n += v.tvd >= w.min && v.tvd <= w.max;
    }
    return n;
}

} // namespace

TEST(Zones, RunFromATopToTheNextAndTheLastToTheDeepestMeasurement)
{
    struct Expected {
        const char* name;
        float top, base;
        int lines;
    };
    const struct Case {
        const char* what;
        std::vector<std::string> lines;
        std::vector<keldo::FormationTop> tops;
        std::vector<Expected> zones;
        size_t skipped;
    } cases[] = {
        {"a row at a top belongs to the zone below", MetreLines(100, 110),
            {Top("A", 102), Top("B", 105.5), Top("C", 108)},
            {{"A", 102, 105.5f, 4}, {"B", 105.5f, 108, 2}, {"C", 108, 110, 3}}, 0},
        {"tops in any order, depths falling", MetreLines(110, 100), {Top("C", 108), Top("A", 102)},
            {{"A", 102, 108, 6}, {"C", 108, 110, 3}}, 0},
        {"a top at the deepest measurement makes a zone of one row", MetreLines(100, 110),
            {Top("A", 100), Top("Z", 110)}, {{"A", 100, 110, 10}, {"Z", 110, 110, 1}}, 0},
        {"tops outside the measurements are skipped", MetreLines(100, 110),
            {Top("über", 99.999), Top("A", 104), Top("unter", 110.001)}, {{"A", 104, 110, 7}}, 2},
        {"two tops at one depth: the first zone is empty", MetreLines(100, 110), {Top("A", 104), Top("B", 104)},
            {{"A", 104, 104, 0}, {"B", 104, 110, 7}}, 0},
        {"no measurements", {}, {Top("A", 104)}, {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::WellZones zones = keldo::ZonesOfWell(c.tops, c.lines, {});
        ASSERT_EQ(zones.zones.size(), c.zones.size());
        EXPECT_EQ(zones.skipped.size(), c.skipped);
        for (size_t i = 0; i < c.zones.size(); ++i) {
            const keldo::Zone& z = zones.zones[i];
            EXPECT_EQ(z.name, c.zones[i].name);
            EXPECT_EQ(z.top, c.zones[i].top);
            EXPECT_EQ(z.base, c.zones[i].base);
            EXPECT_EQ(z.last, i + 1 == c.zones.size());
            EXPECT_EQ(LinesInZone(c.lines, z), c.zones[i].lines) << z.name;
        }
    }
}

TEST(Zones, SkippedTopsAreReported)
{
    const keldo::WellZones zones
        = keldo::ZonesOfWell({Top("Hugin", 3200, keldo::TopReference::Tvdss, 4)}, MetreLines(3000, 3100), {});
    ASSERT_EQ(zones.skipped.size(), 1u);
    EXPECT_EQ(keldo::SkippedTopMessage("15/9-F-11 A", zones.skipped[0]),
        "Bohrung \"15/9-F-11 A\", Formationsgrenze \"Hugin\" (Zeile 4): Die Teufe 3200.000 m liegt außerhalb der "
        "Messwerte (3000.000 bis 3100.000 m); die Grenze wird übergangen.");
    const keldo::WellZones none = keldo::ZonesOfWell({Top("Hugin", 3200)}, {}, {});
    EXPECT_EQ(keldo::SkippedTopMessage("F", none.skipped[0]),
        "Bohrung \"F\", Formationsgrenze \"Hugin\" (Zeile 2): Die Bohrung hat keine Messwerte; die Grenze wird "
        "übergangen.");
}

// 15/9-F-11 A from its LAS file (indexed by MD) with its survey and the
// elevation of its header, as the import makes its lines: a top at the MD of
// a kept LAS row lands exactly on that row's line, whichever way it is given.
TEST(Zones, TopsInMdGoThroughTheSurvey)
{
    keldo::LasImportRequest request;
    request.lasFile = VolveWellLas("15_9-F-11_A");
    request.surveyFile = VolveWellSurvey("15_9-F-11_A");
    keldo::LasImportResult imported;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(request, imported, error)) << error.Message();
    std::vector<keldo::SurveyStation> stations;
    ASSERT_TRUE(keldo::ReadSurveyFile(request.surveyFile, stations, error)) << error.Message();
    const keldo::WellPath path(stations);
    const keldo::WellDepthFrame frame{true, &path, imported.elevation};
    const std::vector<std::string>& lines = imported.rows.lines;
    const std::vector<double>& md = imported.log.values[imported.curves.depth];

    for (const size_t k : {size_t{1}, size_t{700}, lines.size() - 1}) {
        const double rowMd = md[imported.rows.rows[k]];
        keldo::MeasurementValues line;
        ASSERT_TRUE(keldo::ReadMeasurementLine(lines[k], line));
        SCOPED_TRACE(rowMd);
        const struct {
            const char* what;
            keldo::FormationTop top;
        } cases[] = {
            {"md", Top("A", rowMd, keldo::TopReference::Md)},
            {"the well's depth curve, MD", Top("A", rowMd)},
            {"tvdss, the line's depth", Top("A", line.tvd, keldo::TopReference::Tvdss)},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            EXPECT_EQ(keldo::TopLineDepth(c.top, frame), line.tvd);
            const keldo::WellZones zones = keldo::ZonesOfWell({c.top}, lines, frame);
            ASSERT_EQ(zones.zones.size(), 1u);
            EXPECT_EQ(LinesInZone(lines, zones.zones[0]), static_cast<int>(lines.size() - k));
        }
    }
    // Without a survey MD is taken as TVD, as the import takes it.
    const keldo::WellDepthFrame vertical{true, nullptr, 54.9};
    EXPECT_EQ(keldo::TopLineDepth(Top("A", 3000), vertical), 2945.1f);
}

// The numbers of each zone are those of a run limited to its window: the
// contact run's rows there (as the statistics read them back) and its
// lines. 15/9-F-11 A as the field example prepares it, tops in TVDSS.
TEST(ZoneResults, AreThoseOfARunLimitedToTheZone)
{
    keldo::FieldTemplate model;
    std::string text;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, text)) << text;
    keldo::WellInputs inputs;
    inputs.lasFile = VolveWellLas("15_9-F-11_A");
    inputs.surveyFile = VolveWellSurvey("15_9-F-11_A");
    inputs.elevation.reset();
    const keldo::WellSettings settings;
    keldo::MessageLog log;
    CKeldoDoc doc(log);
    ASSERT_TRUE(keldo::PrepareWell({.inputs = inputs, .settings = settings, .model = &model}, doc, log).Prepared());
    const CKeldoInputs well = doc;

    // The log runs from 2928.279 to 3052.200 m TVDSS.
    const std::vector<keldo::FormationTop> tops{
        Top("oben", 2928.279, keldo::TopReference::Tvdss), Top("mitte", 2990, keldo::TopReference::Tvdss),
        Top("unten", 3020.5, keldo::TopReference::Tvdss)};
    const keldo::WellZones zones = keldo::ZonesOfWell(tops, doc.m_Messwerte, {true, nullptr, 0});
    ASSERT_EQ(zones.zones.size(), 3u);
    int measurements = 0;
    for (const keldo::Zone& zone : zones.zones) {
        SCOPED_TRACE(zone.name);
        const keldo::ZoneResult result = keldo::ComputeZone(zone, {well, doc.m_Messwerte});
        static_cast<CKeldoInputs&>(doc) = well;
        keldo::LimitToZone(doc, zone);
        doc.m_nModus = 1;
        doc.Compute();
        ASSERT_TRUE(doc.LastRunCompleted());
        const keldo::ContactQuantiles q = keldo::QuantilesOf(doc.m_KontakteKlasse1);
        EXPECT_EQ(result.measurements, LinesInZone(doc.m_Messwerte, zone));
        EXPECT_EQ(result.contacts, static_cast<int>(doc.m_KontakteKlasse1.size()));
        EXPECT_GT(result.contacts, 10);
        EXPECT_EQ(result.quantiles.p10, q.p10);
        EXPECT_EQ(result.quantiles.median, q.median);
        EXPECT_EQ(result.quantiles.p90, q.p90);
        EXPECT_EQ(result.netPay.rows, result.measurements);
        measurements += result.measurements;
    }
    // The zones share out the whole log.
    EXPECT_EQ(measurements, 1533);
}

TEST(ZoneResults, BlockAndCsvRow)
{
    keldo::ZoneResult r;
    r.zone = {"Hugin, oben", 4, 3010.5f, 3052.2f, true};
    r.measurements = 300;
    r.contacts = 2;
    r.quantiles = {3030.126, 3031.5, 3040.0};
    r.netPay.rows = 300;
    r.netPay.gross = 41.7;
    const std::vector<std::string> block = keldo::ZoneBlock(r);
    ASSERT_GE(block.size(), 6u);
    EXPECT_EQ(block[1], "  ZONE Hugin, oben: 3010.500 bis 3052.200 m");
    EXPECT_EQ(block[2], "  Kontakte aus den Messwerten        (-):         2");
    EXPECT_EQ(block[3], "  P10 der Kontakte                   (m):   3030.13");
    EXPECT_EQ(keldo::ZonesCsvHeader(), "well,zone,top,base,measurements,count,p10,median,p90,gross,net,pay,ntg,"
                                       "phi_net,sw_net,hcpt_log,hcpt_model\n");
    EXPECT_EQ(keldo::ZonesCsvLine("15/9-F-11 A", r),
        "15/9-F-11 A,\"Hugin, oben\",3010.500,3052.200,300,2,3030.13,3031.50,3040.00,41.700,0.000,0.000,,,,"
        "0.000,0.000\n");
}
