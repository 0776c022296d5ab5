// A study's curves, net pay and zones: each well's curves are those of the
// well computed alone (the model saturations the summary computed are taken
// again bit for bit), its zones are what keldo-batch gives with --zone, and
// netpay.csv and zones.csv hold a row for every well and zone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BatchRun.h"
#include "CurvesLas.h"
#include "FieldFile.h"
#include "FieldOutputs.h"
#include "FormationTops.h"
#include "KeldoDoc.h"
#include "MessageLog.h"
#include "NetPayReport.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellRun.h"
#include "ZoneResults.h"

namespace {

struct VolveStudy {
    keldo::FieldStudy study;
    keldo::FieldTemplate model;
    std::vector<keldo::FormationTop> tops;
};

VolveStudy ReadVolveStudy()
{
    VolveStudy v;
    std::string error;
    EXPECT_TRUE(keldo::ReadFieldFile(ExampleFile("volve-field.csv"), v.study, error)) << error;
    EXPECT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), v.model, error)) << error;
    keldo::TopsError topsError;
    EXPECT_TRUE(keldo::ReadFormationTopsFile(ExampleFile("volve-tops.csv"), v.tops, topsError));
    return v;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

} // namespace

// Each well of the Volve study, with and without the saturations the
// summary's misfit computed: the same curves to the byte.
TEST(FieldReservoir, CurvesAreThoseOfTheWellAlone)
{
    const VolveStudy v = ReadVolveStudy();
    keldo::FieldSettings settings;
    settings.tops = &v.tops;
    for (const keldo::FieldWell& well : v.study.wells) {
        SCOPED_TRACE(well.name);
        const keldo::WellOutcome out = keldo::RunWell(well, &v.model, settings);
        ASSERT_TRUE(out.curves);
        EXPECT_EQ(out.depth, keldo::DepthReference::Tvdss);

        keldo::MessageLog log;
        CKeldoDoc doc(log);
        const keldo::WellPreparation prepared = keldo::PrepareWell(
            {.inputs = well.inputs, .settings = {}, .model = &v.model, .shaleVolume = true}, doc, log);
        ASSERT_TRUE(prepared.Prepared());
        ASSERT_TRUE(prepared.shale);
        if (well.contact)
            doc.m_fKontakt = *well.contact;
        const keldo::MeasurementCurves alone
            = keldo::ComputeCurves({doc, doc.m_Messwerte, &prepared.shale->values});
        EXPECT_TRUE(keldo::CurvesLasText(*out.curves, keldo::DepthReference::Tvdss)
            == keldo::CurvesLasText(alone, keldo::DepthReference::Tvdss));
        EXPECT_EQ(keldo::NetPayCsvLine(well.name, out.summary.netPay),
            keldo::NetPayCsvLine(well.name, keldo::ComputeNetPay(alone.rows)));
    }
}

// Every zone of the wells whose contact is the model's: the block keldo-batch
// prints for the well run with --zone is the block of the study's zone.
TEST(FieldReservoir, ZonesAreKeldoBatchRunPerZone)
{
    const VolveStudy v = ReadVolveStudy();
    keldo::FieldSettings settings;
    settings.tops = &v.tops;
    int compared = 0;
    for (const keldo::FieldWell& well : v.study.wells) {
        if (well.contact)
            continue; // keldo-batch takes the document's contact
        SCOPED_TRACE(well.name);
        const keldo::WellOutcome out = keldo::RunWell(well, &v.model, settings);
        ASSERT_EQ(out.summary.zones.size(), 2u);
        for (const keldo::ZoneResult& zone : out.summary.zones) {
            keldo::BatchOptions options;
            options.inputs = well.inputs;
            options.inputs.document = OilExampleDocument();
            options.topsFile = ExampleFile("volve-tops.csv");
            options.zone = zone.zone.name;
            std::ostringstream report, messages;
            ASSERT_EQ(keldo::RunBatch(options, report, messages), keldo::kBatchCompleted) << messages.str();
            const std::string block = Joined(keldo::ZoneBlock(zone));
            EXPECT_NE(report.str().find(block), std::string::npos) << zone.zone.name << "\n" << block;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 4);
}

// netpay.csv has a row for every well, empty numbers where a well was not
// prepared; zones.csv one for every zone, and none is left from a study with
// tops when the next one has none.
TEST(FieldReservoir, StudyFilesHoldEveryWellAndZone)
{
    ScratchFolder dir;
    keldo::WellSummary read;
    read.well = "15/9-F-12";
    read.prepared = true;
    read.netPay.rows = 3;
    read.netPay.gross = 1.5;
    read.netPay.net = 1.0;
    read.netPay.pay = 0.25;
    read.netPay.netToGross = 2.0 / 3.0;
    keldo::ZoneResult zone;
    zone.zone = {"Oberer Sand", 3, 2850.0f, 2930.0f, false};
    zone.measurements = 3;
    read.zones = {zone};
    keldo::WellSummary unread;
    unread.well = "Kaputt, 1";
    unread.status = keldo::WellStatus::Unreadable;
    std::string error;
    ASSERT_TRUE(keldo::WriteFieldOutputs(dir.path().string(), {read, unread}, {}, error, true)) << error;
    EXPECT_EQ(ReadText(dir.file("netpay.csv")),
        "well,gross,net,pay,ntg,phi_net,sw_net,hcpt_log,hcpt_model\n"
        "15/9-F-12,1.500,1.000,0.250,0.6667,,,0.000,0.000\n"
        "\"Kaputt, 1\",,,,,,,,\n");
    EXPECT_EQ(ReadText(dir.file("zones.csv")),
        keldo::ZonesCsvHeader() + "15/9-F-12,Oberer Sand,2850.000,2930.000,3,0,,,,0.000,0.000,0.000,,,,0.000,0.000\n");

    ASSERT_TRUE(keldo::WriteFieldOutputs(dir.path().string(), {read, unread}, {}, error, false)) << error;
    EXPECT_FALSE(std::filesystem::exists(dir.file("zones.csv")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("netpay.csv")));
}

// The study's net pay with the row's shale-volume curve and the study's
// cut-offs: each well's netpay.csv numbers are those keldo-batch prints with
// --net-pay and the same --vsh-curve, --sw-cutoff and --vsh-cutoff.
// 15/9-F-11 A of examples/volve-field.csv (its LAS file suggests VSH; BVW,
// the bulk volume of water, stands in for another curve the row may name).
TEST(FieldReservoir, ShaleCurveAndCutoffsAsKeldoBatch)
{
    const VolveStudy v = ReadVolveStudy();
    const keldo::FieldTemplate& model = v.model;
    const keldo::FieldWell& volveWell = v.study.wells.at(1);
    ASSERT_EQ(volveWell.name, "15/9-F-11 A");
    ASSERT_FALSE(volveWell.contact); // keldo-batch takes the document's contact

    const struct Case {
        const char* what;
        const char* vsh; // the row's vsh column
        float sw;
        double shale;
        bool sameAsDefault; // the numbers of the first row
    } cases[] = {
        {"the import's suggestion, the default cut-offs", "", 0.5f, 0.4, true},
        {"the suggestion named", "VSH", 0.5f, 0.4, true},
        {"tighter cut-offs", "", 0.3f, 0.2, false},
        {"another curve named", "BVW", 0.5f, 0.4, false},
    };
    std::string defaultLine;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::FieldWell well = volveWell;
        well.inputs.shaleCurve = c.vsh;
        keldo::FieldSettings settings;
        settings.swCutoff = c.sw;
        settings.shaleCutoff = c.shale;
        const keldo::WellOutcome out = keldo::RunWell(well, &model, settings);
        ASSERT_EQ(out.summary.status, keldo::WellStatus::Completed) << out.summary.message;
        EXPECT_TRUE(out.summary.shaleCurve);

        keldo::BatchOptions options;
        options.inputs = well.inputs;
        options.inputs.document = OilExampleDocument();
        options.netPay = true;
        options.swCutoff = c.sw;
        options.shaleCutoff = c.shale;
        std::ostringstream report, messages;
        ASSERT_EQ(keldo::RunBatch(options, report, messages), keldo::kBatchCompleted) << messages.str();
        const std::string block
            = Joined(keldo::NetPayBlock(out.summary.netPay, out.summary.netPayCutoffs, out.summary.shaleCurve));
        EXPECT_NE(report.str().find(block), std::string::npos) << block;

        const std::string line = keldo::NetPayCsvLine(well.name, out.summary.netPay);
        if (defaultLine.empty())
            defaultLine = line;
        EXPECT_EQ(line == defaultLine, c.sameAsDefault) << line;
    }
}

// A shale curve the LAS file does not hold: the well is not read, and its
// message names the row's vsh column.
TEST(FieldReservoir, AMissingShaleCurveNamesItsColumn)
{
    keldo::FieldStudy study;
    keldo::FieldTemplate model;
    std::string error;
    ASSERT_TRUE(keldo::ParseFieldFile("well,las,survey,elevation,vsh\n15/9-F-11 A," + VolveWellLas("15_9-F-11_A") + ","
            + VolveWellSurvey("15_9-F-11_A") + ",auto,VCLX\n",
        "feld.csv", study, error))
        << error;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    const keldo::WellOutcome out = keldo::RunWell(study.wells.at(0), &model, {});
    EXPECT_EQ(out.summary.status, keldo::WellStatus::Unreadable);
    EXPECT_EQ(out.summary.message.rfind("Zeile 2, Spalte vsh: ", 0), 0u) << out.summary.message;
}
