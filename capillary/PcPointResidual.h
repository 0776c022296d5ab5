#pragma once
#include <array>
#include <vector>

#include <ceres/cost_function.h>

#include "PcSaturation.h"
#include "PcTable.h"

// A measured point as a residual of a Ceres problem: the model's Sw at the
// point's pressure less the measured Sw, in saturation. Every point is a
// residual block of its own, so that the robust loss weighs single points.
namespace keldo {

// How the parameters of a fit make one sample's capillary curve.
class SampleCurveSource {
public:
    virtual ~SampleCurveSource() = default;
    // The curve for the parameter blocks. With `slopes`, also how its four
    // quantities move with each parameter: (*slopes)[j][q] = dq/dθj, the
    // parameters j counted through the blocks in order.
    virtual CapillaryCurve Curve(
        const double* const* parameters, std::vector<std::array<double, kCurveQuantities>>* slopes) const = 0;
};

// The curve of the parameters last asked for, so that the points of a
// sample, which the solver evaluates one after another, make it once. The
// solver has to evaluate on one thread.
class SampleCurveCache {
public:
    SampleCurveCache(const SampleCurveSource& source, std::vector<int> blockSizes);

    const std::vector<int>& BlockSizes() const { return m_blockSizes; }
    const CapillaryCurve& Curve(const double* const* parameters);
    // dq/dθ (see SampleCurveSource) at the parameters of the last Curve().
    const std::vector<std::array<double, kCurveQuantities>>& Slopes(const double* const* parameters);
    // Changes whenever the curve does.
    long long Generation() const { return m_generation; }

private:
    const SampleCurveSource& m_source;
    std::vector<int> m_blockSizes;
    std::vector<double> m_key;
    long long m_generation = 0;
    bool m_haveSlopes = false;
    CapillaryCurve m_curve;
    std::vector<std::array<double, kCurveQuantities>> m_slopes;
};

class PointResidual final : public ceres::CostFunction {
public:
    PointResidual(SampleCurveCache& cache, const PcPoint& point);
    bool Evaluate(double const* const* parameters, double* residuals, double** jacobians) const override;

private:
    SampleCurveCache& m_cache;
    PcPoint m_point;
    // The saturation at the last curve: the solver asks for the Jacobian at
    // the point whose residual it has just had, and the next curve's
    // saturation lies near.
    mutable long long m_generation = -1;
    mutable double m_sw = -1;
};

} // namespace keldo
