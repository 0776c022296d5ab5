// keldo-batch's exit status follows the run: 0 when it ran to its end, 3 when
// it stopped, with the run's message on standard error.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "BatchRun.h"
#include "WellDataTestFiles.h"

TEST(BatchStoppedRun, ExitStatusFollowsTheRun)
{
    struct Row {
        const char* what;
        int modus;
        float minTeufe, maxTeufe;
        int status;
        const char* message;
    };
    // The gas example's measurements lie between 2850.0 and 2959.8 m TVDSS.
    const Row rows[] = {
        {"water saturation", 0, 2850, 2960, keldo::kBatchCompleted, "Berechnung der Saettigung abgeschlossen\n"},
        {"contacts", 1, 2850, 2960, keldo::kBatchCompleted, ""},
        {"Min above Max", 0, 2960, 2850, keldo::kBatchStopped,
            "ABBRUCH!!Im Teufenbereich von 2960 m bis 2850 m liegt kein Messwert!\n"},
        {"below the log, contacts", 1, 2970, 3000, keldo::kBatchStopped,
            "ABBRUCH!!Im Teufenbereich von 2970 m bis 3000 m liegt kein Messwert!\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        keldo::BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.settings.modus = row.modus;
        options.settings.minTeufe = row.minTeufe;
        options.settings.maxTeufe = row.maxTeufe;
        std::ostringstream report, messages;
        EXPECT_EQ(keldo::RunBatch(options, report, messages), row.status);
        EXPECT_EQ(messages.str(), row.message);
    }
}
