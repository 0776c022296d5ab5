#include <gtest/gtest.h>

#include "CorePcExample.h"
#include "DefaultParameters.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "PcNormalization.h"
#include "PcTestSets.h"
#include "PcTestTable.h"

// The synthetic example set of examples/core-pc: what the script makes, and
// what the normalization gives back from it.
TEST(CorePcExample, IsWhatTheScriptMakesAndGivesItsModelBack)
{
    const std::string text = SourceFile("examples/core-pc/core-pc.csv");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text, keldo::CorePcExampleText()) << "run scripts/make-core-pc-example";

    const keldo::PcTableResult table = keldo::ReadPcTableText(text);
    ASSERT_TRUE(table.ok) << keldo::PcTableErrorMessage(table.error);
    ASSERT_EQ(table.table.samples.size(), 12u);
    const keldo::PcNormalization n = keldo::NormalizePc(table.table, {});
    ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
    EXPECT_EQ(n.pcMax, 141.7f);
    EXPECT_TRUE(n.excluded.empty());
    EXPECT_TRUE(n.refinedTaken);
    EXPECT_LE(n.rmsRefined, n.rmsTwoStep);

    // The heights of the gas example's fluids within 5 % of those of the
    // coefficients the set was made with.
    const auto height = [](const keldo::PcCoefficients& c, float pcMax, double k, float sw) {
        CKeldoInputs in;
        SetDefaultGasParameters(in);
        keldo::WriteCoefficients(c, pcMax, in);
        return keldo::HeightAboveContact(keldo::CurveFor(keldo::ModelParametersFor(in), k), sw).metres;
    };
    for (const double k : {1.0, 10.0, 100.0, 1000.0})
        for (const float sw : {0.3f, 0.5f, 0.8f}) {
            const double want = height(DialogDefaultCoefficients(), 141.7f, k, sw);
            EXPECT_NEAR(height(n.Chosen(), n.pcMax, k, sw), want, 0.05 * want) << "K " << k << " Sw " << sw;
        }
}
