// Which column of a field row a failed well is blamed on, and what its
// message says, come from the failure's data. The same failures with every
// text in them reworded, to words that name other columns, keep their
// column; the message then says the new words.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "DocumentFile.h"
#include "FieldFile.h"
#include "KeldoDoc.h"
#include "MessageLog.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellRun.h"

using keldo::FieldColumn;
using keldo::FieldWell;

namespace {

// Words that the row's message could never hold for these failures: they
// name a survey, the depth and porosity roles and the cut-off.
const char* const kMisleading = "ABBRUCH!!Bohrpfaddatei x: Die Kurve \"X\" (Teufe) ist nicht als Porosität zu "
                                "erkennen; Spalte cutoff";

keldo::WellPreparation Reworded(keldo::WellPreparation preparation)
{
    preparation.wellData.detail = kMisleading;
    preparation.wellData.file = kMisleading;
    if (!preparation.file)
        preparation.file = keldo::FileResult::Failure(kMisleading);
    return preparation;
}

FieldWell LasRow(const std::string& well)
{
    FieldWell row;
    row.line = 4;
    row.name = well;
    row.inputs.lasFile = VolveWellLas(well);
    row.inputs.surveyFile = VolveWellSurvey(well);
    row.inputs.elevation.reset();
    return row;
}

} // namespace

TEST(WellFailure, ColumnFollowsTheKindOfTheFailureNotItsWords)
{
    ScratchFolder dir;
    WriteBytes(dir.file("eine-station.txt"), "MD INC AZI\n100 5 10\n");
    WriteBytes(dir.file("ohne-phi.las"), "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n GR. :\n SW. :\n~A\n 2900 20 0.3\n");
    keldo::FieldTemplate model;
    std::string error;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;

    {
        keldo::MessageLog box;
        CKeldoDoc water(box);
        ASSERT_TRUE(keldo::LoadDocument(GasExampleDocument(), water));
        water.m_fWasserdichte = 0;
        ASSERT_TRUE(keldo::SaveDocument(dir.file("wasser.kld"), water));
    }

    const struct {
        const char* what;
        std::function<void(FieldWell&)> change; // of the row of 15/9-F-11 A
        FieldColumn column;
        float studyCutoff = 0.06f; // for a row without a cut-off
        bool modelGiven = true;
    } rows[] = {
        {"missing document", [&](FieldWell& w) { w.inputs = {}, w.inputs.document = dir.file("fehlt.kld"); },
            FieldColumn::Document},
        {"document refused by the checks",
            [&](FieldWell& w) { w.inputs = {}, w.inputs.document = dir.file("wasser.kld"); }, FieldColumn::Document},
        {"the study's cut-off refused for a document",
            [](FieldWell& w) { w.inputs = {}, w.inputs.document = GasExampleDocument(); }, FieldColumn::Document, 0.5f},
        {"the study's cut-off refused for a LAS file", [](FieldWell&) {}, FieldColumn::Las, 0.5f},
        {"the row's cut-off refused", [](FieldWell& w) { w.cutoff = 0.5f; }, FieldColumn::Cutoff},
        {"no model", [](FieldWell&) {}, FieldColumn::Las, 0.06f, false},
        {"missing LAS file", [&](FieldWell& w) { w.inputs.lasFile = dir.file("fehlt.las"); }, FieldColumn::Las},
        {"survey of one station", [&](FieldWell& w) { w.inputs.surveyFile = dir.file("eine-station.txt"); },
            FieldColumn::Survey},
        {"unknown depth curve", [](FieldWell& w) { w.inputs.depthCurve = "MD"; }, FieldColumn::DepthCurve},
        {"unknown porosity curve", [](FieldWell& w) { w.inputs.porosityCurve = "PHIX"; }, FieldColumn::PorosityCurve},
        {"unknown Sw curve", [](FieldWell& w) { w.inputs.swCurve = "SWX"; }, FieldColumn::SwCurve},
        {"no porosity curve to suggest",
            [&](FieldWell& w) { w.inputs.lasFile = dir.file("ohne-phi.las"), w.inputs.surveyFile.clear(); },
            FieldColumn::PorosityCurve},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FieldWell well = LasRow("15_9-F-11_A");
        row.change(well);
        keldo::WellSettings settings; // as a study prepares a row
        settings.cutoff = well.cutoff.value_or(row.studyCutoff);
        keldo::MessageLog log;
        CKeldoDoc doc(log);
        const keldo::WellPreparation preparation = keldo::PrepareWell(
            {.inputs = well.inputs, .settings = settings, .model = row.modelGiven ? &model : nullptr}, doc, log);
        ASSERT_FALSE(preparation.Prepared());
        EXPECT_EQ(keldo::ColumnOfFailure(well, preparation), row.column);

        const keldo::WellPreparation reworded = Reworded(preparation);
        EXPECT_EQ(keldo::ColumnOfFailure(well, reworded), row.column);
        // The words of the message are the failure's own.
        const std::string text = keldo::FailureText(reworded, log.Texts());
        const bool fromFile = preparation.status == keldo::PreparationStatus::DocumentUnreadable
            || preparation.status == keldo::PreparationStatus::ModelUnreadable
            || preparation.status == keldo::PreparationStatus::WellDataUnusable;
        EXPECT_EQ(text.find(kMisleading) != std::string::npos, fromFile) << text;
        EXPECT_EQ(keldo::FailureText(preparation, log.Texts()).find(kMisleading), std::string::npos);
    }
}
