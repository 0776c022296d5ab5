#include "PcRelations.h"

#include <algorithm>
#include <cmath>

#include "LeastSquares.h"

namespace keldo {
namespace {

constexpr double kIndependenceLimit = 1e-5;

struct Polynomial {
    LeastSquaresSolution solution;
    PcRelation quality;
};

// y ≈ c0 + c1·L + … + c_order·L^order.
Polynomial FitPolynomial(const std::vector<double>& l, const std::vector<double>& y, int order)
{
    std::vector<std::vector<double>> columns(static_cast<size_t>(order) + 1);
    for (const double x : l) {
        double power = 1;
        for (auto& column : columns) {
            column.push_back(power);
            power *= x;
        }
    }
    Polynomial p{SolveLeastSquares(columns, y), {}};
    const auto n = static_cast<double>(y.size());
    double mean = 0;
    for (const double v : y)
        mean += v;
    mean /= n;
    double total = 0, residual = 0;
    for (size_t i = 0; i < y.size(); ++i) {
        double fitted = 0;
        for (size_t k = columns.size(); k-- > 0;)
            fitted = fitted * l[i] + p.solution.coefficients[k];
        total += (y[i] - mean) * (y[i] - mean);
        residual += (y[i] - fitted) * (y[i] - fitted);
    }
    p.quality.r2 = total > 0 ? 1 - residual / total : 1.0;
    p.quality.rms = std::sqrt(residual / n);
    return p;
}

template <size_t N> void Take(const LeastSquaresSolution& s, std::array<double, N>& target)
{
    target.fill(0);
    for (size_t i = 0; i < s.coefficients.size() && i < N; ++i)
        target[i] = s.coefficients[i];
}

} // namespace

PcRelations FitRelations(const std::vector<SampleParameters>& samples, int alfaOrder)
{
    PcRelations r;
    r.requestedAlfaOrder = alfaOrder;
    const int n = static_cast<int>(samples.size());
    if (n < 2)
        return r;
    std::vector<double> l, logSwmin, logPcsperr, logBeta, alfa;
    for (const SampleParameters& s : samples) {
        l.push_back(s.logK);
        logSwmin.push_back(std::log10(s.swmin));
        logPcsperr.push_back(std::log10(s.pcsperr));
        logBeta.push_back(std::log10(s.beta));
        alfa.push_back(s.alfa);
    }

    const Polynomial swmin = FitPolynomial(l, logSwmin, 1);
    if (swmin.solution.independence[1] < kIndependenceLimit)
        return r;
    const Polynomial pcsperr = FitPolynomial(l, logPcsperr, 1);
    const Polynomial beta = FitPolynomial(l, logBeta, 1);

    int order = std::clamp(alfaOrder, 0, 3);
    if (order > n - 3) {
        order = std::max(0, n - 3);
        r.limit = AlfaOrderLimit::FewSamples;
    }
    Polynomial a = FitPolynomial(l, alfa, order);
    while (order > 0 && a.solution.independence[static_cast<size_t>(order)] < kIndependenceLimit) {
        --order;
        r.limit = AlfaOrderLimit::NotSpread;
        a = FitPolynomial(l, alfa, order);
    }

    r.ok = true;
    r.alfaOrder = order;
    Take(a.solution, r.coefficients.alfa);
    Take(beta.solution, r.coefficients.beta);
    Take(swmin.solution, r.coefficients.swmin);
    Take(pcsperr.solution, r.coefficients.pcsperr);
    r.alfa = a.quality;
    r.beta = beta.quality;
    r.swmin = swmin.quality;
    r.pcsperr = pcsperr.quality;
    return r;
}

} // namespace keldo
