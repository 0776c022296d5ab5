#pragma once
#include <vector>

namespace keldo {

// The least-squares solution of A·x ≈ b for a tall matrix A (n rows, p <= n
// columns) by Householder QR (Eigen's): A is turned into Q·R without ever
// forming AᵀA, whose condition number is the square of A's.
struct LeastSquaresSolution {
    std::vector<double> coefficients;
    // |R_jj| / |a_j| for every column: how much of column j is left once the
    // columns before it are projected out (1: orthogonal to them, 0: a
    // combination of them). The columns are not reordered, so the last
    // column is the one whose independence is measured.
    std::vector<double> independence;
};

// `columns` holds A column by column, each of the length of `rhs`. A column
// that depends on the ones before it (nothing of it left but rounding) gets
// the coefficient 0; callers decide by `independence` whether the solution
// means anything.
LeastSquaresSolution SolveLeastSquares(const std::vector<std::vector<double>>& columns, const std::vector<double>& rhs);

} // namespace keldo
