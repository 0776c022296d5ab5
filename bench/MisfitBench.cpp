// The misfit of the water-saturation run against the log of a real well as a
// contact fit would ask for it: a scan at 1 m steps and a refinement.
#include <benchmark/benchmark.h>

#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "DocumentFile.h"
#include "RecordingMessageBox.h"
#include "SaturationMisfit.h"
#include "TextFormat.h"
#include "VolveWell.h"

namespace {

const char* const kDocuments[] = {"oil-well-F-11A.kld", "gas-well-F-12.kld"};

struct Well {
    CKeldoInputs inputs;
    std::vector<std::string> lines;
    float shallowest = 0;
    float deepest = 0;
};

// Well 15/9-F-11 B evaluated with the model of one example document, over its
// whole depth range with the default cut-off.
Well LoadWell(int document, benchmark::State& state)
{
    Well well;
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    const keldo::FileResult loaded
        = keldo::LoadDocument(std::string(KELDO_SOURCE_DIR) + "/examples/" + kDocuments[document], doc);
    if (!loaded)
        state.SkipWithError(loaded.Message().c_str());
    well.lines = ReadVolveWell("15_9-F-11_B.txt", KELDO_SOURCE_DIR);
    if (well.lines.empty())
        state.SkipWithError("tests/data/volve/15_9-F-11_B.txt cannot be read");
    float v[3] = {};
    if (!well.lines.empty()) {
        keldo::ScanFloats(well.lines.front(), v, 3);
        well.shallowest = v[0];
        keldo::ScanFloats(well.lines.back(), v, 3);
        well.deepest = v[0];
    }
    well.inputs = doc;
    well.inputs.m_fMinTeufe = well.shallowest;
    well.inputs.m_fMaxTeufe = well.deepest;
    return well;
}

// The contact with the smallest misfit: every metre from the shallowest row to
// 300 m below the deepest, then 40 golden-section steps around the best metre.
float FitContact(const keldo::PreparedSaturationRows& prepared, float from, float to, int& evaluations)
{
    float best = from;
    double bestRms = INFINITY;
    for (float c = from; c <= to; c += 1.0f, ++evaluations) {
        const double rms = keldo::SaturationMisfit(prepared, c).rms;
        if (rms < bestRms) {
            bestRms = rms;
            best = c;
        }
    }
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = best - 1.0, b = best + 1.0;
    double x1 = b - ratio * (b - a), x2 = a + ratio * (b - a);
    double f1 = keldo::SaturationMisfit(prepared, static_cast<float>(x1)).rms;
    double f2 = keldo::SaturationMisfit(prepared, static_cast<float>(x2)).rms;
    evaluations += 2;
    for (int i = 0; i < 38; ++i, ++evaluations) {
        if (f1 <= f2) {
            b = x2, x2 = x1, f2 = f1;
            x1 = b - ratio * (b - a);
            f1 = keldo::SaturationMisfit(prepared, static_cast<float>(x1)).rms;
        } else {
            a = x1, x1 = x2, f1 = f2;
            x2 = a + ratio * (b - a);
            f2 = keldo::SaturationMisfit(prepared, static_cast<float>(x2)).rms;
        }
    }
    return static_cast<float>((a + b) / 2);
}

void BM_PrepareSaturationRows(benchmark::State& state)
{
    const Well well = LoadWell(static_cast<int>(state.range(0)), state);
    size_t rows = 0;
    for (auto _ : state) {
        const keldo::PreparedSaturationRows prepared = keldo::PrepareSaturationRows(well.inputs, well.lines);
        rows = prepared.rows.size();
        benchmark::DoNotOptimize(prepared.rows.data());
    }
    state.SetLabel(kDocuments[state.range(0)]);
    state.counters["rows"] = static_cast<double>(rows);
}

// Preparation, scan and refinement together: what one well of a field study costs.
void BM_ContactFitScan(benchmark::State& state)
{
    const Well well = LoadWell(static_cast<int>(state.range(0)), state);
    double cpuSeconds = 0;
    int evaluations = 0;
    float contact = 0;
    keldo::Misfit atContact;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        const keldo::PreparedSaturationRows prepared = keldo::PrepareSaturationRows(well.inputs, well.lines);
        evaluations = 0;
        contact = FitContact(prepared, well.shallowest, well.deepest + 300.0f, evaluations);
        cpuSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        atContact = keldo::SaturationMisfit(prepared, contact);
    }
    // CPU time, so that other work on the machine does not count.
    state.SetLabel(kDocuments[state.range(0)]);
    state.counters["cpu_ms_per_fit"] = cpuSeconds * 1e3 / static_cast<double>(state.iterations());
    state.counters["ns_per_row_and_contact"]
        = cpuSeconds * 1e9 / (static_cast<double>(state.iterations()) * evaluations * atContact.n);
    state.counters["contacts"] = evaluations;
    state.counters["rows"] = atContact.n;
    state.counters["fitted_contact_m"] = contact;
    state.counters["rms_at_contact"] = atContact.rms;
}

} // namespace

BENCHMARK(BM_PrepareSaturationRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitScan)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
