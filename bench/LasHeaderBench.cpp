// A LAS file whose header is 2 million curve lines (about 27 MB, a damaged
// or hostile file): reading its header must be refused early with little
// memory. Reports the CPU time per reading and the peak resident memory of
// the process.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "LasReader.h"

namespace {

constexpr int kCurveLines = 2'000'000;

std::string HeaderPath()
{
    return (std::filesystem::temp_directory_path() / "keldo-bench-2m-curves.las").string();
}

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void WriteHeader()
{
    std::ofstream out(HeaderPath(), std::ios::binary);
    out << "~Version\n VERS. 2.0 :\n WRAP. NO :\n~Curve\n";
    for (int i = 0; i < kCurveLines; ++i)
        out << " C" << i << ".M : curve\n";
    out << "~A\n";
}

void BM_HugeLasHeader(benchmark::State& state)
{
    for (auto _ : state) {
        keldo::LasHeader header;
        keldo::WellDataError error;
        const bool read = keldo::ReadLasHeaderFile(HeaderPath(), header, error);
        benchmark::DoNotOptimize(read);
        if (read)
            state.SkipWithError("the header was taken whole");
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(HeaderPath())) / 1e6;
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_HugeLasHeader)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    WriteHeader();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(HeaderPath());
    return 0;
}
