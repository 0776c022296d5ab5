#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>
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
#include "WellPreparation.h"

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
        keldo::CoreTableError error;
        if (!keldo::ReadCoreTable(path, samples, error)) {
            state.SkipWithError(error.Message().c_str());
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

// The three Volve wells as keldo-batch reads them (PHIF, SW and KLOGH from
// the LAS file, TVDSS through the survey and the header's elevation) into
// the example document of their kind, over the whole logged depth range with
// keldo-batch's cut-off of 0.06.
struct VolveLasWell {
    const char* well;
    const char* document;
};
const VolveLasWell kVolveLasWells[] = {
    {"15_9-F-12", "gas-well-F-12.kld"},
    {"15_9-F-11_A", "oil-well-F-11A.kld"},
    {"15_9-F-11_B", "oil-well-F-11A.kld"},
};

// The well of the benchmark's argument as keldo-batch --fit-phik prepares
// it; nothing after an error, which the benchmark reports.
struct PreparedWell {
    const VolveLasWell* well = nullptr;
    RecordingMessageBox box;
    std::unique_ptr<CKeldoDoc> doc;
    keldo::LasPermeability permeability;
    keldo::PhiKSelection selection;
};

std::unique_ptr<PreparedWell> PrepareWell(benchmark::State& state)
{
    auto out = std::make_unique<PreparedWell>();
    out->well = &kVolveLasWells[state.range(0)];
    const std::string volve = KELDO_SOURCE_DIR "/examples/volve/";
    keldo::WellInputs inputs;
    inputs.document = KELDO_SOURCE_DIR "/examples/" + std::string(out->well->document);
    inputs.lasFile = volve + "las/" + out->well->well + "_WLC_PETRO_COMPUTED_OUTPUT_1.LAS";
    inputs.surveyFile = volve + "trajectories/" + out->well->well + "_ACTUAL.txt";
    inputs.elevation.reset();
    out->doc = std::make_unique<CKeldoDoc>(out->box);
    const keldo::WellSettings settings; // keldo-batch's
    keldo::WellPreparation prepared
        = keldo::PrepareWell({.inputs = inputs, .settings = settings, .permeabilityPairs = true}, *out->doc, out->box);
    if (!prepared.Prepared()) {
        // The file that stopped it, else the message of the checks.
        const std::string why = prepared.status == keldo::PreparationStatus::WellDataUnusable
            ? prepared.wellData.Message()
            : !prepared.file         ? prepared.file.Message()
            : out->box.shown.empty() ? std::string()
                                     : out->box.shown.back();
        state.SkipWithError(why.c_str());
        return nullptr;
    }
    out->permeability = std::move(prepared.permeability);
    out->selection = keldo::SelectPhiKPairs(out->permeability.samples, out->doc->m_fMinTeufe, out->doc->m_fMaxTeufe);
    state.SetLabel(out->well->well);
    return out;
}

// The Phi-K fit of order 2 to the well's kept rows with a KLOGH value.
void BM_PhiKFitVolveLas(benchmark::State& state)
{
    const auto prepared = PrepareWell(state);
    if (!prepared)
        return;
    double cpu = 0;
    keldo::PhiKFitResult fit;
    for (auto _ : state) {
        const CpuClock clock;
        fit = keldo::FitPhiK(prepared->selection, 2);
        cpu += clock.Seconds();
        benchmark::DoNotOptimize(fit.coefficients.data());
    }
    if (!fit.ok)
        state.SkipWithError(fit.message.c_str());
    state.counters["pairs"] = fit.n;
    state.counters["cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}

// The contact fit over the default range with the example document's model
// and the Phi-K relation just fitted: the misfit's preparation, the scan and
// the refinement, as keldo-batch --fit-phik --fit-contact makes it.
void BM_ContactFitVolveLas(benchmark::State& state)
{
    const auto prepared = PrepareWell(state);
    if (!prepared)
        return;
    const keldo::PhiKFitResult phiK = keldo::FitPhiK(prepared->selection, 2);
    if (!phiK.ok) {
        state.SkipWithError(phiK.message.c_str());
        return;
    }
    CKeldoInputs inputs = *prepared->doc;
    inputs.m_fPhiK0 = phiK.documentCoefficients[0];
    inputs.m_fPhiK1 = phiK.documentCoefficients[1];
    inputs.m_fPhiK2 = phiK.documentCoefficients[2];
    const std::vector<std::string>& lines = prepared->doc->m_Messwerte;
    const auto range = keldo::DefaultContactRange(lines, inputs.m_fMinTeufe, inputs.m_fMaxTeufe);
    double cpu = 0;
    keldo::ContactFitResult fit;
    for (auto _ : state) {
        const CpuClock clock;
        fit = keldo::FitContact(keldo::SaturationRunMisfit(inputs, lines), range->from, range->to);
        cpu += clock.Seconds();
    }
    if (!fit.ok)
        state.SkipWithError(fit.message.c_str());
    state.counters["rows"] = fit.n;
    state.counters["evaluations"] = fit.evaluations;
    state.counters["contact_m"] = fit.contact;
    state.counters["cpu_ms"] = cpu * 1e3 / static_cast<double>(state.iterations());
}

} // namespace

BENCHMARK(BM_PhiKFitVolveLas)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitVolveLas)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PhiKFitVolveTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitExample)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContactFitOverhead)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
