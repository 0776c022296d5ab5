#include <gtest/gtest.h>

#include <cmath>

#include "ContactQuantiles.h"

// Reference values: definition 7 of Hyndman and Fan, "Sample quantiles in
// statistical packages" (The American Statistician 50, 1996), the default
// of R's quantile() and of NumPy's percentile(); worked by hand.
TEST(ContactQuantiles, QuantilesInterpolateBetweenOrderStatistics)
{
    const struct {
        std::vector<double> sorted;
        double p;
        double expected;
    } cases[] = {
        {{1, 2, 3, 4}, 0.1, 1.3},
        {{1, 2, 3, 4}, 0.5, 2.5},
        {{1, 2, 3, 4}, 0.9, 3.7},
        {{1, 2, 3, 4}, 0.0, 1.0},
        {{1, 2, 3, 4}, 1.0, 4.0},
        {{2954.9, 3010.0, 3394.2}, 0.5, 3010.0},
        {{2954.9, 3010.0, 3394.2}, 0.9, 3317.36},
        {{3027.5}, 0.1, 3027.5},
        {{10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}, 0.1, 20.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(keldo::Quantile(c.sorted, c.p), c.expected, 1e-9) << c.p;
    EXPECT_TRUE(std::isnan(keldo::Quantile({}, 0.5)));
}

TEST(ContactQuantiles, ContactsAreSortedFirst)
{
    // By hand, as above: sorted 3000 … 3040, P10 at position 0.4, P90 at 3.6.
    const keldo::ContactQuantiles q = keldo::QuantilesOf({3040.0f, 3000.0f, 3030.0f, 3010.0f, 3020.0f});
    EXPECT_DOUBLE_EQ(q.p10, 3004.0);
    EXPECT_DOUBLE_EQ(q.median, 3020.0);
    EXPECT_DOUBLE_EQ(q.p90, 3036.0);
}
