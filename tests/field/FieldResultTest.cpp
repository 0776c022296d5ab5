// The result of a study: placeholders until each well's outcome arrives,
// in whatever order, and the tally keldo-field and the window report.
#include <gtest/gtest.h>

#include "FieldResult.h"

using keldo::WellStatus;

TEST(FieldResult, TallyCountsArrivedWellsAndPlaceholders)
{
    const struct Arrival {
        size_t index;
        WellStatus status;
        bool whole; // Take, else TakeSummary
    } done = {0, WellStatus::Completed, true};
    const struct Case {
        const char* what;
        std::vector<Arrival> arrivals;
        keldo::FieldTally tally; // completed, stopped, unreadable, not run, waiting, not written
        int computed, arrived;
    } cases[] = {
        {"nothing arrived yet", {}, {0, 0, 0, 0, 4}, 0, 0},
        {"out of order, one of each", {{3, WellStatus::Unreadable, false}, done, {1, WellStatus::Stopped, true}},
            {1, 1, 1, 0, 1}, 3, 3},
        {"called off: the wells not begun arrive as not run",
            {done, {2, WellStatus::NotRun, true}, {3, WellStatus::NotRun, false}, {1, WellStatus::Stopped, false}},
            {1, 1, 0, 2, 0}, 2, 4},
        {"an index outside the study is refused", {done, {4, WellStatus::Completed, true}}, {1, 0, 0, 0, 3}, 1, 1},
        {"a well whose files could not be written was computed",
            {done, {2, WellStatus::NotWritten, false}}, {1, 0, 0, 0, 2, 1}, 2, 2},
        {"a well arriving again is counted once, as it ended last",
            {{2, WellStatus::Stopped, true}, {2, WellStatus::Completed, false}}, {1, 0, 0, 0, 3}, 1, 1},
    };
    keldo::FieldStudy study;
    for (const char* name : {"15/9-F-12", "15/9-F-11 A", "15/9-F-11 B", "15/9-F-1 C"}) {
        study.wells.emplace_back();
        study.wells.back().name = name;
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::FieldResult result(study);
        std::vector<bool> whole(study.wells.size(), false);
        for (const Arrival& a : c.arrivals) {
            auto outcome = std::make_shared<keldo::WellOutcome>();
            outcome->index = a.index;
            outcome->summary.well = "aus dem Lauf";
            outcome->summary.status = a.status;
            const bool taken = a.whole ? result.Take(outcome) : result.TakeSummary(*outcome);
            EXPECT_EQ(taken, a.index < study.wells.size());
            if (taken)
                whole[a.index] = a.whole;
        }
        const keldo::FieldTally tally = result.Tally();
        EXPECT_EQ(tally.completed, c.tally.completed);
        EXPECT_EQ(tally.stopped, c.tally.stopped);
        EXPECT_EQ(tally.unreadable, c.tally.unreadable);
        EXPECT_EQ(tally.notRun, c.tally.notRun);
        EXPECT_EQ(tally.waiting, c.tally.waiting);
        EXPECT_EQ(tally.notWritten, c.tally.notWritten);
        EXPECT_EQ(tally.Computed(), c.computed);
        EXPECT_EQ(tally.Arrived(), c.arrived);

        ASSERT_EQ(result.Size(), study.wells.size());
        ASSERT_EQ(result.Summaries().size(), study.wells.size());
        for (size_t i = 0; i < study.wells.size(); ++i) {
            const keldo::WellSummary& row = result.Summaries()[i];
            // A placeholder is the well's name, not run, nothing prepared.
            EXPECT_EQ(row.well, result.Arrived(i) ? "aus dem Lauf" : study.wells[i].name) << i;
            if (!result.Arrived(i)) {
                EXPECT_EQ(row.status, WellStatus::NotRun) << i;
                EXPECT_FALSE(row.prepared) << i;
            }
            EXPECT_EQ(result.Outcomes()[i] != nullptr, whole[i]) << i;
        }
    }
}
