// A field study of generated wells: 200 wells of 20,000 measurements, both
// modes, on one thread and on two. Counters: wall and CPU time, CPU time
// per measurement and mode, the peak of the memory the study holds (heap,
// counted by this program's allocator, from the start of the study) and the
// process's peak resident size.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <sys/resource.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <unistd.h>

#include "DocumentFile.h"
#include "FieldRun.h"
#include "GeneratedWell.h"

namespace {

std::atomic<size_t> g_live{0};
std::atomic<size_t> g_peak{0};

void* Counted(void* p)
{
    if (!p)
        throw std::bad_alloc();
    const size_t live = g_live += malloc_usable_size(p);
    for (size_t peak = g_peak; live > peak && !g_peak.compare_exchange_weak(peak, live);) {}
    return p;
}

void Uncount(void* p)
{
    if (p) {
        g_live -= malloc_usable_size(p);
        std::free(p);
    }
}

} // namespace

void* operator new(size_t n) { return Counted(std::malloc(n ? n : 1)); }
void* operator new[](size_t n) { return Counted(std::malloc(n ? n : 1)); }
void* operator new(size_t n, std::align_val_t a)
{
    return Counted(
        std::aligned_alloc(static_cast<size_t>(a), (n + static_cast<size_t>(a) - 1) & ~(static_cast<size_t>(a) - 1)));
}
void operator delete(void* p) noexcept { Uncount(p); }
void operator delete[](void* p) noexcept { Uncount(p); }
void operator delete(void* p, size_t) noexcept { Uncount(p); }
void operator delete[](void* p, size_t) noexcept { Uncount(p); }
void operator delete(void* p, std::align_val_t) noexcept { Uncount(p); }

namespace {

constexpr int kMeasurements = 20000;
constexpr int kDistinctWells = 10; // documents on disk; the study cycles through them

class NoMessages : public keldo::IMessageBox {
public:
    void Show(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
};

// The generated wells as documents in a fresh folder, removed afterwards.
class GeneratedDocuments {
public:
    GeneratedDocuments()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "keldo-field-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        m_folder = pattern;
        for (int i = 0; i < kDistinctWells; ++i) {
            NoMessages box;
            CKeldoDoc doc(box);
            SetBenchmarkInputs(doc, 0);
            doc.m_strBohrung = "Generiert " + std::to_string(i + 1);
            doc.m_Messwerte = GenerateMeasurementLines(kMeasurements, 12345u + 7919u * static_cast<uint32_t>(i));
            const std::string path = (m_folder / ("bohrung-" + std::to_string(i + 1) + ".kld")).string();
            if (!keldo::SaveDocument(path, doc))
                std::abort();
            m_paths.push_back(path);
        }
    }
    ~GeneratedDocuments()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    const std::string& operator[](size_t i) const { return m_paths[i % m_paths.size()]; }

private:
    std::filesystem::path m_folder;
    std::vector<std::string> m_paths;
};

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

void BM_FieldStudy(benchmark::State& state)
{
    const int wells = static_cast<int>(state.range(0));
    const int jobs = static_cast<int>(state.range(1));
    const GeneratedDocuments documents;
    keldo::FieldStudy study;
    for (int i = 0; i < wells; ++i) {
        keldo::FieldWell well;
        well.name = "Bohrung " + std::to_string(i + 1);
        well.inputs.document = documents[static_cast<size_t>(i)];
        study.wells.push_back(well);
    }
    double wall = 0, cpu = 0, peakMB = 0;
    int completed = 0;
    for (auto _ : state) {
        const size_t baseline = g_live;
        g_peak = baseline;
        const double cpuStart = CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        completed = 0;
        keldo::RunField(study, nullptr, {}, jobs,
            [&](keldo::WellOutcome&& out) { completed += out.summary.status == keldo::WellStatus::Completed; });
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += CpuSeconds() - cpuStart;
        peakMB = std::max(peakMB, static_cast<double>(g_peak - baseline) / 1e6);
    }
    if (completed != wells)
        state.SkipWithError("a well did not complete");
    const double runs = static_cast<double>(state.iterations());
    const double measurementModes = 2.0 * wells * kMeasurements;
    state.counters["wall_s"] = wall / runs;
    state.counters["cpu_s"] = cpu / runs;
    state.counters["cpu_us_per_measurement_mode"] = cpu / runs * 1e6 / measurementModes;
    state.counters["peak_heap_MB"] = peakMB;
    state.counters["peak_rss_MB"] = PeakRssMegabytes();
}

} // namespace

// Two thread counts for 200 wells (the speed-up) and for 50 (the memory:
// it grows with the threads, not with the wells).
BENCHMARK(BM_FieldStudy)
    ->ArgNames({"wells", "jobs"})
    ->Args({50, 1})
    ->Args({200, 1})
    ->Args({50, 2})
    ->Args({200, 2})
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
