#include "PressureLine.h"

#include <algorithm>
#include <cmath>

#include <Eigen/Dense>

namespace keldo {

double PressureLine::PressureVariance(double depth) const
{
    const double d = depth - meanDepth;
    return meanPressureVariance + 2 * d * meanCovariance + d * d * gradientVariance;
}

std::optional<PressureLine> FitPressureLine(std::span<const PressurePoint> points)
{
    const auto n = static_cast<Eigen::Index>(points.size());
    if (n < 3)
        return std::nullopt;
    const auto [shallowest, deepest] = std::minmax_element(
        points.begin(), points.end(), [](const PressurePoint& a, const PressurePoint& b) { return a.depth < b.depth; });
    if (shallowest->depth == deepest->depth)
        return std::nullopt;

    double meanDepth = 0;
    for (const PressurePoint& p : points)
        meanDepth += p.depth;
    meanDepth /= static_cast<double>(n);

    // pressure = a + gradient·(depth - meanDepth): the columns are orthogonal,
    // so the fit loses no digits to depths of some thousand metres.
    Eigen::MatrixXd x(n, 2);
    Eigen::VectorXd y(n);
    for (Eigen::Index i = 0; i < n; ++i) {
        x(i, 0) = 1;
        x(i, 1) = points[static_cast<size_t>(i)].depth - meanDepth;
        y(i) = points[static_cast<size_t>(i)].pressure;
    }
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(x);
    const Eigen::Vector2d coefficients = qr.solve(y);
    const Eigen::VectorXd residuals = y - x * coefficients;

    // (XᵀX)⁻¹ = R⁻¹R⁻ᵀ with R the triangle of the factorization.
    const Eigen::Matrix2d r = qr.matrixQR().topLeftCorner(2, 2).triangularView<Eigen::Upper>();
    const Eigen::Matrix2d rInverse = r.inverse();
    PressureLine line;
    line.n = static_cast<int>(n);
    line.residualSquares = residuals.squaredNorm();
    line.rms = std::sqrt(line.residualSquares / static_cast<double>(n));
    const Eigen::Matrix2d covariance
        = line.residualSquares / static_cast<double>(n - 2) * (rInverse * rInverse.transpose());

    line.meanDepth = meanDepth;
    line.gradient = coefficients(1);
    line.p0 = coefficients(0) - line.gradient * meanDepth;
    line.meanPressureVariance = covariance(0, 0);
    line.meanCovariance = covariance(0, 1);
    line.gradientVariance = covariance(1, 1);
    line.p0Error = std::sqrt(std::max(0.0, line.PressureVariance(0)));
    line.gradientError = std::sqrt(line.gradientVariance);
    return line;
}

} // namespace keldo
