#include "PcPointResidual.h"

#include <cmath>
#include <numeric>

namespace keldo {

SampleCurveCache::SampleCurveCache(const SampleCurveSource& source, std::vector<int> blockSizes)
    : m_source(source), m_blockSizes(std::move(blockSizes))
{
    m_key.resize(static_cast<size_t>(std::accumulate(m_blockSizes.begin(), m_blockSizes.end(), 0)));
}

const CapillaryCurve& SampleCurveCache::Curve(const double* const* parameters)
{
    bool same = m_generation > 0;
    size_t k = 0;
    for (size_t b = 0; b < m_blockSizes.size(); ++b)
        for (int i = 0; i < m_blockSizes[b]; ++i, ++k) {
            same = same && m_key[k] == parameters[b][i];
            m_key[k] = parameters[b][i];
        }
    if (!same) {
        m_curve = m_source.Curve(parameters, nullptr);
        m_haveSlopes = false;
        ++m_generation;
    }
    return m_curve;
}

const std::vector<std::array<double, kCurveQuantities>>& SampleCurveCache::Slopes(const double* const* parameters)
{
    Curve(parameters);
    if (!m_haveSlopes) {
        m_source.Curve(parameters, &m_slopes);
        m_haveSlopes = true;
    }
    return m_slopes;
}

PointResidual::PointResidual(SampleCurveCache& cache, const PcPoint& point) : m_cache(cache), m_point(point)
{
    set_num_residuals(1);
    *mutable_parameter_block_sizes() = cache.BlockSizes();
}

bool PointResidual::Evaluate(double const* const* parameters, double* residuals, double** jacobians) const
{
    const CapillaryCurve& curve = m_cache.Curve(parameters);
    if (m_generation != m_cache.Generation()) {
        m_sw = SaturationAtPressure(curve, m_point.pressure, m_sw);
        m_generation = m_cache.Generation();
    }
    residuals[0] = m_sw - m_point.sw;
    if (!jacobians)
        return std::isfinite(residuals[0]);

    const SaturationSlopes s = SlopesAt(curve, m_point.pressure, m_sw);
    const auto& slopes = m_cache.Slopes(parameters);
    size_t j = 0;
    for (size_t b = 0; b < m_cache.BlockSizes().size(); ++b)
        for (int i = 0; i < m_cache.BlockSizes()[b]; ++i, ++j)
            if (jacobians[b]) {
                double d = 0;
                for (size_t q = 0; q < s.d.size(); ++q)
                    d += s.d[q] * slopes[j][q];
                jacobians[b][i] = d;
            }
    return std::isfinite(residuals[0]);
}

} // namespace keldo
