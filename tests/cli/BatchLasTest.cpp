// keldo-batch with a LAS file instead of the document's measurements.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "BatchRun.h"
#include "BatchTestRun.h"
#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

using keldo::BatchOptions;

namespace {

BatchOptions LasOptions(const std::string& well)
{
    BatchOptions options;
    options.inputs.document = OilExampleDocument();
    options.inputs.lasFile = VolveWellLas(well);
    options.inputs.surveyFile = VolveWellSurvey(well);
    options.inputs.elevation.reset(); // auto: 54.9 m from the header
    return options;
}

// The report without its well line, which names the LAS file's well.
std::string WithoutWellLine(std::string report)
{
    const size_t at = report.find("  Bohrung:");
    return at == std::string::npos ? report : report.erase(at, report.find('\n', at) - at + 1);
}

} // namespace

// The Volve measurement files were made from the LAS files and surveys with
// elevation 54.9 m (the files' ELEV/EDF); the LAS run must compute exactly
// what the run on the measurement file computes, in both modes.
TEST(BatchLas, VolveWellsComputeAsTheirMeasurementFiles)
{
    for (const char* well : {"15_9-F-12", "15_9-F-11_A", "15_9-F-11_B"}) {
        for (int modus : {0, 1}) {
            SCOPED_TRACE(std::string(well) + (modus ? " contact" : " saturation"));
            BatchOptions las = LasOptions(well);
            las.settings.modus = modus;
            BatchOptions text;
            text.inputs.document = OilExampleDocument();
            text.inputs.measurementsFile = VolveMeasurementPath(std::string(well) + ".txt");
            text.inputs.descending = false;
            text.settings.modus = modus;
            const Outcome fromLas = RunTool(las), fromText = RunTool(text);
            ASSERT_EQ(fromLas.status, fromText.status) << fromLas.messages;
            EXPECT_EQ(WithoutWellLine(fromLas.report), WithoutWellLine(fromText.report));
            // The summary of the import comes first, then the run's own messages.
            const std::string first = fromLas.messages.substr(0, fromLas.messages.find('\n'));
            EXPECT_NE(first.find(" Zeilen übernommen. Verworfen: "), std::string::npos) << first;
        }
    }
}

TEST(BatchLas, BadFilesAndNamesGiveTheirExitStatus)
{
    ScratchFolder dir;
    const std::string notLas = dir.file("kein.las"), las3 = dir.file("v3.las"), noRows = dir.file("leer.las");
    WriteBytes(notLas, "Tiefe Porosität\n1 2\n");
    WriteBytes(las3, "~V\n VERS. 3.0 : CWLS LOG ASCII STANDARD -VERSION 3.0\n WRAP. NO :\n");
    WriteBytes(noRows,
        "~V\n VERS. 2.0 :\n WRAP. NO :\n~W\n NULL. -999.25 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n"
        "~A\n 1000 -999.25 0.5\n 1001 0 0.5\n");
    WriteBytes(dir.file("bohrpfad.txt"), "MD INC AZI\n100 5 10\n90 5 10\n");
    const struct {
        const char* what;
        void (*change)(BatchOptions&, const ScratchFolder&);
        int status;
        std::string message; // the beginning of the one message
    } cases[] = {
        {"missing LAS file", [](BatchOptions& o, const ScratchFolder& d) { o.inputs.lasFile = d.file("fehlt.las"); },
            keldo::kBatchUnreadable,
            "ABBRUCH!!LAS-Datei " + dir.file("fehlt.las")
                + ": Die Datei kann nicht gelesen werden. Die Datei oder der Ordner existiert nicht.\n"},
        {"not a LAS file", [](BatchOptions& o, const ScratchFolder& d) { o.inputs.lasFile = d.file("kein.las"); },
            keldo::kBatchUnreadable,
            "ABBRUCH!!LAS-Datei " + notLas
                + ", Zeile 1: Die Datei beginnt nicht mit einem LAS-Abschnitt wie ~VERSION; sie ist keine "
                  "LAS-Datei.\n"},
        {"LAS 3.0", [](BatchOptions& o, const ScratchFolder& d) { o.inputs.lasFile = d.file("v3.las"); },
            keldo::kBatchUnreadable,
            "ABBRUCH!!LAS-Datei " + las3 + ", Zeile 2: Die Datei ist im LAS-Format \"3.0\" geschrieben"},
        {"survey with MD going back",
            [](BatchOptions& o, const ScratchFolder& d) { o.inputs.surveyFile = d.file("bohrpfad.txt"); },
            keldo::kBatchUnreadable,
            "ABBRUCH!!Bohrpfaddatei " + dir.file("bohrpfad.txt")
                + ", Zeile 3: MD \"90\" nimmt gegenüber der Station davor nicht zu.\n"},
        {"no usable row",
            [](BatchOptions& o, const ScratchFolder& d) {
                o.inputs.lasFile = d.file("leer.las"), o.inputs.surveyFile.clear();
            },
            keldo::kBatchRefused, "ABBRUCH!!LAS-Datei " + noRows + ": Keine Zeile ist verwertbar. "},
        {"unknown curve", [](BatchOptions& o, const ScratchFolder&) { o.inputs.swCurve = "SWX"; }, keldo::kBatchRefused,
            "ABBRUCH!!LAS-Datei " + VolveWellLas("15_9-F-11_A")
                + ": Die Kurve \"SWX\" (Wassersättigung) gibt es in der Datei nicht."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BatchOptions options = LasOptions("15_9-F-11_A");
        c.change(options, dir);
        const Outcome out = RunTool(options);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.messages.rfind(c.message, 0), 0u) << out.messages;
        EXPECT_EQ(out.messages.find("ABBRUCH", 1), std::string::npos) << "one message: " << out.messages;
        EXPECT_EQ(out.report, "");
    }
}

TEST(BatchLas, SaveAsKeepsTheImportedWellBeforeComputing)
{
    ScratchFolder dir;
    BatchOptions options = LasOptions("15_9-F-11_A");
    options.saveAs = dir.file("F-11A.kld");
    ASSERT_EQ(RunTool(options).status, keldo::kBatchCompleted);

    RecordingMessageBox box;
    CKeldoDoc saved(box), model(box);
    ASSERT_TRUE(Succeeded(keldo::LoadDocument(options.saveAs, saved)));
    ASSERT_TRUE(Succeeded(keldo::LoadDocument(OilExampleDocument(), model)));
    EXPECT_EQ(saved.m_Messwerte.size(), 1533u); // the rows of the measurement file
    EXPECT_EQ(saved.m_strBohrung, "15/9-F-11 A");
    saved.m_strBohrung = model.m_strBohrung;
    EXPECT_EQ(static_cast<const CKeldoInputs&>(saved), static_cast<const CKeldoInputs&>(model));
}

TEST(BatchLas, InfoPrintsTheHeaderAsJson)
{
    BatchOptions options;
    options.lasInfoFile = VolveWellLas("15_9-F-11_B");
    const Outcome out = RunTool(options);
    EXPECT_EQ(out.status, keldo::kBatchCompleted);
    EXPECT_EQ(out.messages, "");
    EXPECT_EQ(out.report.rfind("{\n  \"version\": \"2.0\",\n  \"wrap\": false,\n  \"null\": -999.25,\n", 0), 0u);
    EXPECT_NE(out.report.find("\"EDF\": {\"unit\": \"M\", \"value\": \"54.900\""), std::string::npos) << out.report;
    EXPECT_NE(out.report.find("{\"mnemonic\": \"KLOGH\", \"unit\": \"mD\", \"description\": \""), std::string::npos)
        << out.report;

    options.lasInfoFile = GasExampleDocument();
    EXPECT_EQ(RunTool(options).status, keldo::kBatchUnreadable);
}
