// The study writer's check before summary.csv: a computed well whose files
// are not all on disk is not_written, naming the first file missing; the
// pressure block is due only where the well's pressure file gave a level.
#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "StudyWriter.h"

TEST(StudyCompleteness, EveryFileOfAComputedWellIsOnDisk)
{
    const struct Case {
        const char* what;
        bool level;          // the well's pressure file gave a level: pressure.txt is due
        const char* removed; // from the well's folder before Finish; "" none
        bool completed;
    } cases[] = {
        {"all there", true, "", true},
        {"no pressure file, no block due", false, "", true},
        {"the curves missing", false, "curves.las", false},
        {"the pressure block missing", true, "pressure.txt", false},
        {"the contact report missing", true, "contact.txt", false},
        {"the messages missing", false, "messages.txt", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string out = dir.file("aus");
        keldo::FolderProblem problem;
        auto writer = keldo::StudyWriter::Open(out, {}, problem);
        ASSERT_TRUE(writer) << keldo::FolderProblemMessage(problem);

        keldo::WellOutcome outcome;
        outcome.summary.well = outcome.summary.folder = "A";
        outcome.summary.status = keldo::WellStatus::Completed;
        outcome.summary.prepared = true;
        outcome.saturationReport = outcome.contactReport = {"Bericht"};
        outcome.curves = std::make_unique<keldo::MeasurementCurves>();
        if (c.level) {
            outcome.summary.freeWaterLevel = 2940.19f;
            outcome.pressureReport = {"  FREIES WASSERNIVEAU AUS FORMATIONSDRÜCKEN"};
        }
        std::string error;
        ASSERT_TRUE(writer->WriteWell(outcome, error)) << error;
        EXPECT_EQ(std::filesystem::exists(dir.file(".aus.keldo-neu/A/pressure.txt")), c.level);
        if (*c.removed)
            std::filesystem::remove(dir.file(std::string(".aus.keldo-neu/A/") + c.removed));

        std::vector<keldo::WellSummary> rows = {outcome.summary};
        std::vector<std::string> errors;
        EXPECT_EQ(writer->Finish(rows, errors), c.completed);
        if (c.completed) {
            EXPECT_EQ(rows[0].status, keldo::WellStatus::Completed);
            EXPECT_TRUE(errors.empty());
            continue;
        }
        const std::string message = "Die Datei \"" + out + "/A/" + c.removed + "\" fehlt.";
        EXPECT_EQ(rows[0].status, keldo::WellStatus::NotWritten);
        EXPECT_EQ(rows[0].message, message);
        EXPECT_EQ(errors, std::vector<std::string>{message});
        EXPECT_NE(ReadBytes(out + "/summary.csv").find("not_written"), std::string::npos);
    }
}
