#include "HouseholderLeastSquares.h"

#include <cmath>
#include <cstddef>

namespace keldo {
namespace {

double NormFrom(const std::vector<double>& v, size_t first)
{
    // Scaled, so that squares of very large or very small values neither
    // overflow nor vanish.
    double scale = 0;
    for (size_t i = first; i < v.size(); ++i)
        scale = std::fmax(scale, std::fabs(v[i]));
    if (scale == 0)
        return 0;
    double sum = 0;
    for (size_t i = first; i < v.size(); ++i) {
        const double s = v[i] / scale;
        sum += s * s;
    }
    return scale * std::sqrt(sum);
}

// Applies the reflection I - 2·v·vᵀ/(vᵀv), v living in rows first..n-1.
void Reflect(const std::vector<double>& v, double vv, size_t first, std::vector<double>& target)
{
    double dot = 0;
    for (size_t i = first; i < target.size(); ++i)
        dot += v[i] * target[i];
    const double f = 2 * dot / vv;
    for (size_t i = first; i < target.size(); ++i)
        target[i] -= f * v[i];
}

} // namespace

LeastSquaresSolution SolveLeastSquares(std::vector<std::vector<double>> columns, std::vector<double> rhs)
{
    const size_t p = columns.size();
    LeastSquaresSolution solution;
    solution.coefficients.assign(p, 0.0);
    solution.independence.assign(p, 0.0);

    std::vector<double> columnNorm(p);
    for (size_t j = 0; j < p; ++j)
        columnNorm[j] = NormFrom(columns[j], 0);

    // After step j, column j holds R_jj in row j and R's upper part above it.
    std::vector<double> diagonal(p, 0.0);
    for (size_t j = 0; j < p && j < rhs.size(); ++j) {
        std::vector<double>& a = columns[j];
        const double norm = NormFrom(a, j);
        if (norm == 0)
            continue;
        // alpha takes the sign opposite to a_jj, so that v_j does not cancel.
        const double alpha = a[j] > 0 ? -norm : norm;
        std::vector<double> v(a.size(), 0.0);
        for (size_t i = j; i < a.size(); ++i)
            v[i] = a[i];
        v[j] -= alpha;
        double vv = 0;
        for (size_t i = j; i < v.size(); ++i)
            vv += v[i] * v[i];
        diagonal[j] = alpha;
        a[j] = alpha;
        for (size_t i = j + 1; i < a.size(); ++i)
            a[i] = 0;
        if (vv == 0)
            continue;
        for (size_t k = j + 1; k < p; ++k)
            Reflect(v, vv, j, columns[k]);
        Reflect(v, vv, j, rhs);
    }

    for (size_t j = 0; j < p; ++j)
        solution.independence[j] = columnNorm[j] > 0 ? std::fabs(diagonal[j]) / columnNorm[j] : 0.0;

    // Back substitution R·x = Qᵀb over the independent columns.
    for (size_t j = p; j-- > 0;) {
        if (diagonal[j] == 0)
            continue;
        double sum = rhs[j];
        for (size_t k = j + 1; k < p; ++k)
            sum -= columns[k][j] * solution.coefficients[k];
        solution.coefficients[j] = sum / diagonal[j];
    }
    return solution;
}

} // namespace keldo
