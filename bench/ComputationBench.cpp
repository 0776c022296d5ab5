#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <ctime>

#include "GeneratedWell.h"

namespace {

class CountingMessageBox : public keldo::IMessageBox {
public:
    void Show(const std::string&) override { ++count; }
    bool AskYesNo(const std::string&) override { return true; }
    int count = 0;
};

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RunComputation(benchmark::State& state, int modus)
{
    const int count = static_cast<int>(state.range(0));
    CountingMessageBox box;
    CKeldoDoc doc(box);
    doc.m_Messwerte = GenerateMeasurementLines(count);
    SetBenchmarkInputs(doc, modus);
    double cpuSeconds = 0;
    for (auto _ : state) {
        doc.m_bGeaendert = 1;
        const std::clock_t start = std::clock();
        doc.Compute();
        cpuSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        benchmark::DoNotOptimize(doc.m_Ergebnisse.data());
    }
    if (doc.m_bGeaendert != 0)
        state.SkipWithError("the computation stopped early");
    // CPU time, so that other work on the machine does not count.
    state.counters["ns_per_measurement"]
        = cpuSeconds * 1e9 / (static_cast<double>(count) * static_cast<double>(state.iterations()));
    state.SetItemsProcessed(static_cast<int64_t>(count) * state.iterations());
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["report_lines"] = static_cast<double>(doc.m_Ergebnisse.size());
}

void BM_WaterSaturationRun(benchmark::State& state) { RunComputation(state, 0); }
void BM_ContactRun(benchmark::State& state) { RunComputation(state, 1); }

} // namespace

BENCHMARK(BM_WaterSaturationRun)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactRun)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
