#include <benchmark/benchmark.h>

#include <ctime>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "CoreTable.h"
#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "PhiKFit.h"
#include "RecordingMessageBox.h"
#include "SaturationRunMisfit.h"

namespace {

// CPU seconds, so that other work on the machine does not count.
class CpuClock {
public:
    double Seconds() const { return static_cast<double>(std::clock() - m_start) / CLOCKS_PER_SEC; }

private:
    std::clock_t m_start = std::clock();
};

// Reading the core table of 15/9-F-12 (2647 rows of PHIF and KLOGH) and
// fitting order 2 over the whole well.
void BM_PhiKFitVolveTable(benchmark::State& state)
{
    const std::string path = KELDO_SOURCE_DIR "/tests/data/volve/klogh/15_9-F-12_phif_klogh.txt";
    double cpu = 0;
    int n = 0;
    for (auto _ : state) {
        const CpuClock clock;
        std::vector<keldo::PhiKSample> samples;
        std::string error;
        if (!keldo::ReadCoreTable(path, samples, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        const auto fit = keldo::FitPhiK(keldo::SelectPhiKPairs(samples, 0, 5000), 2);
        cpu += clock.Seconds();
        n = fit.n;
        benchmark::DoNotOptimize(fit.coefficients.data());
    }
    state.counters["pairs"] = n;
    state.counters["cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}

// The contact fit of the gas example (15/9-F-12, 304 lines, the dialog's
// default model, PI 300 bar, cut-off 0.1) over the default range, with the
// misfit of the water-saturation run.
void BM_ContactFitExample(benchmark::State& state)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    SetDefaultGasParameters(doc);
    doc.m_fInitialdruck = 300;
    doc.m_fMinTeufe = 2850;
    doc.m_fMaxTeufe = 2960;
    doc.m_fCutoff = 0.1f;
    if (!keldo::ImportMeasurementFile(
            KELDO_SOURCE_DIR "/examples/F-12-measurements.txt", false, box, doc.m_Messwerte)) {
        state.SkipWithError("cannot read the example measurements");
        return;
    }
    const auto range = keldo::DefaultContactRange(doc.m_Messwerte, doc.m_fMinTeufe, doc.m_fMaxTeufe);
    double cpu = 0;
    keldo::ContactFitResult fit;
    for (auto _ : state) {
        const CpuClock clock;
        fit = keldo::FitContact(keldo::SaturationRunMisfit(doc, doc.m_Messwerte), range->from, range->to);
        cpu += clock.Seconds();
    }
    if (!fit.ok)
        state.SkipWithError(fit.message.c_str());
    state.counters["rows"] = fit.n;
    state.counters["evaluations"] = fit.evaluations;
    state.counters["cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}

// The fit's own work around a misfit that costs nothing: a range of 700 m,
// as from the top of a long well to 300 m below its base.
void BM_ContactFitOverhead(benchmark::State& state)
{
    keldo::ContactFitResult fit;
    for (auto _ : state) {
        fit = keldo::FitContact(
            [](float c) {
                return keldo::ContactMisfit{0.05 + 0.001 * (c > 3150 ? c - 3150 : 3150 - c), 9000};
            },
            2790, 3490);
        benchmark::DoNotOptimize(fit.contact);
    }
    state.counters["evaluations"] = fit.evaluations;
}

} // namespace

BENCHMARK(BM_PhiKFitVolveTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitOverhead)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
