#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "PhiKSamples.h"

namespace {

struct Expected {
    float depth, porosity, permeability;
};

} // namespace

// A log's permeability beside the measurement lines: the values as the
// lines and a core table would give them, single precision throughout.
TEST(PhiKSamplesAtLines, PairsEachLineWithItsPermeability)
{
    const double nan = std::nan("");
    const struct {
        const char* what;
        std::vector<std::string> lines;
        std::vector<double> permeability;
        std::vector<Expected> samples;
    } cases[] = {
        // Two rows of 15/9-F-12 as the LAS import writes them, with their
        // KLOGH of 0.00100000 and 1171.07495 mD
        // (tests/data/volve/klogh/15_9-F-12_phif_klogh.txt).
        {"lines of the LAS import", {"  2804.301      0.26990    0.02050", "  2818.659      0.24090    0.01820"},
            {0.001, 1171.07495}, {{2804.301f, 0.2699f, 0.001f}, {2818.659f, 0.2409f, 1171.07495f}}},
        {"a row without permeability gives no pair", {"2900 0.2 0.3", "2901 0.21 0.3", "2902 0.22 0.3"},
            {12.5, nan, 0.75}, {{2900, 0.2f, 12.5f}, {2902, 0.22f, 0.75f}}},
        // Left to the selection, which counts them.
        {"K not positive stays", {"2900 0.2 0.3", "2901 0.21 0.3"}, {0, -999.25},
            {{2900, 0.2f, 0}, {2901, 0.21f, -999.25f}}},
        {"a line without three numbers gives no pair", {"2900 0.2", "2901 0.21 0.3"}, {5, 6}, {{2901, 0.21f, 6}}},
        {"values beyond the lines are ignored", {"2900 0.2 0.3"}, {5, 6, 7}, {{2900, 0.2f, 5}}},
        {"lines beyond the values give no pair", {"2900 0.2 0.3", "2901 0.21 0.3"}, {5}, {{2900, 0.2f, 5}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<keldo::PhiKSample> samples = keldo::PhiKSamplesAtLines(c.lines, c.permeability);
        ASSERT_EQ(samples.size(), c.samples.size());
        for (size_t i = 0; i < samples.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(samples[i].depth, c.samples[i].depth);
            EXPECT_EQ(samples[i].porosity, c.samples[i].porosity);
            EXPECT_EQ(samples[i].permeability, c.samples[i].permeability);
        }
    }
}
