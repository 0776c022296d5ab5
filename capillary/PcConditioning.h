#pragma once
#include <optional>
#include <string>
#include <vector>

#include "PcTable.h"

// From the table's samples to the points a fit takes: sorted by pressure,
// the closure effect removed, samples that cannot be used left out with the
// reason. Pc max, the pressure at which the model reaches Swmin.
namespace keldo {

// At least this many points of a sample with mercury in the pores (Sw < 1)
// after the closure correction: the curve has four parameters.
constexpr int kMinimumPoints = 4;
// A mercury saturation may fall by this much as pressure rises (scatter of
// the measurement, fitted as it is); a larger fall leaves the sample out.
constexpr double kLargestFall = 0.1;
// A sample whose highest pressure lies below this share of Pc max reaches
// its Swmin only by extrapolation.
constexpr double kSwminReachedShare = 0.9;

struct ConditionedSample {
    size_t index = 0;            // in the table
    std::vector<PcPoint> points; // by rising pressure, the closure effect removed
    double HighestPressure() const { return points.empty() ? 0 : points.back().pressure; }
};

enum class PcExclusionKind {
    Deselected,              // the user left it out
    PermeabilityNotPositive, // K <= 0 has no log10(K)
    SaturationFalls,         // SHg falls by more than kLargestFall at `pressure` (by `amount`)
    ClosureOutsidePressures, // the closure pressure lies outside lowest..highest
    FilledAtClosure,         // SHg is 1 at the closure pressure: nothing left to renormalize
    TooFewPoints,            // `points` with mercury left after the closure correction
    FitFailed,               // the per-sample fit found no solution
};

struct PcExclusion {
    PcExclusionKind kind = PcExclusionKind::Deselected;
    std::string sample;
    long long line = 0;             // the sample's first row
    double permeability = 0;        // mD
    double pressure = 0;            // bar: where the saturation falls; the closure pressure
    double amount = 0;              // the fall of SHg
    double lowest = 0, highest = 0; // bar: the sample's pressures
    int points = 0;
};

struct PcConditioning {
    std::vector<ConditionedSample> samples; // usable, in the table's order
    std::vector<PcExclusion> excluded;      // in the table's order
};

PcConditioning ConditionSamples(const PcTable& table);

// SHg at `pressure` from the points (by rising pressure), linear in log
// pressure between the neighbours; none outside the points' pressures.
std::optional<double> HgSaturationAt(const std::vector<PcPoint>& points, double pressure);

// Pc max (bar) as the document takes it: `given`, else the table's largest
// pressure rounded to 0.1 bar.
float PcMaxFor(const PcTable& table, std::optional<float> given);

} // namespace keldo
