#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "PcConditioning.h"
#include "PcMessages.h"

using keldo::PcExclusionKind;
using keldo::PcPoint;
using keldo::PcSample;

namespace {

// A sample from (pressure bar, SHg) pairs in the order given.
PcSample Sample(const char* name, double k, std::vector<std::pair<double, double>> points,
    std::optional<double> closure = std::nullopt)
{
    PcSample s;
    s.name = name;
    s.porosity = 0.2;
    s.permeability = k;
    s.closure = closure;
    s.firstLine = 10;
    long long line = 10;
    for (const auto& [p, shg] : points)
        s.points.push_back({p, 1 - shg, line++});
    return s;
}

const std::vector<std::pair<double, double>> kCurve
    = {{0.5, 0.0}, {1, 0.1}, {2, 0.4}, {5, 0.6}, {10, 0.7}, {20, 0.75}, {50, 0.8}};

} // namespace

TEST(PcConditioning, LeavesOutWhatCannotBeUsedAndSaysWhy)
{
    struct Case {
        const char* what;
        PcSample sample;
        bool usable;
        PcExclusionKind kind;
        const char* inMessage;
    } cases[] = {
        {"a good curve", Sample("A", 10, kCurve), true, {}, ""},
        {"deselected",
            [] {
                PcSample s = Sample("A", 10, kCurve);
                s.takesPart = false;
                return s;
            }(),
            false, PcExclusionKind::Deselected, "Probe \"A\" (ab Zeile 10) ist abgewählt"},
        {"K = 0", Sample("K0", 0, kCurve), false, PcExclusionKind::PermeabilityNotPositive, "Permeabilität 0 mD"},
        {"K < 0", Sample("Kneg", -3, kCurve), false, PcExclusionKind::PermeabilityNotPositive, "-3 mD"},
        {"SHg falls by 0.15", Sample("F", 10, {{1, 0.1}, {2, 0.5}, {5, 0.35}, {10, 0.7}, {20, 0.8}}), false,
            PcExclusionKind::SaturationFalls, "fällt bei 5 bar um 0.150"},
        {"SHg falls by 0.09: scatter, kept", Sample("F", 10, {{1, 0.1}, {2, 0.5}, {5, 0.41}, {10, 0.7}, {20, 0.8}}),
            true, {}, ""},
        {"the fall counts from the highest SHg before", Sample("F", 10, {{1, 0.5}, {2, 0.45}, {5, 0.38}, {10, 0.7}}),
            false, PcExclusionKind::SaturationFalls, "bei 5 bar um 0.120"},
        {"three points", Sample("S", 10, {{1, 0.1}, {2, 0.5}, {5, 0.6}}), false, PcExclusionKind::TooFewPoints,
            "bleiben 3 Punkte mit Quecksilber, nötig sind mindestens 4"},
        {"eight points, three with mercury",
            Sample("S", 10, {{0.1, 0}, {0.2, 0}, {0.5, 0}, {1, 0}, {2, 0}, {5, 0.1}, {10, 0.3}, {20, 0.5}}), false,
            PcExclusionKind::TooFewPoints, "bleiben 3 Punkte mit Quecksilber"},
        {"four with mercury", Sample("S", 10, {{0.5, 0}, {1, 0}, {2, 0.1}, {5, 0.3}, {10, 0.5}, {20, 0.6}}), true, {},
            ""},
        {"closure leaves two with mercury", Sample("S", 10, kCurve, 10.0), false, PcExclusionKind::TooFewPoints,
            "bleiben 2 Punkte mit Quecksilber"},
        {"closure below the first pressure", Sample("C", 10, kCurve, 0.2), false,
            PcExclusionKind::ClosureOutsidePressures,
            "Schließdruck 0.2 bar liegt außerhalb der gemessenen Drücke (0.5 bis 50 bar)"},
        {"closure above the last pressure", Sample("C", 10, kCurve, 60.0), false,
            PcExclusionKind::ClosureOutsidePressures, "(0.5 bis 50 bar)"},
        {"filled at the closure", Sample("C", 10, {{1, 0.2}, {2, 1}, {5, 1}, {10, 1}, {20, 1}}, 2.0), false,
            PcExclusionKind::FilledAtClosure, "ganz mit Quecksilber gefüllt"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::PcTable table;
        table.samples = {c.sample};
        const keldo::PcConditioning r = keldo::ConditionSamples(table);
        ASSERT_EQ(r.samples.size(), c.usable ? 1u : 0u);
        ASSERT_EQ(r.excluded.size(), c.usable ? 0u : 1u);
        if (c.usable)
            continue;
        EXPECT_EQ(r.excluded[0].kind, c.kind);
        const std::string message = keldo::PcExclusionMessage(r.excluded[0]);
        EXPECT_NE(message.find(std::string("Probe \"") + c.sample.name + "\" (ab Zeile 10)"), std::string::npos)
            << message;
        EXPECT_NE(message.find(c.inMessage), std::string::npos) << message;
    }
}

TEST(PcConditioning, ClosureCorrectionRenormalizesWhatEnteredTheRock)
{
    // Points given out of order; the closure at 3 bar lies between 2 bar (SHg
    // 0.4) and 5 bar (SHg 0.55): SHgc = 0.4 + 0.15·ln(1.5)/ln(2.5) = 0.466376
    // (by hand), then SHg' = (SHg - SHgc) / (1 - SHgc); the points below 3 bar
    // go, 0.46 at 6 bar (scatter below SHgc) counts as no intrusion.
    const PcSample sample = Sample(
        "A", 10, {{5, 0.55}, {0.5, 0.0}, {2, 0.4}, {1, 0.1}, {10, 0.7}, {20, 0.75}, {50, 0.8}, {6, 0.46}}, 3.0);
    keldo::PcTable table;
    table.samples = {sample};
    const keldo::PcConditioning r = keldo::ConditionSamples(table);
    ASSERT_EQ(r.samples.size(), 1u);
    const double shgc = 0.4 + 0.15 * std::log(1.5) / std::log(2.5);
    EXPECT_NEAR(shgc, 0.466376, 5e-7);
    struct Expect {
        double pressure, shg;
        long long line;
    } expected[] = {{5, (0.55 - shgc) / (1 - shgc), 10}, {6, 0.0, 17}, {10, (0.7 - shgc) / (1 - shgc), 14},
        {20, (0.75 - shgc) / (1 - shgc), 15}, {50, (0.8 - shgc) / (1 - shgc), 16}};
    ASSERT_EQ(r.samples[0].points.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].pressure);
        EXPECT_EQ(r.samples[0].points[i].pressure, expected[i].pressure);
        EXPECT_NEAR(1 - r.samples[0].points[i].sw, expected[i].shg, 1e-12);
        EXPECT_EQ(r.samples[0].points[i].line, expected[i].line);
    }
}

TEST(PcConditioning, MercurySaturationBetweenTheMeasuredPressures)
{
    const std::vector<PcPoint> points = {{1, 0.9, 1}, {4, 0.5, 2}, {4, 0.4, 3}, {16, 0.2, 4}};
    struct Case {
        double pressure;
        std::optional<double> shg;
    } cases[] = {
        {0.99, std::nullopt},
        {1, 0.1},
        {2, 0.3}, // half way in log pressure
        {4, 0.6}, // the last point at that pressure
        {8, 0.7},
        {16, 0.8},
        {16.01, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pressure);
        const std::optional<double> shg = keldo::HgSaturationAt(points, c.pressure);
        ASSERT_EQ(shg.has_value(), c.shg.has_value());
        if (shg) {
            EXPECT_NEAR(*shg, *c.shg, 1e-12);
        }
    }
}

TEST(PcConditioning, PcMaxIsTheLargestPressureToATenthOfABar)
{
    struct Case {
        double largest;
        std::optional<float> given;
        float pcMax;
    } cases[] = {
        {141.7, std::nullopt, 141.7f},
        {141.74, std::nullopt, 141.7f},
        {141.75001, std::nullopt, 141.8f},
        {60000 * 0.06894757293168, std::nullopt, 4136.9f}, // 60000 psia = 4136.854 bar
        {141.7, 200.0f, 200.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.largest);
        keldo::PcTable table;
        table.maxPressure = c.largest;
        EXPECT_EQ(keldo::PcMaxFor(table, c.given), c.pcMax);
    }
}
