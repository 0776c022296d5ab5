#include "PhiKFit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "InputFields.h"
#include "LeastSquares.h"
#include "TextFormat.h"

namespace keldo {
namespace {

constexpr double kIndependenceLimit = 1e-5;

int DistinctPorosities(const std::vector<PhiKSample>& pairs)
{
    std::vector<double> phi;
    phi.reserve(pairs.size());
    for (const PhiKSample& p : pairs)
        phi.push_back(p.porosity);
    std::sort(phi.begin(), phi.end());
    return static_cast<int>(std::unique(phi.begin(), phi.end()) - phi.begin());
}

std::string NoPairsMessage(const PhiKSelection& s)
{
    if (s.Read() == 0)
        return "ABBRUCH!!Für die Phi-K-Anpassung liegen keine Werte von Porosität und Permeabilität vor!";
    // "2 von 5 liegen außerhalb …, 1 hat keine …": the total after the first count.
    std::string reasons;
    const auto add = [&](int count, const char* one, const char* many, const std::string& what) {
        if (count == 0)
            return;
        reasons += reasons.empty() ? Format("%d von %d ", count, s.Read()) : Format(", %d ", count);
        reasons += (count == 1 ? one : many) + what;
    };
    add(s.outsideWindow, "liegt", "liegen",
        Format(" außerhalb des Teufenbereichs %.1f m bis %.1f m", s.minDepth, s.maxDepth));
    add(s.porosityOutOfRange, "hat", "haben", " keine Porosität zwischen 0 und 1");
    add(s.permeabilityNotPositive, "hat", "haben", " keine Permeabilität > 0");
    return "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: " + reasons + "!";
}

std::array<float, 3> AsShownInDialog(const std::array<double, 3>& c)
{
    std::array<float, 3> shown{};
    for (size_t i = 0; i < c.size(); ++i)
        shown[i] = AsShownInField(c[i]);
    return shown;
}

// Least squares with columns 1, φ (and φ²); the last column's independence
// tells whether its coefficient is determined.
LeastSquaresSolution Solve(const std::vector<PhiKSample>& pairs, int order)
{
    std::vector<std::vector<double>> columns(static_cast<size_t>(order) + 1);
    std::vector<double> logK;
    for (const PhiKSample& p : pairs) {
        double power = 1;
        for (auto& column : columns) {
            column.push_back(power);
            power *= p.porosity;
        }
        logK.push_back(std::log10(p.permeability));
    }
    return SolveLeastSquares(columns, logK);
}

} // namespace

double PhiKLog10(const std::array<double, 3>& c, double phi) { return c[0] + (c[1] + c[2] * phi) * phi; }

PhiKFitResult FitPhiK(const PhiKSelection& selection, int order)
{
    PhiKFitResult result;
    result.requestedOrder = order;
    if (order != 1 && order != 2) {
        result.message = Format("ABBRUCH!!Die Ordnung der Phi-K-Beziehung muss 1 oder 2 sein, nicht %d!", order);
        return result;
    }
    const std::vector<PhiKSample>& pairs = selection.pairs;
    if (pairs.empty()) {
        result.message = NoPairsMessage(selection);
        return result;
    }
    const int distinct = DistinctPorosities(pairs);
    if (distinct < 2) {
        result.message = pairs.size() == 1
            ? "ABBRUCH!!Aus einem einzigen Wertepaar ist die Phi-K-Beziehung nicht bestimmbar!"
            : Format("ABBRUCH!!Die Phi-K-Beziehung ist nicht bestimmbar: alle %d Wertepaare haben dieselbe "
                     "Porosität %g!",
                static_cast<int>(pairs.size()), pairs.front().porosity);
        return result;
    }

    LeastSquaresSolution solution = Solve(pairs, order);
    if (order == 2 && (distinct < 3 || solution.independence[2] < kIndependenceLimit)) {
        result.notice = std::string("WARNUNG!! Das Glied PHI*PHI der Phi-K-Beziehung ist aus diesen Daten nicht "
                                    "bestimmbar (")
            + (distinct < 3 ? "nur zwei verschiedene Porositäten" : "die Porositäten streuen dafür zu wenig")
            + "); angepasst wird eine Gerade (Ordnung 1).";
        order = 1;
        solution = Solve(pairs, order);
    }
    if (solution.independence[1] < kIndependenceLimit) {
        result.message = "ABBRUCH!!Die Phi-K-Beziehung ist nicht bestimmbar: die Porositäten streuen zu wenig!";
        return result;
    }

    result.order = order;
    result.n = static_cast<int>(pairs.size());
    for (size_t i = 0; i < solution.coefficients.size(); ++i)
        result.coefficients[i] = solution.coefficients[i];

    double mean = 0;
    for (const PhiKSample& p : pairs)
        mean += std::log10(p.permeability);
    mean /= result.n;
    double total = 0, residual = 0;
    for (const PhiKSample& p : pairs) {
        const double y = std::log10(p.permeability);
        total += (y - mean) * (y - mean);
        const double r = y - PhiKLog10(result.coefficients, p.porosity);
        residual += r * r;
    }
    result.r2 = total > 0 ? 1 - residual / total : 1.0;
    result.rmsLog10 = std::sqrt(residual / result.n);

    result.documentCoefficients = AsShownInDialog(result.coefficients);
    const auto& d = result.documentCoefficients;
    if (d[0] == 0 && d[1] == 0 && d[2] == 0) {
        // The model reads three zeros as "no relation, K = porosity".
        result.message = "ABBRUCH!!Die angepasste Phi-K-Beziehung hat nur Koeffizienten 0 (K = 1 mD bei jeder "
                         "Porosität); im Modell hieße das \"keine Beziehung\" mit K = Porosität!";
        return result;
    }
    if (!std::isfinite(d[0]) || !std::isfinite(d[1]) || !std::isfinite(d[2])) {
        result.message = "ABBRUCH!!Die angepasste Phi-K-Beziehung hat Koeffizienten außerhalb des Zahlenbereichs "
                         "des Dokuments!";
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace keldo
