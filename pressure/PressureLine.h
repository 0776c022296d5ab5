#pragma once
#include <optional>
#include <span>

#include "PressureTable.h"

namespace keldo {

// Standard gravity as the density of a gradient uses it (m/s²).
constexpr double kGravity = 9.81;

// The straight line pressure = p0 + gradient·depth through the points of one
// fluid by least squares, with the uncertainty of its two parameters.
struct PressureLine {
    int n = 0;
    double p0 = 0;       // bar at depth 0
    double gradient = 0; // bar/m
    // Standard errors of p0 and the gradient: the square roots of the
    // diagonal of s²·(XᵀX)⁻¹, s² = sum of squared residuals / (n - 2).
    double p0Error = 0;
    double gradientError = 0;
    double residualSquares = 0; // sum of squared residuals (bar²)
    double rms = 0;             // sqrt(residualSquares / n), bar
    // The covariance is kept about the points' mean depth, where the
    // pressure and the gradient are uncorrelated: far from the points the
    // covariance of p0 and the gradient at depth 0 cancels to a few digits.
    double meanDepth = 0;
    double meanPressureVariance = 0; // bar²
    double meanCovariance = 0;       // of the pressure at meanDepth and the gradient
    double gradientVariance = 0;     // (bar/m)²

    double PressureAt(double depth) const { return p0 + gradient * depth; }
    // Variance of the line's pressure at `depth` (bar²) from the covariance
    // of its parameters.
    double PressureVariance(double depth) const;
    // Covariance of p0 and the gradient.
    double Covariance() const { return meanCovariance - meanDepth * gradientVariance; }
    // Density the gradient implies (kg/m3): gradient · 10^5 / 9.81.
    double Density() const { return GradientDensity(gradient); }
    static double GradientDensity(double barPerMetre) { return barPerMetre * 1e5 / kGravity; }
};

// None for fewer than 3 points or points all at one depth.
std::optional<PressureLine> FitPressureLine(std::span<const PressurePoint> points);

} // namespace keldo
