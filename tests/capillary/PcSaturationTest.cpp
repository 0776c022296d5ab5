#include <gtest/gtest.h>

#include <cmath>

#include "PcCoefficients.h"
#include "PcSaturation.h"
#include "PcTestSets.h"

namespace {

keldo::CapillaryCurve DefaultCurve(double k)
{
    return keldo::CurveFor(keldo::MercuryModel(DialogDefaultCoefficients(), 141.7f), k);
}

} // namespace

TEST(PcSaturation, FindsTheSaturationOfAPressure)
{
    struct Case {
        double k, sw, guess;
    } cases[] = {
        {0.1, 0.9, -1},
        {0.1, 0.36, -1},
        {1, 0.5, -1},
        {10, 0.999, -1},
        {100, 0.3, -1},
        {1000, 0.05, -1},
        {3000, 0.8, -1},
        {100, 0.3, 0.31},
        {100, 0.3, 0.2999999},
        {100, 0.3, 0.95},
        {1, 0.21, 0.9},
        {1, 0.9, 0.21},
        {10, 0.5, 1.5},
        {10, 0.5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "K " << c.k << " Sw " << c.sw << " guess " << c.guess);
        const keldo::CapillaryCurve curve = DefaultCurve(c.k);
        ASSERT_GT(c.sw, curve.swmin);
        const double pressure = keldo::CapillaryPressureAt(curve, c.sw);
        EXPECT_NEAR(keldo::SaturationAtPressure(curve, pressure, c.guess), c.sw, 1e-12);
    }
}

TEST(PcSaturation, BelowTheThresholdFullAboveTheMaximumSwmin)
{
    const keldo::CapillaryCurve curve = DefaultCurve(10); // Pcsperr 1.29954 bar, Swmin 0.11999
    keldo::CapillaryCurve filled = curve;
    filled.swmin = 1;
    struct Case {
        const char* what;
        const keldo::CapillaryCurve* c;
        double pressure, sw;
    } cases[] = {
        {"far below the threshold", &curve, 0.01, 1},
        {"at the threshold", &curve, curve.pcsperr, 1},
        {"at Pc max", &curve, 141.7, curve.swmin},
        {"above Pc max", &curve, 500, curve.swmin},
        {"Swmin 1: no range", &filled, 50, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keldo::SaturationAtPressure(*c.c, c.pressure), c.sw);
        EXPECT_EQ(keldo::SaturationWithSlopes(*c.c, c.pressure).sw, c.sw);
    }
    EXPECT_NEAR(curve.pcsperr, 1.29954, 5e-6); // 10^(0.503791 - 0.39)
}

TEST(PcSaturation, SlopesAreThoseOfTheInverse)
{
    // Each slope against a central difference of SaturationAtPressure itself
    // with the one quantity moved.
    struct Case {
        double k, sw;
    } cases[] = {{0.1, 0.6}, {1, 0.3}, {10, 0.8}, {100, 0.2}, {1000, 0.5}, {1000, 0.99}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "K " << c.k << " Sw " << c.sw);
        const keldo::CapillaryCurve curve = DefaultCurve(c.k);
        const double pressure = keldo::CapillaryPressureAt(curve, c.sw);
        const keldo::SaturationSlopes s = keldo::SaturationWithSlopes(curve, pressure);
        EXPECT_NEAR(s.sw, c.sw, 1e-12);
        const auto moved = [&](int q, double factor) {
            keldo::CapillaryCurve m = curve;
            double base = 0;
            switch (q) {
            case keldo::kSwmin:
                m.swmin = static_cast<float>(curve.swmin * factor);
                base = m.swmin;
                break;
            case keldo::kPcsperr:
                base = m.pcsperr *= factor;
                break;
            case keldo::kAlfa:
                base = m.alfa *= factor;
                break;
            default:
                base = m.beta *= factor;
                break;
            }
            return std::make_pair(base, keldo::SaturationAtPressure(m, pressure));
        };
        for (int q = 0; q < keldo::kCurveQuantities; ++q) {
            SCOPED_TRACE(q);
            const auto [up, swUp] = moved(q, 1 + 1e-3);
            const auto [down, swDown] = moved(q, 1 - 1e-3);
            const double difference = (swUp - swDown) / (up - down);
            EXPECT_NEAR(s.d[static_cast<size_t>(q)], difference, 1e-3 * std::fabs(difference) + 1e-9);
        }
    }
}
