// keldo-batch refuses an output that names one of its inputs or another
// output, however the path is spelled, before anything is read or computed.
#include <gtest/gtest.h>

#include <filesystem>

#include "BatchOutputs.h"
#include "BatchTestRun.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;
using keldo::BatchOptions;

namespace {

struct ClashFolder {
    ScratchFolder dir;
    std::string document = dir.file("bohrung.kld");
    std::string measurements = dir.file("messwerte.txt");
    std::string las = dir.file("F-11A.las");
    std::string survey = dir.file("pfad.txt");
    std::string core = dir.file("kern.txt");

    ClashFolder()
    {
        fs::copy_file(GasExampleDocument(), document);
        WriteBytes(measurements, "2900 0.2 0.5\n");
        WriteBytes(las, "~V\n");
        WriteBytes(survey, "MD INC AZI\n");
        WriteBytes(core, "2900 0.2 100\n");
        fs::create_hard_link(measurements, dir.file("hart.txt"));
        fs::create_symlink(document, dir.file("link.kld"));
    }
};

std::string InputClash(const std::string& output, const std::string& path, const std::string& input,
    const std::string& inputPath)
{
    return output + " \"" + path + "\" würde die Eingabedatei \"" + inputPath + "\" (" + input
        + ") überschreiben; bitte eine andere Ausgabedatei nennen.";
}

} // namespace

TEST(BatchFileClash, AnOutputThatNamesAnInputOrAnotherOutputIsFound)
{
    ClashFolder f;
    const std::string dir = f.dir.path().string();
    const std::string fresh = f.dir.file("neu.txt");
    const struct {
        const char* what;
        void (*change)(BatchOptions&, const ClashFolder&);
        std::string clash; // empty: none
    } cases[] = {
        {"report over the document", [](BatchOptions& o, const ClashFolder& c) { o.reportFile = c.document; },
            InputClash("--report", f.document, "Dokument", f.document)},
        {"report over the document, spelled otherwise",
            [](BatchOptions& o, const ClashFolder& c) { o.reportFile = c.dir.path().string() + "/./x/../bohrung.kld"; },
            InputClash("--report", dir + "/./x/../bohrung.kld", "Dokument", f.document)},
        {"document saved over itself through a link",
            [](BatchOptions& o, const ClashFolder& c) { o.saveAs = c.dir.file("link.kld"); },
            InputClash("--save-as", f.dir.file("link.kld"), "Dokument", f.document)},
        {"report over a hard link of the measurements",
            [](BatchOptions& o, const ClashFolder& c) {
                o.inputs.measurementsFile = c.measurements;
                o.reportFile = c.dir.file("hart.txt");
            },
            InputClash("--report", f.dir.file("hart.txt"), "--measurements", f.measurements)},
        {"saved document over the LAS file",
            [](BatchOptions& o, const ClashFolder& c) {
                o.inputs.lasFile = c.las;
                o.inputs.surveyFile = c.survey;
                o.saveAs = c.las;
            },
            InputClash("--save-as", f.las, "--las", f.las)},
        {"report over the survey",
            [](BatchOptions& o, const ClashFolder& c) {
                o.inputs.lasFile = c.las;
                o.inputs.surveyFile = c.survey;
                o.reportFile = c.survey;
            },
            InputClash("--report", f.survey, "--survey", f.survey)},
        {"report over the core table",
            [](BatchOptions& o, const ClashFolder& c) {
                o.fitPhiK = true;
                o.coreFile = c.core;
                o.reportFile = c.core;
            },
            InputClash("--report", f.core, "--core", f.core)},
        {"saved document over the capillary-pressure file",
            [](BatchOptions& o, const ClashFolder& c) {
                o.pcFile = c.core;
                o.saveAs = c.core;
            },
            InputClash("--save-as", f.core, "--fit-pc", f.core)},
        {"report over the pressure file",
            [](BatchOptions& o, const ClashFolder& c) {
                o.pressureFile = c.core;
                o.reportFile = c.core;
            },
            InputClash("--report", f.core, "--fit-pressure", f.core)},
        {"report and saved document into one new file",
            [](BatchOptions& o, const ClashFolder& c) {
                o.saveAs = c.dir.file("neu.txt");
                o.reportFile = c.dir.file("neu.txt");
            },
            "--report \"" + fresh + "\" und --save-as \"" + fresh
                + "\" nennen dieselbe Datei; bitte verschiedene Ausgabedateien nennen."},
        {"graph over a fit graph",
            [](BatchOptions& o, const ClashFolder& c) {
                o.fitPhiK = o.fitContact = true;
                o.coreFile = c.core;
                o.fitGraphFile = c.dir.file("fit.svg");
                o.graphFile = c.dir.file("fit-phik.svg");
            },
            "--graph \"" + f.dir.file("fit-phik.svg") + "\" und --fit-graph \"" + f.dir.file("fit-phik.svg")
                + "\" nennen dieselbe Datei; bitte verschiedene Ausgabedateien nennen."},
        {"every output a file of its own",
            [](BatchOptions& o, const ClashFolder& c) {
                o.inputs.measurementsFile = c.measurements;
                o.reportFile = c.dir.file("bericht.txt");
                o.saveAs = c.dir.file("neu.kld");
                o.graphFile = c.dir.file("grafik.png");
            },
            ""},
        {"the report on standard output", [](BatchOptions&, const ClashFolder&) {}, ""},
        {"the report into the device the measurements come from",
            [](BatchOptions& o, const ClashFolder&) { o.inputs.measurementsFile = o.reportFile = "/dev/null"; }, ""},
    };
    for (const auto& c : cases) {
        BatchOptions options;
        options.inputs.document = f.document;
        c.change(options, f);
        const std::optional<keldo::FileClash> clash = keldo::FindFileClash(options);
        EXPECT_EQ(clash ? keldo::ClashMessage(*clash) : "", c.clash) << c.what;
    }
}

TEST(BatchFileClash, TheRunIsRefusedBeforeTheDocumentIsRead)
{
    ClashFolder f;
    // No document at all: reading it would end the run with status 1.
    const std::string document = "kein Dokument";
    WriteBytes(f.document, document);
    // The report over the document; the saved document and the report into
    // the document's own name.
    for (const bool alsoSave : {false, true}) {
        BatchOptions options;
        options.inputs.document = f.document;
        options.reportFile = f.document;
        if (alsoSave)
            options.saveAs = f.document;
        const Outcome out = RunTool(options);
        EXPECT_EQ(out.status, keldo::kBatchRefused);
        EXPECT_EQ(out.messages, InputClash("--report", f.document, "Dokument", f.document) + "\n");
        EXPECT_EQ(out.report, "");
        EXPECT_EQ(ReadBytes(f.document), document);
    }
}
