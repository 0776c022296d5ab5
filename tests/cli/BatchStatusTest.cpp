// keldo-batch's exit status after a failure is decided by the failure's
// kind: the status of each real failure stays when every text in it is
// reworded, and it is the status the whole run returns.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "BatchStatus.h"
#include "BatchTestRun.h"
#include "CoreTable.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellPreparation.h"

using keldo::BatchOptions;

namespace {

// Words that name a file that cannot be read, for failures that are refused
// input, and the other way round.
const char* const kMisleading = "ABBRUCH!!Die Datei kern.txt kann nicht gelesen werden! Keine Zeile ist verwertbar.";

keldo::WellPreparation Reworded(keldo::WellPreparation preparation)
{
    preparation.wellData.detail = kMisleading;
    preparation.wellData.file = kMisleading;
    if (!preparation.file)
        preparation.file = keldo::FileResult::Failure(kMisleading);
    return preparation;
}

BatchOptions LasOptions()
{
    BatchOptions options;
    options.inputs.document = OilExampleDocument();
    options.inputs.lasFile = VolveWellLas("15_9-F-11_A");
    options.inputs.surveyFile = VolveWellSurvey("15_9-F-11_A");
    options.inputs.elevation.reset();
    return options;
}

} // namespace

TEST(BatchStatus, PreparationFailuresExitByTheirKind)
{
    ScratchFolder dir;
    WriteBytes(dir.file("kein.las"), "kein LAS\n");
    WriteBytes(dir.file("leer.las"), "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 2900 -999.25 0.3\n");
    WriteBytes(dir.file("messwerte.txt"), "2850 0.2 0.3\n2849 0.2 0.3\n");
    const struct {
        const char* what;
        std::function<void(BatchOptions&)> change; // of the LAS options of 15/9-F-11 A
        int status;
    } rows[] = {
        {"a missing document", [&](BatchOptions& o) { o.inputs.document = dir.file("fehlt.kld"); },
            keldo::kBatchUnreadable},
        {"a file that is no LAS file", [&](BatchOptions& o) { o.inputs.lasFile = dir.file("kein.las"); },
            keldo::kBatchUnreadable},
        {"a missing survey", [&](BatchOptions& o) { o.inputs.surveyFile = dir.file("fehlt.txt"); },
            keldo::kBatchUnreadable},
        {"an unknown curve", [](BatchOptions& o) { o.inputs.swCurve = "SWX"; }, keldo::kBatchRefused},
        {"no usable row",
            [&](BatchOptions& o) { o.inputs.lasFile = dir.file("leer.las"), o.inputs.surveyFile.clear(); },
            keldo::kBatchRefused},
        {"a cut-off the checks refuse", [](BatchOptions& o) { o.settings.cutoff = 0.5f; }, keldo::kBatchRefused},
        {"a measurement file out of order",
            [&](BatchOptions& o) {
                o.inputs.lasFile.clear();
                o.inputs.measurementsFile = dir.file("messwerte.txt");
                o.inputs.descending = false;
            },
            keldo::kBatchRefused},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        BatchOptions options = LasOptions();
        row.change(options);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        const keldo::WellPreparation preparation
            = keldo::PrepareWell({.inputs = options.inputs, .settings = options.settings}, doc, box);
        EXPECT_EQ(keldo::StatusOf(preparation), row.status);
        EXPECT_EQ(keldo::StatusOf(Reworded(preparation)), row.status);
        EXPECT_EQ(RunTool(options).status, row.status);
    }
}

TEST(BatchStatus, CoreTableFailuresExitByTheirKind)
{
    ScratchFolder dir;
    WriteBytes(dir.file("komma.txt"), "2900.0 0.21 120\n2910.0 0,18 35\n");
    const struct {
        const char* what;
        std::string file;
        keldo::CoreTableErrorKind kind;
        int status;
    } rows[] = {
        {"a missing table", dir.file("fehlt.txt"), keldo::CoreTableErrorKind::CannotOpen, keldo::kBatchUnreadable},
        {"a folder", dir.path().string(), keldo::CoreTableErrorKind::CannotOpen, keldo::kBatchUnreadable},
        {"a bad line", dir.file("komma.txt"), keldo::CoreTableErrorKind::BadLine, keldo::kBatchRefused},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<keldo::PhiKSample> samples;
        keldo::CoreTableError error;
        ASSERT_FALSE(keldo::ReadCoreTable(row.file, samples, error));
        EXPECT_EQ(error.kind, row.kind);
        EXPECT_EQ(keldo::StatusOf(error), row.status);
        // The message of a table that cannot be opened, naming another file,
        // and a bad line quoted as something else.
        keldo::CoreTableError reworded = error;
        reworded.file = "kern.txt";
        reworded.quoted = kMisleading;
        EXPECT_EQ(keldo::StatusOf(reworded), row.status);

        BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.fitPhiK = true;
        options.coreFile = row.file;
        const Outcome run = RunTool(options);
        EXPECT_EQ(run.status, row.status);
        EXPECT_NE(run.messages.find(error.Message() + "\n"), std::string::npos) << run.messages;
    }
}
