#include "LeastSquares.h"

#include <Eigen/QR>
#include <cmath>
#include <cstddef>
#include <limits>

namespace keldo {
namespace {

// A column of which less than this share is left once the columns before it
// are projected out holds nothing but rounding: its coefficient would be
// noise divided by noise.
constexpr double kRoundingOnly = 64 * std::numeric_limits<double>::epsilon();

} // namespace

LeastSquaresSolution SolveLeastSquares(const std::vector<std::vector<double>>& columns, const std::vector<double>& rhs)
{
    const auto p = static_cast<Eigen::Index>(columns.size());
    const auto n = static_cast<Eigen::Index>(rhs.size());
    LeastSquaresSolution solution;
    solution.coefficients.assign(columns.size(), 0.0);
    solution.independence.assign(columns.size(), 0.0);
    if (p == 0 || n == 0)
        return solution;

    Eigen::MatrixXd a(n, p);
    for (Eigen::Index j = 0; j < p; ++j)
        for (Eigen::Index i = 0; i < n; ++i)
            a(i, j) = columns[static_cast<size_t>(j)][static_cast<size_t>(i)];
    const Eigen::VectorXd columnNorm = a.colwise().norm();
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(a);
    const Eigen::VectorXd qtb = qr.householderQ().adjoint() * Eigen::Map<const Eigen::VectorXd>(rhs.data(), n);
    const Eigen::MatrixXd& r = qr.matrixQR();

    // R has a diagonal only as far as A has rows.
    const Eigen::Index rank = std::min(n, p);
    for (Eigen::Index j = 0; j < rank; ++j)
        if (columnNorm(j) > 0)
            solution.independence[static_cast<size_t>(j)] = std::fabs(r(j, j)) / columnNorm(j);

    // Back substitution R·x = Qᵀb over the independent columns.
    for (Eigen::Index j = rank; j-- > 0;) {
        if (solution.independence[static_cast<size_t>(j)] <= kRoundingOnly)
            continue;
        double sum = qtb(j);
        for (Eigen::Index k = j + 1; k < rank; ++k)
            sum -= r(j, k) * solution.coefficients[static_cast<size_t>(k)];
        solution.coefficients[static_cast<size_t>(j)] = sum / r(j, j);
    }
    return solution;
}

} // namespace keldo
