#include "PcRefinement.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include <ceres/loss_function.h>
#include <ceres/problem.h>

#include "PcCurveFit.h"
#include "PcPointResidual.h"
#include "PcSolverOptions.h"

namespace keldo {
namespace {

// The parameter blocks: alfa (order + 1), beta, Swmin, Pcsperr (2 each).
enum { kAlfaBlock, kBetaBlock, kSwminBlock, kPcsperrBlock, kBlocks };

// Relative step of the differences through the model: well above the single
// precision in which the model takes the coefficients.
constexpr double kCoefficientStep = 1e-4;

PcCoefficients FromBlocks(const double* const* blocks, int alfaOrder)
{
    PcCoefficients c;
    for (int i = 0; i <= alfaOrder; ++i)
        c.alfa[static_cast<size_t>(i)] = blocks[kAlfaBlock][i];
    for (size_t i = 0; i < 2; ++i) {
        c.beta[i] = blocks[kBetaBlock][i];
        c.swmin[i] = blocks[kSwminBlock][i];
        c.pcsperr[i] = blocks[kPcsperrBlock][i];
    }
    return c;
}

std::array<double, kCurveQuantities> Quantities(const CapillaryCurve& c)
{
    return {c.swmin, c.pcsperr, c.alfa, c.beta};
}

// The sample's curve from the coefficients, as the runs make it.
class ModelCurve final : public SampleCurveSource {
public:
    ModelCurve(double permeability, float pcMax, int alfaOrder)
        : m_k(permeability), m_pcMax(pcMax), m_alfaOrder(alfaOrder)
    {}

    CapillaryCurve Curve(
        const double* const* blocks, std::vector<std::array<double, kCurveQuantities>>* slopes) const override
    {
        const CapillaryCurve curve = Make(FromBlocks(blocks, m_alfaOrder));
        if (!slopes)
            return curve;
        slopes->clear();
        const int sizes[kBlocks] = {m_alfaOrder + 1, 2, 2, 2};
        for (int b = 0; b < kBlocks; ++b)
            for (int i = 0; i < sizes[b]; ++i) {
                PcCoefficients up = FromBlocks(blocks, m_alfaOrder), down = up;
                const double value = blocks[b][i];
                const double step = kCoefficientStep * std::max(std::fabs(value), 0.01);
                Coefficient(up, b, i) = value + step;
                Coefficient(down, b, i) = value - step;
                const auto qUp = Quantities(Make(up)), qDown = Quantities(Make(down));
                std::array<double, kCurveQuantities> d{};
                for (size_t q = 0; q < d.size(); ++q)
                    d[q] = (qUp[q] - qDown[q]) / (2 * step);
                slopes->push_back(d);
            }
        return curve;
    }

private:
    static double& Coefficient(PcCoefficients& c, int block, int i)
    {
        const auto k = static_cast<size_t>(i);
        switch (block) {
        case kAlfaBlock:
            return c.alfa[k];
        case kBetaBlock:
            return c.beta[k];
        case kSwminBlock:
            return c.swmin[k];
        default:
            return c.pcsperr[k];
        }
    }

    CapillaryCurve Make(const PcCoefficients& c) const { return CurveFor(MercuryModel(c, m_pcMax), m_k); }

    double m_k;
    float m_pcMax;
    int m_alfaOrder;
};

} // namespace

PcRefinement RefineCoefficients(
    const std::vector<RefinementSample>& samples, const PcCoefficients& start, int alfaOrder, float pcMax)
{
    PcRefinement out;
    PcCoefficients x = start;
    const std::vector<int> sizes = {alfaOrder + 1, 2, 2, 2};
    double* blocks[kBlocks] = {x.alfa.data(), x.beta.data(), x.swmin.data(), x.pcsperr.data()};

    std::vector<std::unique_ptr<ModelCurve>> sources;
    std::vector<std::unique_ptr<SampleCurveCache>> caches;
    ceres::Problem problem;
    for (const RefinementSample& s : samples) {
        sources.push_back(std::make_unique<ModelCurve>(s.permeability, pcMax, alfaOrder));
        caches.push_back(std::make_unique<SampleCurveCache>(*sources.back(), sizes));
        for (const PcPoint& p : s.points)
            problem.AddResidualBlock(new PointResidual(*caches.back(), p), new ceres::CauchyLoss(kRobustScale),
                std::vector<double*>(blocks, blocks + kBlocks));
    }
    if (problem.NumResidualBlocks() == 0)
        return out;
    // Ten columns over thousands of rows: the normal equations (with the
    // solver's column scaling) instead of a QR of the whole Jacobian.
    ceres::Solver::Options options = PcSolverOptions();
    options.linear_solver_type = ceres::DENSE_NORMAL_CHOLESKY;
    ceres::Solver::Summary summary;
    ceres::Solve(options, &problem, &summary);
    if (!summary.IsSolutionUsable())
        return out;
    out.ok = true;
    out.converged = summary.termination_type == ceres::CONVERGENCE;
    out.coefficients = x;
    return out;
}

double SetRms(const std::vector<RefinementSample>& samples, const PcCoefficients& c, float pcMax)
{
    const ModelParameters model = MercuryModel(c, pcMax);
    double sum = 0;
    size_t n = 0;
    for (const RefinementSample& s : samples) {
        const CapillaryCurve curve = CurveFor(model, s.permeability);
        for (const PcPoint& p : s.points) {
            const double r = SaturationAtPressure(curve, p.pressure) - p.sw;
            sum += r * r;
            ++n;
        }
    }
    return n > 0 ? std::sqrt(sum / static_cast<double>(n)) : 0.0;
}

} // namespace keldo
