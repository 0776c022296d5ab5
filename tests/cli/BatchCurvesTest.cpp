// keldo-batch's net pay, zones and exports: their options, the files they
// write (the curves of the prepared well, byte for byte), a zone run that
// is the zone of the run over all zones, and bad tops or export targets
// refused before anything is computed, with nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "BatchTestRun.h"
#include "CurvesCsv.h"
#include "CurvesLas.h"
#include "KeldoDoc.h"
#include "MeasurementCurves.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

using keldo::BatchOptions;

namespace {

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string VolveTops() { return ExampleFile("volve-tops.csv"); }

BatchOptions F12(keldo::BatchOptions options = {})
{
    options.inputs.document = OilExampleDocument();
    options.inputs.lasFile = VolveWellLas("15_9-F-12");
    options.inputs.surveyFile = VolveWellSurvey("15_9-F-12");
    options.inputs.elevation.reset();
    return options;
}

// The lines of `text` from the first that begins with `heading` to the next
// empty line.
std::string Block(const std::string& text, const std::string& heading)
{
    const size_t at = text.find("\n" + heading);
    if (at == std::string::npos)
        return {};
    const size_t end = text.find("\n\n", at + 1);
    return text.substr(at + 1, end == std::string::npos ? std::string::npos : end - at);
}

} // namespace

TEST(BatchCurvesOptions, AreTakenAndRefusedOutOfPlace)
{
    std::string error;
    auto options = keldo::ParseBatchOptions({"--las", "w.las", "--export-las", "c.las", "--export-csv", "c.csv",
                                                "--net-pay", "--sw-cutoff", "0.3", "--vsh-curve", "VCL", "--vsh-cutoff",
                                                "0.25", "--tops", "t.csv", "--zone", "Hugin", "w.kld"},
        error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->exportLas, "c.las");
    EXPECT_EQ(options->exportCsv, "c.csv");
    EXPECT_TRUE(options->netPay);
    EXPECT_EQ(options->swCutoff, 0.3f);
    EXPECT_EQ(options->inputs.shaleCurve, "VCL");
    EXPECT_EQ(options->shaleCutoff, 0.25);
    EXPECT_EQ(options->topsFile, "t.csv");
    EXPECT_EQ(options->zone, "Hugin");

    struct Case {
        std::vector<std::string> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--zone", "Hugin", "w.kld"}, "--zone braucht --tops DATEI"},
        {{"--vsh-curve", "VSH", "--net-pay", "w.kld"}, "--vsh-curve braucht --las"},
        {{"--sw-cutoff", "0.3", "w.kld"}, "--sw-cutoff und --vsh-cutoff gelten nur mit"},
        {{"--net-pay", "--sw-cutoff", "1.5", "w.kld"}, "Option --sw-cutoff: \"1.5\" ist keine Zahl von 0 bis 1"},
        {{"--net-pay", "--vsh-cutoff", "-0.1", "w.kld"}, "Option --vsh-cutoff: \"-0.1\" ist keine Zahl von 0 bis 1"},
        {{"--net-pay", "--sw-cutoff", "0,3", "w.kld"}, "ist keine Zahl von 0 bis 1"},
        {{"--export-las"}, "Option --export-las braucht einen Wert"},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(keldo::ParseBatchOptions(c.args, error)) << c.args.front();
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
}

// The exports are the curves of the well as keldo-batch prepares it, byte
// for byte; the net-pay block follows the report.
TEST(BatchCurves, ExportsAreThePreparedWellsCurves)
{
    ScratchFolder dir;
    BatchOptions options = F12();
    options.exportLas = dir.file("f12.las");
    options.exportCsv = dir.file("f12.csv");
    options.netPay = true;
    const Outcome run = RunTool(options);
    ASSERT_EQ(run.status, keldo::kBatchCompleted) << run.messages;

    RecordingMessageBox box;
    CKeldoDoc doc(box);
    keldo::BatchWellData well;
    std::ostringstream ignored;
    ASSERT_EQ(keldo::PrepareBatchWell(options, doc, box, ignored, nullptr, &well), keldo::kBatchCompleted);
    ASSERT_TRUE(well.shale); // VSH, the suggestion
    EXPECT_EQ(well.shale->mnemonic, "VSH");
    const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte, &well.shale->values});
    // Compared whole, not printed: the files are large.
    EXPECT_TRUE(ReadText(options.exportLas) == keldo::CurvesLasText(curves, keldo::DepthReference::Tvdss));
    EXPECT_TRUE(ReadText(options.exportCsv) == keldo::CurvesCsvText(curves, keldo::DepthReference::Tvdss));
    EXPECT_NE(ReadText(options.exportLas).find(" VSHCUT.V/V              0.4 :"), std::string::npos);
    EXPECT_NE(run.report.find("\n  NETTO-, NUTZ- UND KW-PORENMÄCHTIGKEIT\n"), std::string::npos);
    EXPECT_NE(run.report.find("Tonanteil-Cutoff (netto bis)"), std::string::npos);

    // A document without a shale curve: net by porosity alone.
    BatchOptions kld;
    kld.inputs.document = GasExampleDocument();
    kld.netPay = true;
    const Outcome gas = RunTool(kld);
    ASSERT_EQ(gas.status, keldo::kBatchCompleted) << gas.messages;
    EXPECT_NE(gas.report.find("Ohne Tonanteilkurve: netto nach der Porosität allein"), std::string::npos);
}

// A run limited to a zone gives exactly that zone's block of the run over
// every zone, and its report covers the zone only.
TEST(BatchCurves, ZoneRunIsTheZoneOfTheRunOverAllZones)
{
    BatchOptions all = F12();
    all.topsFile = VolveTops();
    all.settings.modus = 1;
    const Outcome every = RunTool(all);
    ASSERT_EQ(every.status, keldo::kBatchCompleted) << every.messages;
    // The top below the log is reported and skipped.
    EXPECT_NE(every.messages.find("\"Unter dem Log\" (Zeile 8): Die Teufe 3600.000 m liegt außerhalb"),
        std::string::npos);
    for (const char* zone : {"Oberer Sand", "Unterer Sand"}) {
        BatchOptions one = all;
        one.zone = zone;
        const Outcome run = RunTool(one);
        ASSERT_EQ(run.status, keldo::kBatchCompleted) << run.messages;
        const std::string heading = std::string("  ZONE ") + zone + ":";
        const std::string block = Block(run.report, heading);
        ASSERT_FALSE(block.empty()) << zone;
        EXPECT_EQ(block, Block(every.report, heading)) << zone;
        EXPECT_EQ(run.report.find("  ZONE ", run.report.find(heading) + 1), std::string::npos) << "one zone only";
    }
}

// Bad tops, an unknown zone and export targets that cannot be written stop
// the run before it computes: one message, the exit status, no file.
TEST(BatchCurves, BadTopsAndTargetsAreRefusedBeforeComputing)
{
    ScratchFolder dir;
    WriteText(dir.file("bad-tops.csv"), "well,surface,depth\n15/9-F-12,Hugin,abc\n");
    WriteText(dir.file("other-tops.csv"), "well,surface,depth\nNirgendwo,Hugin,2900\n");
    std::filesystem::create_directory(dir.file("folder.las"));
    struct Case {
        const char* name;
        void (*set)(BatchOptions&, const ScratchFolder&);
        int status;
        const char* message;
    };
    const Case cases[] = {
        {"tops missing", [](BatchOptions& o, const ScratchFolder& d) { o.topsFile = d.file("none.csv"); },
            keldo::kBatchUnreadable, "Die Datei der Formationsgrenzen"},
        {"tops not a number", [](BatchOptions& o, const ScratchFolder& d) { o.topsFile = d.file("bad-tops.csv"); },
            keldo::kBatchRefused, "\"abc\" ist keine Zahl"},
        {"no top of the well", [](BatchOptions& o, const ScratchFolder& d) { o.topsFile = d.file("other-tops.csv"); },
            keldo::kBatchRefused, "nennt keine Grenze der Bohrung \"15/9-F-12\""},
        {"unknown zone",
            [](BatchOptions& o, const ScratchFolder&) {
                o.topsFile = VolveTops();
                o.zone = "Hugin";
            },
            keldo::kBatchRefused, "hat keine Zone \"Hugin\""},
        {"export into a folder", [](BatchOptions& o, const ScratchFolder& d) { o.exportLas = d.file("folder.las"); },
            keldo::kBatchUnreadable, "Die Messwerte können nicht in die Datei"},
        {"export into no folder", [](BatchOptions& o, const ScratchFolder& d) { o.exportCsv = d.file("no/c.csv"); },
            keldo::kBatchUnreadable, "Die Messwerte können nicht in die Datei"},
        {"export over the LAS file", [](BatchOptions& o, const ScratchFolder&) { o.exportCsv = o.inputs.lasFile; },
            keldo::kBatchRefused, "würde die Eingabedatei"},
        {"both exports one file",
            [](BatchOptions& o, const ScratchFolder& d) { o.exportLas = o.exportCsv = d.file("c.txt"); },
            keldo::kBatchRefused, "nennen dieselbe Datei"},
        {"unknown shale curve", [](BatchOptions& o, const ScratchFolder&) { o.inputs.shaleCurve = "VCLAY"; },
            keldo::kBatchRefused, "Die Kurve \"VCLAY\" (Tonanteil) gibt es in der Datei nicht"},
    };
    for (const Case& c : cases) {
        BatchOptions options = F12();
        options.netPay = true;
        options.reportFile = dir.file("report.txt");
        c.set(options, dir);
        const std::vector<std::string> before = dir.entries();
        const Outcome run = RunTool(options);
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.messages;
        EXPECT_NE(run.messages.find(c.message), std::string::npos) << c.name << ": " << run.messages;
        EXPECT_EQ(run.report, "") << c.name;
        EXPECT_EQ(dir.entries(), before) << c.name << ": nothing written";
    }
}
