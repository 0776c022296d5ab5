// The study's net pay with the row's shale-volume curve and the study's
// cut-offs: each well's netpay.csv numbers are those keldo-batch prints with
// --net-pay and the same --vsh-curve, --sw-cutoff and --vsh-cutoff.
#include <gtest/gtest.h>

#include <sstream>

#include "BatchRun.h"
#include "FieldFile.h"
#include "NetPayReport.h"
#include "WellDataTestFiles.h"
#include "WellRun.h"

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

} // namespace

// 15/9-F-11 A of examples/volve-field.csv (its LAS file suggests VSH; BVW,
// the bulk volume of water, stands in for another curve the row may name).
TEST(FieldNetPayOptions, ShaleCurveAndCutoffsAsKeldoBatch)
{
    keldo::FieldStudy study;
    keldo::FieldTemplate model;
    std::string error;
    ASSERT_TRUE(keldo::ReadFieldFile(ExampleFile("volve-field.csv"), study, error)) << error;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    const keldo::FieldWell& volveWell = study.wells.at(1);
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
TEST(FieldNetPayOptions, AMissingShaleCurveNamesItsColumn)
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
