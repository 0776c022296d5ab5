#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "SaturationMisfit.h"
#include "VolveWell.h"

namespace {

// Well 15/9-F-11 B with the oil example's model over its whole logged range.
struct WellF11B : ::testing::Test {
    std::vector<std::string> lines = ReadVolveWell("15_9-F-11_B.txt");
    CKeldoInputs inputs;

    WellF11B()
    {
        SetOilExampleParameters(inputs);
        inputs.m_fMinTeufe = kF11BTop;
        inputs.m_fMaxTeufe = kF11BBottom;
    }
};

} // namespace

TEST_F(WellF11B, EveryRowIsTheRunsSaturationToTheBit)
{
    ASSERT_EQ(lines.size(), 13709u);
    const keldo::PreparedSaturationRows prepared = keldo::PrepareSaturationRows(inputs, lines);
    // 2,372 lines have a porosity below the cut-off of 0.06.
    ASSERT_EQ(prepared.rows.size(), 13709u - 2372u);
    EXPECT_EQ(prepared.excluded, 0);

    RecordingMessageBox box;
    CKeldoDoc doc(box);
    static_cast<CKeldoInputs&>(doc) = inputs;
    // Above the well, inside it, at the toe's transition and far below it.
    std::vector<float> sideBySide;
    for (float contact : {2700.0f, 2985.5f, 3027.0f, 3160.0f, 3482.2f}) {
        SCOPED_TRACE(contact);
        doc.m_fKontakt = contact;
        doc.ReportHeader();
        keldo::ComputedSaturations(prepared, contact, sideBySide);
        ASSERT_EQ(sideBySide.size(), prepared.rows.size());
        double sum = 0;
        for (size_t i = 0; i < prepared.rows.size(); ++i) {
            const keldo::PreparedSaturationRow& row = prepared.rows[i];
            const float sw = doc.SwInTeufe(row.depth, row.porosity);
            ASSERT_EQ(keldo::ComputedSaturation(row, contact), sw) << row.depth;
            ASSERT_EQ(sideBySide[i], sw) << "side by side, " << row.depth;
            sum += (static_cast<double>(sw) - row.measuredSw) * (static_cast<double>(sw) - row.measuredSw);
        }
        const keldo::Misfit misfit = keldo::SaturationMisfit(prepared, contact);
        EXPECT_EQ(misfit.n, static_cast<int>(prepared.rows.size()));
        EXPECT_EQ(misfit.rms, std::sqrt(sum / misfit.n)); // the rows summed in the same order
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(WellF11B, MisfitIsSmallestWhereTheWaterLegBegins)
{
    // The log's water leg starts below about 3160 m TVDSS (data README); the
    // example's coefficients are not fitted to this well, so allow 40 m.
    const keldo::PreparedSaturationRows prepared = keldo::PrepareSaturationRows(inputs, lines);
    float best = 0;
    double bestRms = INFINITY;
    for (float contact = 2950; contact <= 3350; contact += 10) {
        const double rms = keldo::SaturationMisfit(prepared, contact).rms;
        if (rms < bestRms) {
            bestRms = rms;
            best = contact;
        }
    }
    EXPECT_NEAR(best, 3160, 40);
    EXPECT_LT(bestRms, keldo::SaturationMisfit(prepared, 3027).rms);
}

// The searches run side by side take the same steps as the run's one by one,
// also where the curve is flat and the bracket is halved.
TEST(SaturationMisfit, SideBySideSearchesGiveTheRunsSaturations)
{
    struct Case {
        const char* what;
        const char* well;
        float minDepth, maxDepth;
        void (*set)(CKeldoInputs&);
        std::vector<float> contacts;
    };
    const Case cases[] = {
        // 45 rows of gas sand at very high permeability, about 140 m above the
        // contact; one of them at 2950 m has a flat curve near Sw = 1.
        {"top of 15/9-F-12, default gas model", "15_9-F-12.txt", 2800, 2808.3f, SetDefaultGasParameters,
            {2810, 2850, 2950}},
        // The relation keldo-batch --fit-phik fits to the well's KLOGH curve
        // makes the sands far more permeable than the example's.
        {"15/9-F-11 B, the Phi-K relation fitted to its KLOGH", "15_9-F-11_B.txt", kF11BTop, kF11BBottom,
            [](CKeldoInputs& in) {
                SetOilExampleParameters(in);
                in.m_fPhiK0 = -1.88064f;
                in.m_fPhiK1 = 16.5132f;
                in.m_fPhiK2 = 10.5877f;
            },
            {2850, 3145.19f, 3400}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        c.set(doc);
        doc.m_fMinTeufe = c.minDepth;
        doc.m_fMaxTeufe = c.maxDepth;
        const keldo::PreparedSaturationRows prepared = keldo::PrepareSaturationRows(doc, ReadVolveWell(c.well));
        ASSERT_GT(prepared.rows.size(), 40u);
        std::vector<float> sideBySide;
        for (const float contact : c.contacts) {
            SCOPED_TRACE(contact);
            doc.m_fKontakt = contact;
            doc.ReportHeader();
            keldo::ComputedSaturations(prepared, contact, sideBySide);
            ASSERT_EQ(sideBySide.size(), prepared.rows.size());
            for (size_t i = 0; i < prepared.rows.size(); ++i) {
                const keldo::PreparedSaturationRow& row = prepared.rows[i];
                ASSERT_EQ(sideBySide[i], doc.SwInTeufe(row.depth, row.porosity)) << row.depth;
            }
        }
    }
}

TEST(SaturationMisfit, RowsThatCannotBeFittedAreLeftOutAndCounted)
{
    struct Row {
        const char* what;
        std::vector<std::string> lines;
        void (*set)(CKeldoInputs&);
        int n, excluded;
    };
    const Row rows[] = {
        {"three rows", {"2900 0.20 0.30", "2910 0.22 0.40", "2920 0.18 0.90"}, [](CKeldoInputs&) {}, 3, 0},
        {"a line without three numbers", {"2900 0.20 0.30", "2910 0.22", "2920 0.18 0.90"}, [](CKeldoInputs&) {}, 2, 1},
        {"outside the window or below the cut-off: not rows", {"2700 0.20 0.30", "2910 0.05 1.0", "2920 0.18 0.90"},
            [](CKeldoInputs&) {}, 1, 0},
        {"pore pressure at 0.23 bar/m overburden", {"2850 0.20 0.30", "2910 0.22 0.40"},
            [](CKeldoInputs& in) { in.m_fInitialdruck = 660; }, 1, 1},
        {"no permeability", {"2900 0.0 0.30", "2910 0.22 0.40"}, [](CKeldoInputs& in) { in.m_fCutoff = 0; }, 1, 1},
        {"oil not lighter than water", {"2900 0.20 0.30", "2910 0.22 0.40"},
            [](CKeldoInputs& in) { in.m_fDichteKW = 1100; }, 0, 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CKeldoInputs in;
        SetOilExampleParameters(in);
        in.m_fMinTeufe = 2800;
        in.m_fMaxTeufe = 3000;
        row.set(in);
        const keldo::Misfit misfit = keldo::SaturationMisfit(keldo::PrepareSaturationRows(in, row.lines), 3027);
        EXPECT_EQ(misfit.n, row.n);
        EXPECT_EQ(misfit.excluded, row.excluded);
        EXPECT_EQ(std::isnan(misfit.rms), row.n == 0);
    }
}
