// The curves of every measurement out of the program, and net pay: the
// export of 1,000,000 generated measurements as LAS and as CSV (target: at
// most 1 s each), the computation of the curves themselves, and what net pay
// costs beside a well's two runs.
#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "CurvesCsv.h"
#include "CurvesLas.h"
#include "GeneratedWell.h"
#include "MeasurementCurves.h"
#include "NetPay.h"

namespace {

class SilentMessageBox : public keldo::IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

double CpuSeconds(std::clock_t start) { return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC; }

struct Well {
    CKeldoInputs inputs;
    std::vector<std::string> lines;
};

Well GeneratedWell(int count)
{
    SilentMessageBox box;
    CKeldoDoc doc(box);
    SetBenchmarkInputs(doc, 0);
    return {doc, GenerateMeasurementLines(count)};
}

// CPU time, so that other work on the machine does not count.
void Export(benchmark::State& state, bool las)
{
    const Well well = GeneratedWell(static_cast<int>(state.range(0)));
    const keldo::MeasurementCurves curves = keldo::ComputeCurves({well.inputs, well.lines});
    double cpu = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const std::string text = las ? keldo::CurvesLasText(curves, keldo::DepthReference::Tvd)
                                     : keldo::CurvesCsvText(curves, keldo::DepthReference::Tvd);
        cpu += CpuSeconds(start);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["cpu_s_per_export"] = cpu / static_cast<double>(state.iterations());
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_ExportLas(benchmark::State& state) { Export(state, true); }
void BM_ExportCsv(benchmark::State& state) { Export(state, false); }

void BM_ComputeCurves(benchmark::State& state)
{
    const Well well = GeneratedWell(static_cast<int>(state.range(0)));
    double cpu = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({well.inputs, well.lines});
        cpu += CpuSeconds(start);
        benchmark::DoNotOptimize(curves.rows.data());
    }
    state.counters["cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["ns_per_measurement"] = cpu * 1e9 / (static_cast<double>(state.iterations()) * well.lines.size());
}

// A well as a field study computes it: both runs of the document, then net
// pay (the curves of the window and their sums). The counter
// netpay_percent_of_runs is what net pay adds to the well.
void BM_NetPayBesideTheTwoRuns(benchmark::State& state)
{
    const Well well = GeneratedWell(static_cast<int>(state.range(0)));
    SilentMessageBox box;
    CKeldoDoc doc(box);
    static_cast<CKeldoInputs&>(doc) = well.inputs;
    doc.m_Messwerte = well.lines;
    double runs = 0, netPay = 0;
    for (auto _ : state) {
        std::clock_t start = std::clock();
        for (int modus : {0, 1}) {
            doc.m_nModus = modus;
            doc.m_bGeaendert = 1;
            doc.Compute();
        }
        runs += CpuSeconds(start);
        start = std::clock();
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
        const keldo::NetPay n = keldo::ComputeNetPay(curves.rows);
        netPay += CpuSeconds(start);
        benchmark::DoNotOptimize(n.hcptModel);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["runs_ms"] = runs * 1e3 / iterations;
    state.counters["netpay_ms"] = netPay * 1e3 / iterations;
    state.counters["netpay_percent_of_runs"] = 100.0 * netPay / runs;
}

} // namespace

BENCHMARK(BM_ExportLas)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComputeCurves)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NetPayBesideTheTwoRuns)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
