#pragma once
#include <ceres/solver.h>

namespace keldo {

// The solver settings of the capillary-pressure fits: Levenberg-Marquardt
// with dense QR (few parameters), on one thread (the residuals share a curve
// cache), quiet, and tolerances far below the six digits the results keep.
inline ceres::Solver::Options PcSolverOptions()
{
    ceres::Solver::Options o;
    o.minimizer_type = ceres::TRUST_REGION;
    o.trust_region_strategy_type = ceres::LEVENBERG_MARQUARDT;
    o.linear_solver_type = ceres::DENSE_QR;
    o.num_threads = 1;
    o.logging_type = ceres::SILENT;
    o.minimizer_progress_to_stdout = false;
    o.max_num_iterations = 200;
    o.function_tolerance = 1e-10;
    o.gradient_tolerance = 1e-14;
    o.parameter_tolerance = 1e-10;
    o.max_num_line_search_step_size_iterations = 0;
    return o;
}

} // namespace keldo
