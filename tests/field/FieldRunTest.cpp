// Many wells on a pool of threads: calling a study off between wells.
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "FieldRun.h"
#include "WellDataTestFiles.h"

// Called off after the first well: the wells running finish, the others
// reach the sink as not run; every well reaches it exactly once.
TEST(FieldRun, CallingOffStopsBetweenWells)
{
    keldo::FieldStudy study;
    for (int i = 0; i < 12; ++i) {
        keldo::FieldWell well;
        well.name = "F-12 Nr. " + std::to_string(i + 1);
        well.inputs.document = GasExampleDocument();
        study.wells.push_back(well);
    }
    for (int jobs : {1, 3}) {
        SCOPED_TRACE(jobs);
        std::atomic<bool> cancel{false};
        std::vector<int> seen(study.wells.size(), 0);
        int computed = 0;
        keldo::RunField(
            study, nullptr, {}, jobs,
            [&](keldo::WellOutcome&& out) {
                ++seen[out.index];
                if (out.summary.status == keldo::WellStatus::Completed)
                    ++computed;
                else
                    EXPECT_EQ(out.summary.status, keldo::WellStatus::NotRun);
                EXPECT_EQ(out.summary.folder, "F-12_Nr._" + std::to_string(out.index + 1));
                cancel = true;
            },
            &cancel);
        EXPECT_EQ(seen, std::vector<int>(study.wells.size(), 1));
        EXPECT_GE(computed, 1);
        EXPECT_LE(computed, 2 * jobs); // those running and those waiting for the sink
    }
}
