// Reading a measurement file of 1,000,000 lines, on its own and into the open
// input dialog (list box included).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "LineOrder.h"
#include "MeasurementImport.h"
#include "TextFormat.h"

#ifdef KELDO_BENCH_DIALOG
#include <QApplication>

#include "DlgInput.h"
#endif

namespace {

class SilentMessages : public keldo::IMessageBox {
public:
    void Show(const std::string&) override { ++shown; }
    bool AskYesNo(const std::string&) override { return true; }
    int shown = 0;
};

std::string MillionLinePath() { return (std::filesystem::temp_directory_path() / "keldo-bench-1m.txt").string(); }

// A descending file with distinct depths (every 4 mm from 5000 m upward),
// written once per run.
const std::string& MillionLineFile()
{
    static const std::string path = [] {
        auto p = MillionLinePath();
        std::ofstream out(p, std::ios::binary);
        std::string line;
        for (int i = 0; i < 1'000'000; ++i) {
            line.clear();
            keldo::AppendFixed(line, 5000.0 - 0.004 * i, 0, 3);
            line += ' ';
            keldo::AppendFixed(line, 0.05 + (i % 300) * 0.001, 0, 5);
            line += ' ';
            keldo::AppendFixed(line, 0.2 + (i % 700) * 0.001, 0, 5);
            line += "\r\n";
            out << line;
        }
        return p;
    }();
    return path;
}

void BM_ImportMillionLines(benchmark::State& state)
{
    const std::string& path = MillionLineFile();
    for (auto _ : state) {
        SilentMessages box;
        std::vector<std::string> lines;
        bool ok = keldo::ImportMeasurementFile(path, true, box, lines);
        if (!ok || lines.size() != 1'000'000)
            state.SkipWithError("import refused the generated file");
        benchmark::DoNotOptimize(lines.data());
    }
}

void BM_SortMillionLines(benchmark::State& state)
{
    SilentMessages box;
    std::vector<std::string> lines;
    keldo::ImportMeasurementFile(MillionLineFile(), true, box, lines);
    for (auto _ : state)
        benchmark::DoNotOptimize(keldo::SortedLineOrder(lines));
}

#ifdef KELDO_BENCH_DIALOG
// "Datei lesen" in the open dialog: the import, the sorted list box, the
// count text and the depth window.
void BM_DialogFileOpenMillionLines(benchmark::State& state)
{
    const std::string& path = MillionLineFile();
    SilentMessages box;
    DlgInput dlg(box);
    dlg.SetValues(CDlgInputValues{});
    dlg.OnInitDialog();
    dlg.show();
    dlg.SetFileChooser([&path](QWidget*) { return path; });
    for (auto _ : state) {
        dlg.FileOpen();
        QApplication::processEvents();
        if (dlg.m_Messwerte.size() != 1'000'000)
            state.SkipWithError("dialog import incomplete");
    }
}
BENCHMARK(BM_DialogFileOpenMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

} // namespace

BENCHMARK(BM_ImportMillionLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortMillionLines)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
#ifdef KELDO_BENCH_DIALOG
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(MillionLinePath());
    return 0;
}
