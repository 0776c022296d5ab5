#include "PcCurveFit.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <ceres/loss_function.h>
#include <ceres/problem.h>
#include <ceres/solver.h>

#include "PcPointResidual.h"
#include "PcSolverOptions.h"

namespace keldo {
namespace {

const double kLn10 = std::log(10.0);

// The parameters: log10 Swmin, log10 Pcsperr, alfa, log10 beta.
enum { kLogSwmin, kLogPcsperr, kAlfaValue, kLogBeta, kParameters };

// A point counts as intruded below this Sw.
constexpr double kIntruded = 0.99;

class FreeCurve final : public SampleCurveSource {
public:
    FreeCurve(double permeability, float pcMax) : m_k(permeability), m_pcMax(pcMax) {}

    CapillaryCurve Curve(
        const double* const* parameters, std::vector<std::array<double, kCurveQuantities>>* slopes) const override
    {
        const double* x = parameters[0];
        const CapillaryCurve c = SampleCurve(m_k, m_pcMax, std::pow(10.0, x[kLogSwmin]), std::pow(10.0, x[kLogPcsperr]),
            x[kAlfaValue], std::pow(10.0, x[kLogBeta]));
        if (slopes) {
            slopes->assign(kParameters, {});
            (*slopes)[kLogSwmin][kSwmin] = c.swmin * kLn10;
            (*slopes)[kLogPcsperr][kPcsperr] = c.pcsperr * kLn10;
            (*slopes)[kAlfaValue][kAlfa] = 1;
            (*slopes)[kLogBeta][kBeta] = c.beta * kLn10;
        }
        return c;
    }

private:
    double m_k;
    float m_pcMax;
};

struct Bounds {
    std::array<double, kParameters> lower, upper;
};

Bounds BoundsFor(float pcMax)
{
    const double logPcMax = std::log10(static_cast<double>(pcMax));
    return {{-4, logPcMax - 8, 0.05, -8}, {std::log10(0.99), logPcMax + std::log10(0.99), 200, 3}};
}

double RobustCost(const CapillaryCurve& c, const std::vector<PcPoint>& points)
{
    const ceres::CauchyLoss loss(kRobustScale);
    double cost = 0;
    for (const PcPoint& p : points) {
        const double r = SaturationAtPressure(c, p.pressure) - p.sw;
        double rho[3];
        loss.Evaluate(r * r, rho);
        cost += rho[0];
    }
    return cost;
}

// Start values: Swmin a little below the lowest Sw, the threshold between
// the last point without intrusion and the first with, alfa and beta the best
// of a coarse grid.
std::array<double, kParameters> StartValues(
    const std::vector<PcPoint>& points, double k, float pcMax, const Bounds& bounds)
{
    double lowestSw = 1;
    for (const PcPoint& p : points)
        lowestSw = std::min(lowestSw, p.sw);
    const auto intruded = std::find_if(points.begin(), points.end(), [](const PcPoint& p) { return p.sw < kIntruded; });
    double threshold = intruded == points.end() ? points.back().pressure : intruded->pressure * 0.7;
    if (intruded != points.end() && intruded != points.begin())
        threshold = std::sqrt(intruded->pressure * (intruded - 1)->pressure);

    std::array<double, kParameters> x{};
    x[kLogSwmin] = std::log10(std::max(lowestSw * 0.9, 1e-3));
    x[kLogPcsperr] = std::log10(threshold);
    double best = HUGE_VAL;
    for (const double alfa : {3.0, 12.0})
        for (const double beta : {0.005, 0.05}) {
            const double cost
                = RobustCost(SampleCurve(k, pcMax, std::pow(10.0, x[kLogSwmin]), threshold, alfa, beta), points);
            if (cost < best) {
                best = cost;
                x[kAlfaValue] = alfa;
                x[kLogBeta] = std::log10(beta);
            }
        }
    for (int i = 0; i < kParameters; ++i)
        x[static_cast<size_t>(i)] = std::clamp(
            x[static_cast<size_t>(i)], bounds.lower[static_cast<size_t>(i)], bounds.upper[static_cast<size_t>(i)]);
    return x;
}

} // namespace

CapillaryCurve SampleCurve(double permeability, float pcMax, double swmin, double pcsperr, double alfa, double beta)
{
    CapillaryCurve c;
    c.k = permeability;
    c.swmin = static_cast<float>(swmin);
    c.pcsperr = pcsperr;
    c.pcMax = pcMax;
    c.alfa = alfa;
    c.beta = beta;
    return c;
}

double SaturationRms(const CapillaryCurve& curve, const std::vector<PcPoint>& points)
{
    if (points.empty())
        return 0;
    double sum = 0;
    for (const PcPoint& p : points) {
        const double r = SaturationAtPressure(curve, p.pressure) - p.sw;
        sum += r * r;
    }
    return std::sqrt(sum / static_cast<double>(points.size()));
}

SampleCurveFit FitSampleCurve(const std::vector<PcPoint>& points, double permeability, float pcMax)
{
    SampleCurveFit fit;
    if (points.empty() || !(permeability > 0) || !(pcMax > 0))
        return fit;
    const Bounds bounds = BoundsFor(pcMax);
    std::array<double, kParameters> x = StartValues(points, permeability, pcMax, bounds);

    const FreeCurve source(permeability, pcMax);
    SampleCurveCache cache(source, {kParameters});
    ceres::Problem problem;
    for (const PcPoint& p : points)
        problem.AddResidualBlock(new PointResidual(cache, p), new ceres::CauchyLoss(kRobustScale), x.data());
    for (int i = 0; i < kParameters; ++i) {
        problem.SetParameterLowerBound(x.data(), i, bounds.lower[static_cast<size_t>(i)]);
        problem.SetParameterUpperBound(x.data(), i, bounds.upper[static_cast<size_t>(i)]);
    }
    ceres::Solver::Summary summary;
    ceres::Solve(PcSolverOptions(), &problem, &summary);
    if (!summary.IsSolutionUsable())
        return fit;

    const CapillaryCurve c = source.Curve(std::array<const double*, 1>{x.data()}.data(), nullptr);
    fit.ok = true;
    fit.swmin = c.swmin;
    fit.pcsperr = c.pcsperr;
    fit.alfa = c.alfa;
    fit.beta = c.beta;
    fit.rms = SaturationRms(c, points);
    fit.converged = summary.termination_type == ceres::CONVERGENCE;
    return fit;
}

} // namespace keldo
