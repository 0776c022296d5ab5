#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "BatchRun.h"
#include "BatchTestRun.h"
#include "FileSizeLimit.h"
#include "LocaleGuard.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;
using keldo::BatchOptions;
using keldo::RunBatch;

namespace {

BatchOptions ForExample(int modus)
{
    BatchOptions options;
    options.inputs.document = GasExampleDocument();
    options.settings.modus = modus;
    return options;
}

} // namespace

TEST(BatchRun, SaturationRunOfTheExampleCompletes)
{
    Outcome out = RunTool(ForExample(0));
    EXPECT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
    EXPECT_EQ(out.report.rfind("\n  BERECHNUNG DER WASSERSAETTIGUNG\n", 0), 0u);
    EXPECT_NE(out.report.find("  Bohrung:15/9-F-12 Hugin, Gasfall\n"), std::string::npos);
    EXPECT_NE(out.report.find("  TEUFE   POROSITAET   WASSERSAETTIGUNG   PERMEABILITAET\n"), std::string::npos);
    EXPECT_EQ(out.messages, "Berechnung der Saettigung abgeschlossen\n");
}

TEST(BatchRun, ContactRunOfTheExampleCompletes)
{
    Outcome out = RunTool(ForExample(1));
    EXPECT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
    EXPECT_NE(out.report.find("  BERECHNUNG DES GAS-WASSER-KONTAKTES\n"), std::string::npos);
    EXPECT_NE(out.report.find("  Berechnung des Gas-Wasser-Kontaktes abgeschlossen\n"), std::string::npos);
    EXPECT_NE(out.report.find(" Gesamthäufigkeit:  "), std::string::npos);
}

TEST(BatchRun, OutputDoesNotDependOnTheLocale)
{
    Outcome plain[2] = {RunTool(ForExample(0)), RunTool(ForExample(1))};
    GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "no German locale on this machine";
    for (int modus = 0; modus < 2; ++modus) {
        Outcome local = RunTool(ForExample(modus));
        EXPECT_EQ(local.report, plain[modus].report);
        EXPECT_EQ(local.messages, plain[modus].messages);
    }
}

TEST(BatchRun, ReportFileHoldsWhatStandardOutputWouldShow)
{
    ScratchFolder dir;
    BatchOptions options = ForExample(1);
    Outcome toStdout = RunTool(options);
    options.reportFile = (dir.path() / "report.txt").string();
    Outcome toFile = RunTool(options);
    EXPECT_EQ(toFile.status, keldo::kBatchCompleted);
    EXPECT_TRUE(toFile.report.empty());
    std::ifstream in(options.reportFile, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), toStdout.report);
}

TEST(BatchRun, UnreadableDocumentsExitWithOne)
{
    ScratchFolder dir;
    BatchOptions options = ForExample(0);
    options.inputs.document = (dir.path() / "missing.kld").string();
    Outcome missing = RunTool(options);
    EXPECT_EQ(missing.status, keldo::kBatchUnreadable);
    EXPECT_FALSE(missing.messages.empty());

    // Cut the example off in the middle of its measurement lines.
    std::ifstream in(GasExampleDocument(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    options.inputs.document = (dir.path() / "truncated.kld").string();
    std::ofstream(options.inputs.document, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    Outcome truncated = RunTool(options);
    EXPECT_EQ(truncated.status, keldo::kBatchUnreadable);
    EXPECT_FALSE(truncated.messages.empty());
    EXPECT_TRUE(truncated.report.empty());
}

TEST(BatchRun, RefusedInputsExitWithTwoBeforeComputing)
{
    BatchOptions options = ForExample(0);
    options.settings.cutoff = 0.4f;
    Outcome out = RunTool(options);
    EXPECT_EQ(out.status, keldo::kBatchRefused);
    EXPECT_EQ(out.messages, "Der Porositäts-Cutoff muss kleiner 0.4 sein!\n");
    EXPECT_TRUE(out.report.empty());
}

TEST(BatchRun, MeasurementFileReplacesTheDocumentsLines)
{
    ScratchFolder dir;
    BatchOptions options = ForExample(0);
    options.inputs.measurementsFile = (dir.path() / "m.txt").string();
    options.inputs.descending = true;
    std::ofstream(options.inputs.measurementsFile) << "2900 0.2 0.5\n2890 0.21 0.4\n";
    Outcome out = RunTool(options);
    EXPECT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
    EXPECT_NE(out.report.find("\n  2900.0    0.200 "), std::string::npos);
    EXPECT_NE(out.report.find("\n  2890.0    0.210 "), std::string::npos);

    // A bad line stops the import; nothing is computed.
    std::ofstream(options.inputs.measurementsFile) << "2900 0.2 0.5\n2910 0.21 0.4\n";
    Outcome bad = RunTool(options);
    EXPECT_EQ(bad.status, keldo::kBatchRefused);
    EXPECT_NE(bad.messages.find("Die Teufe nimmt nicht ab!"), std::string::npos);
    EXPECT_TRUE(bad.report.empty());
}

TEST(BatchRun, AStoppedComputationExitsWithThree)
{
    // 0.23 * 1000 m is below the example's initial pressure of 300 bar.
    ScratchFolder dir;
    BatchOptions options = ForExample(0);
    options.inputs.measurementsFile = (dir.path() / "shallow.txt").string();
    std::ofstream(options.inputs.measurementsFile) << "1000 0.2 0.5\n";
    Outcome out = RunTool(options);
    EXPECT_EQ(out.status, keldo::kBatchStopped);
    EXPECT_NE(out.messages.find("\tAbbruch der Sw-Berechnung"), std::string::npos);
    EXPECT_FALSE(out.report.empty()); // the header stays
}

TEST(BatchRun, AFailedReportWriteKeepsTheOldReport)
{
    ScratchFolder dir;
    BatchOptions options = ForExample(1);
    options.reportFile = (dir.path() / "report.txt").string();
    std::ofstream(options.reportFile) << "old report\n";
    Outcome out;
    {
        FileSizeLimit fullDisk(100); // the report is some kilobytes long
        ASSERT_TRUE(fullDisk.active());
        out = RunTool(options);
    }
    EXPECT_EQ(out.status, keldo::kBatchUnreadable);
    EXPECT_NE(out.messages.find("Der Bericht kann nicht in die Datei"), std::string::npos);
    std::ifstream in(options.reportFile);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "old report\n");

    // A device is written straight through.
    options.reportFile = "/dev/null";
    EXPECT_EQ(RunTool(options).status, keldo::kBatchCompleted);
}

TEST(BatchRun, OutputsThatCannotBeWrittenAreRefusedBeforeComputing)
{
    ScratchFolder dir;
    WriteBytes(dir.file("datei"), "kein Ordner");
    const std::string missingFolder = dir.file("fehlt/bericht.txt");
    const std::string badName = dir.file("grafik");
    auto graphRefused = [](const std::string& path) -> std::string {
#ifdef KELDO_GRAPH_EXPORT
        return "Die Grafik kann nur als PNG, SVG oder PDF gespeichert werden (Dateiendung .png, .svg oder .pdf): "
            + path + "\n";
#else
        (void)path;
        return "Diese Ausgabe von keldo-batch kann keine Grafik speichern.\n";
#endif
    };
    auto reportRefused = [](const std::string& path, const std::string& reason) {
        return "Der Bericht kann nicht in die Datei " + path + " geschrieben werden.\n" + reason + "\n";
    };
    const struct {
        const char* what;
        std::string report;
        std::string graph;
        int status;
        std::string messages;
    } cases[] = {
        {"graph without an extension", "", badName, keldo::kBatchRefused, graphRefused(badName)},
        {"graph of an unknown format", "", dir.file("grafik.gif"), keldo::kBatchRefused,
            graphRefused(dir.file("grafik.gif"))},
        {"bad graph name before a missing folder", missingFolder, badName, keldo::kBatchRefused, graphRefused(badName)},
        {"report in a missing folder", missingFolder, "", keldo::kBatchUnreadable,
            reportRefused(missingFolder, "Die Datei oder der Ordner existiert nicht.")},
        {"report named like a folder", dir.path().string(), "", keldo::kBatchUnreadable,
            reportRefused(dir.path().string(), "Unter diesem Namen gibt es einen Ordner, keine Datei.")},
        {"report below a file", dir.file("datei/bericht.txt"), "", keldo::kBatchUnreadable,
            reportRefused(dir.file("datei/bericht.txt"), "Ein Teil des Pfades ist kein Ordner.")},
#ifdef KELDO_GRAPH_EXPORT
        {"graph in a missing folder", "", dir.file("fehlt/grafik.png"), keldo::kBatchUnreadable,
            "Die Grafik kann nicht in die Datei " + dir.file("fehlt/grafik.png")
                + " geschrieben werden.\nDie Datei oder der Ordner existiert nicht.\n"},
#endif
    };
    for (const auto& c : cases) {
        BatchOptions options = ForExample(0);
        options.reportFile = c.report;
        options.graphFile = c.graph;
        Outcome out = RunTool(options);
        EXPECT_EQ(out.status, c.status) << c.what;
        // The refusal alone: no message of a computation.
        EXPECT_EQ(out.messages, c.messages) << c.what;
        EXPECT_EQ(out.report, "") << c.what;
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"datei"}); // nothing written
}
