#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "LeastSquares.h"

using keldo::SolveLeastSquares;

namespace {

// Columns 1, x, x², ... up to `order` for the given x.
std::vector<std::vector<double>> PowerColumns(const std::vector<double>& x, int order)
{
    std::vector<std::vector<double>> columns(static_cast<size_t>(order) + 1);
    for (const double v : x) {
        double power = 1;
        for (auto& column : columns) {
            column.push_back(power);
            power *= v;
        }
    }
    return columns;
}

struct SolveCase {
    const char* what;
    std::vector<double> x;
    std::vector<double> y;
    int order;
    std::vector<double> coefficients;
    double tolerance;
};

} // namespace

TEST(LeastSquares, SolvesSmallProblems)
{
    const SolveCase cases[] = {
        // By hand: slope (4·22 - 6·11) / (4·14 - 36) = 1.1, intercept (11 - 6.6) / 4 = 1.1.
        {"textbook line", {0, 1, 2, 3}, {1, 3, 2, 5}, 1, {1.1, 1.1}, 1e-14},
        {"two points, exactly", {0.1, 0.3}, {-1, 3}, 1, {-3, 20}, 1e-13},
        {"parabola through its points", {-1, 0, 1, 2}, {6, 1, 0, 3}, 2, {1, -3, 2}, 1e-13},
        // Porosities in a narrow band make the columns 1, φ, φ² nearly
        // dependent (condition number about 1e7); the normal equations
        // would square that and lose every digit of the quadratic term.
        {"narrow porosity band", {0.2000, 0.2013, 0.2025, 0.2038, 0.2050, 0.2063, 0.2075, 0.2088, 0.2100}, {}, 2,
            {-2.5, 22.0, -30.0}, 1e-6},
    };
    for (SolveCase c : cases) {
        SCOPED_TRACE(c.what);
        if (c.y.empty())
            for (const double x : c.x)
                c.y.push_back(c.coefficients[0] + c.coefficients[1] * x + c.coefficients[2] * x * x);
        const auto solution = SolveLeastSquares(PowerColumns(c.x, c.order), c.y);
        ASSERT_EQ(solution.coefficients.size(), c.coefficients.size());
        for (size_t i = 0; i < c.coefficients.size(); ++i)
            EXPECT_NEAR(
                solution.coefficients[i], c.coefficients[i], c.tolerance * std::fmax(1, std::fabs(c.coefficients[i])));
    }
}

TEST(LeastSquares, MeasuresHowIndependentTheLastColumnIs)
{
    struct Case {
        const char* what;
        std::vector<double> x;
        double atLeast, atMost;
    } cases[] = {
        // x² = (1, 0, 1) less its mean 2/3 leaves (1/3, -2/3, 1/3), which is
        // orthogonal to x: its length over that of x² is (√6/3) / √2 = 1/√3.
        {"symmetric three points", {-1, 0, 1}, 0.5773502691, 0.5773502692},
        {"only two different x", {0.1, 0.1, 0.3, 0.3}, 0, 1e-12},
        {"all x equal", {0.2, 0.2, 0.2}, 0, 1e-12},
        {"spread porosities", {0.05, 0.1, 0.15, 0.2, 0.25, 0.3}, 0.05, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto solution = SolveLeastSquares(PowerColumns(c.x, 2), std::vector<double>(c.x.size(), 1.0));
        EXPECT_GE(solution.independence[2], c.atLeast);
        EXPECT_LE(solution.independence[2], c.atMost);
        EXPECT_TRUE(std::isfinite(solution.coefficients[2]));
    }
}
