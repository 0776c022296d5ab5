// Reading a LAS file of 1,000,000 rows x 10 curves (about 100 MB) and turning
// it into measurement lines through a deviation survey, as "--las" does, and
// as the LAS import of the input dialog does it.
// Reports the CPU time per run and the peak resident memory of the process.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cmath>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "LasImport.h"
#include "LasImportSession.h"
#include "LasReader.h"
#include "TextFormat.h"

namespace {

constexpr int kRows = 1'000'000;
constexpr double kTopMd = 1000.0;
constexpr double kStep = 0.01;

std::filesystem::path TempFile(const char* name) { return std::filesystem::temp_directory_path() / name; }
std::string LasPath() { return TempFile("keldo-bench-1m.las").string(); }
std::string SurveyPath() { return TempFile("keldo-bench-1m-survey.txt").string(); }

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A well that builds from vertical to 60 degrees between 500 and 2500 m MD,
// stations every 30 m down to 11100 m, TVD left to the minimum-curvature method.
void WriteSurvey()
{
    std::ofstream out(SurveyPath(), std::ios::binary);
    out << "MD  Inc  Azim\nm   deg  deg\n";
    for (double md = 0; md <= 11100; md += 30) {
        const double inc = std::clamp((md - 500.0) / 2000.0 * 60.0, 0.0, 60.0);
        std::string line;
        keldo::AppendFixed(line, md, 0, 2);
        line += ' ';
        keldo::AppendFixed(line, inc, 0, 2);
        line += ' ';
        keldo::AppendFixed(line, 120.0 + md / 1000.0, 0, 2);
        out << line << '\n';
    }
}

// Ten curves with the value widths of real interpretation output; every
// 1000th porosity is NULL.
void WriteLas()
{
    std::ofstream out(LasPath(), std::ios::binary);
    out << "~Version Information\n VERS.   2.0 : CWLS log ASCII Standard Version 2.00\n WRAP.   NO  : One line per "
           "depth step\n"
           "~Well Information\n STRT.M  1000.0000 :\n STOP.M  10999.9900 :\n STEP.M  0.0100 :\n NULL.   -999.25 :\n"
           " WELL.   BENCH-1 : Well\n EKB .M  25.0 : Elevation kelly bushing\n"
           "~Curve Information\n DEPTH.M : Measured depth\n GR.GAPI : Gamma ray\n RHOB.G/C3 : Density\n"
           " NPHI.V/V : Neutron porosity\n DT.US/F : Sonic\n RT.OHMM : Resistivity\n VSH.V/V : Shale volume\n"
           " PHIE.V/V : Effective porosity\n SW.V/V : Water saturation\n KLOGH.MD : Permeability\n"
           "~A  DEPTH  GR  RHOB  NPHI  DT  RT  VSH  PHIE  SW  KLOGH\n";
    std::string block;
    uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24);
    };
    for (int i = 0; i < kRows; ++i) {
        const double md = kTopMd + kStep * i;
        const double phi = 0.05 + 0.25 * next();
        const double values[] = {40 + 80 * next(), 2.2 + 0.4 * next(), phi + 0.05, 60 + 40 * next(), 0.5 + 100 * next(),
            next(), phi, 0.1 + 0.9 * next(), 1000 * phi * phi * phi};
        keldo::AppendFixed(block, md, 11, 4);
        for (int k = 0; k < 9; ++k) {
            block += ' ';
            if (k == 6 && i % 1000 == 999)
                block += " -999.2500";
            else
                keldo::AppendFixed(block, values[k], 10, 4);
        }
        block += '\n';
        if (block.size() > (1 << 20)) {
            out << block;
            block.clear();
        }
    }
    out << block;
}

void BM_LasToMeasurementLines(benchmark::State& state)
{
    keldo::LasImportRequest request;
    request.lasFile = LasPath();
    request.surveyFile = SurveyPath();
    double cpuSeconds = 0;
    size_t lines = 0;
    for (auto _ : state) {
        const std::clock_t start = std::clock();
        keldo::LasImportResult result;
        keldo::WellDataError error;
        if (!keldo::ImportLas(request, result, error))
            state.SkipWithError(error.Message().c_str());
        lines = result.rows.lines.size();
        benchmark::DoNotOptimize(result.rows.lines.data());
        cpuSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    }
    // CPU time, so that other work on the machine does not count.
    state.counters["cpu_s_per_run"] = cpuSeconds / static_cast<double>(state.iterations());
    state.counters["peak_MB"] = PeakMegabytes();
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(LasPath())) / 1e6;
}

// Only reading, every curve counted, none kept: the work of "--las-info".
void BM_LasHeaderAndStatistics(benchmark::State& state)
{
    for (auto _ : state) {
        keldo::LasLog log;
        keldo::WellDataError error;
        if (!keldo::ReadLasFile(LasPath(), keldo::KeptCurves{}, log, error))
            state.SkipWithError(error.Message().c_str());
        benchmark::DoNotOptimize(log.statistics.data());
    }
}

// The LAS import dialog: the file read once with every curve kept ...
void BM_DialogOpensTheFile(benchmark::State& state)
{
    for (auto _ : state) {
        keldo::LasImportSession session;
        keldo::WellDataError error;
        if (!session.Open(LasPath(), error) || !session.LoadSurvey(SurveyPath(), error))
            state.SkipWithError(error.Message().c_str());
        benchmark::DoNotOptimize(session.Log().values.data());
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

// ... then, for every change of a curve, the survey or the elevation, the
// counts over all rows and the lines of its preview.
void BM_DialogRefreshAfterAChange(benchmark::State& state)
{
    keldo::LasImportSession session;
    keldo::WellDataError error;
    if (!session.Open(LasPath(), error) || !session.LoadSurvey(SurveyPath(), error)) {
        state.SkipWithError(error.Message().c_str());
        return;
    }
    double elevation = 25;
    for (auto _ : state) {
        session.SetElevation(elevation += 0.5);
        const keldo::MeasurementRows rows = session.DeriveRows(12);
        benchmark::DoNotOptimize(rows.counts.kept);
    }
}

} // namespace

BENCHMARK(BM_LasToMeasurementLines)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LasHeaderAndStatistics)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DialogOpensTheFile)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DialogRefreshAfterAChange)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv)
{
    WriteSurvey();
    WriteLas();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(LasPath());
    std::filesystem::remove(SurveyPath());
    return 0;
}
