// The normalization of a synthetic core capillary-pressure set: 500 plugs of
// 40 points (the input dialog's default coefficients, 0.1 to 3000 mD, noise
// 0.01 in Sw), the whole way from the table to the coefficients: closure
// correction, 500 per-sample fits, the relations and the whole-set
// refinement. Target: at most 1 s of CPU time. Counters: CPU time and the
// process's peak resident size before and after.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>

#include "PcMessages.h"
#include "PcNormalization.h"
#include "SyntheticPcSet.h"

namespace {

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + 1e-6 * static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

double PeakRssMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

keldo::PcTable GeneratedSet(int samples, int points)
{
    keldo::SyntheticPcSpec spec;
    spec.coefficients.alfa = {8.29083f, 1.24712f, 0.626995f, -0.0412589f};
    spec.coefficients.beta = {-0.853872f, -0.5f};
    spec.coefficients.swmin = {-0.689505f, -0.231293f};
    spec.coefficients.pcsperr = {0.503791f, -0.39f};
    spec.pcMax = 141.7f;
    for (int i = 0; i < samples; ++i)
        spec.permeabilities.push_back(0.1 * std::pow(3000 / 0.1, static_cast<double>(i) / (samples - 1)));
    spec.points = points;
    spec.lowestPressure = 0.02;
    spec.noise = 0.01;
    spec.closure = 0.08;
    spec.conformance = 0.04;
    return keldo::MakeSyntheticPcTable(spec);
}

void BM_NormalizePc(benchmark::State& state)
{
    const keldo::PcTable table = GeneratedSet(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const double rssBefore = PeakRssMegabytes();
    double cpu = 0;
    keldo::PcNormalization n;
    for (auto _ : state) {
        const double start = CpuSeconds();
        n = keldo::NormalizePc(table, {});
        cpu += CpuSeconds() - start;
    }
    if (!n.ok)
        state.SkipWithError(keldo::PcRefusalMessage(n.refusal).c_str());
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["points"] = n.pointsUsed;
    state.counters["rms_sw"] = n.refinedTaken ? n.rmsRefined : n.rmsTwoStep;
    state.counters["peak_rss_MB_before"] = rssBefore;
    state.counters["peak_rss_MB"] = PeakRssMegabytes();
}

} // namespace

BENCHMARK(BM_NormalizePc)
    ->ArgNames({"samples", "points"})
    ->Args({500, 40})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
