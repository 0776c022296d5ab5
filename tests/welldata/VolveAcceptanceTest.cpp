// The three Volve wells, LAS file plus the operator's survey, give exactly the
// measurement lines that the text import makes from the measurement files
// derived from them (tests/data/volve, made by the data set's own conversion).
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "LasImport.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "WellDataTestFiles.h"

namespace {

struct VolveWell {
    const char* testName;
    const char* las;
    const char* survey;
    const char* measurements;
    size_t missing;      // rows dropped for a NULL PHIF or SW (tests/data/volve/README.md)
    size_t notMonotonic; // rows dropped because the TVDSS did not increase by 1 mm
};

// Dropped counts from the data set's README; no row is out of range in any of them.
const VolveWell kWells[] = {
    {"F12", "15_9-F-12_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-12_ACTUAL.txt", "15_9-F-12.txt", 3, 0},
    {"F11A", "15_9-F-11_A_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-11_A_ACTUAL.txt", "15_9-F-11_A.txt", 336, 0},
    {"F11B", "15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-11_B_ACTUAL.txt", "15_9-F-11_B.txt", 144, 224},
};

class VolveAcceptance : public ::testing::TestWithParam<VolveWell> {};

TEST_P(VolveAcceptance, LasAndSurveyGiveTheTextImportsLines)
{
    const VolveWell& well = GetParam();
    std::vector<std::string> expected;
    {
        std::ifstream in(VolveMeasurementPath(well.measurements), std::ios::binary);
        RecordingMessageBox box;
        ASSERT_TRUE(keldo::ImportMeasurementStream(in, false, box, expected)) << testing::PrintToString(box.shown);
    }

    keldo::LasImportRequest request;
    request.lasFile = VolveLasPath(well.las);
    request.surveyFile = VolveSurveyPath(well.survey);
    request.depthCurve = "DEPTH";
    request.porosityCurve = "PHIF";
    request.swCurve = "SW";
    request.elevation = 54.9;
    keldo::LasImportResult result;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(request, result, error)) << error.Message();

    EXPECT_EQ(result.rows.counts.missing, well.missing);
    EXPECT_EQ(result.rows.counts.notMonotonic, well.notMonotonic);
    EXPECT_EQ(result.rows.counts.outOfRange, 0u);
    EXPECT_EQ(result.rows.counts.kept, expected.size());
    EXPECT_EQ(result.rows.counts.kept + result.rows.counts.Dropped(), result.log.rows);
    ASSERT_EQ(result.rows.lines.size(), expected.size());
    size_t differing = 0;
    for (size_t i = 0; i < expected.size(); ++i)
        if (result.rows.lines[i] != expected[i] && ++differing <= 5)
            ADD_FAILURE() << "line " << i + 1 << ": \"" << result.rows.lines[i] << "\" instead of \"" << expected[i]
                          << "\"";
    EXPECT_EQ(differing, 0u);
}

INSTANTIATE_TEST_SUITE_P(Wells, VolveAcceptance, ::testing::ValuesIn(kWells),
    [](const auto& info) { return std::string(info.param.testName); });

} // namespace
