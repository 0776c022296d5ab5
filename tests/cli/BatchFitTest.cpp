// keldo-batch fitting the Phi-K relation and the contact before it computes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>

#include "BatchFit.h"
#include "BatchRun.h"
#include "BatchTestRun.h"
#include "ContactFit.h"
#include "CoreTable.h"
#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "FitReport.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "PhiKFit.h"
#include "RecordingMessageBox.h"
#include "SaturationRunMisfit.h"
#include "ScratchFolder.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;
using keldo::BatchOptions;

namespace {

// Both fits on a Volve well read from its LAS file with the survey and the
// header's elevation, the model from an example document.
BatchOptions LasFits(const std::string& well, const std::string& document)
{
    BatchOptions options;
    options.inputs.document = ExampleFile(document);
    options.inputs.lasFile = VolveWellLas(well);
    options.inputs.surveyFile = VolveWellSurvey(well);
    options.inputs.elevation.reset();
    options.fitPhiK = true;
    options.fitContact = true;
    return options;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// The KLOGH values of the kept rows of a LAS import as Phi-K samples.
std::vector<keldo::PhiKSample> ImportedPairs(const std::string& well)
{
    keldo::LasImportRequest request;
    request.lasFile = VolveWellLas(well);
    request.surveyFile = VolveWellSurvey(well);
    request.extraCurves = {"KLOGH"};
    keldo::LasImportResult result;
    keldo::WellDataError error;
    EXPECT_TRUE(keldo::ImportLas(request, result, error)) << error.Message();
    if (result.extraCurves.empty())
        return {};
    return keldo::PhiKSamplesAtLines(
        result.rows.lines, keldo::ValuesAtRows(result.log, result.extraCurves[0], result.rows.rows));
}

} // namespace

// keldo-batch must fit what fit/ fits from the same data and then compute
// exactly what a document holding the fitted values computes. The expected
// side reads the well from its measurement file (made from the same LAS file
// and survey, elevation 54.9 m, see tests/data/volve/README.md) and, where
// there is one, the Phi-K pairs from the core table made from the same rows.
TEST(BatchFit, VolveWellsGetTheFitsOfFitFromTheirLogs)
{
    struct Well {
        const char* well;
        const char* document;
        const char* coreTable; // tests/data/volve/klogh; nullptr: the pairs of the LAS import
    };
    const Well wells[] = {
        {"15_9-F-12", "gas-well-F-12.kld", "15_9-F-12_phif_klogh.txt"},
        {"15_9-F-11_A", "oil-well-F-11A.kld", "15_9-F-11_A_phif_klogh.txt"},
        {"15_9-F-11_B", "oil-well-F-11A.kld", nullptr},
    };
    for (const Well& w : wells) {
        SCOPED_TRACE(w.well);
        ScratchFolder dir;
        BatchOptions options = LasFits(w.well, w.document);
        options.saveAs = dir.file("angepasst.kld");
        const Outcome out = RunTool(options);
        ASSERT_EQ(out.status, keldo::kBatchCompleted) << out.messages;

        RecordingMessageBox box;
        CKeldoDoc expected(box);
        BatchOptions text;
        text.inputs.document = ExampleFile(w.document);
        text.inputs.measurementsFile = VolveMeasurementPath(std::string(w.well) + ".txt");
        text.inputs.descending = false;
        std::ostringstream ignored;
        ASSERT_EQ(keldo::PrepareBatchWell(text, expected, box, ignored), keldo::kBatchCompleted);

        std::vector<keldo::PhiKSample> samples;
        keldo::CoreTableError error;
        if (!w.coreTable)
            samples = ImportedPairs(w.well);
        else
            ASSERT_TRUE(keldo::ReadCoreTable(VolveMeasurementPath(std::string("klogh/") + w.coreTable), samples, error))
                << error.Message();
        // The same pairs to the bit: keldo-batch's from the LAS file, the
        // expected ones from the core table.
        CKeldoDoc fromLas(box);
        keldo::LasPermeability permeability;
        ASSERT_EQ(keldo::PrepareBatchWell(options, fromLas, box, ignored, &permeability), keldo::kBatchCompleted);
        ASSERT_EQ(permeability.samples.size(), samples.size());
        for (size_t i = 0; i < samples.size(); ++i) {
            const keldo::PhiKSample &got = permeability.samples[i], &want = samples[i];
            ASSERT_TRUE(
                got.depth == want.depth && got.porosity == want.porosity && got.permeability == want.permeability)
                << i << ": " << got.depth << " " << got.porosity << " " << got.permeability;
        }

        const keldo::PhiKSelection pairs = keldo::SelectPhiKPairs(samples, expected.m_fMinTeufe, expected.m_fMaxTeufe);
        const keldo::PhiKFitResult phiK = keldo::FitPhiK(pairs, 2);
        ASSERT_TRUE(phiK.ok) << phiK.message;
        expected.m_fPhiK0 = phiK.documentCoefficients[0];
        expected.m_fPhiK1 = phiK.documentCoefficients[1];
        expected.m_fPhiK2 = phiK.documentCoefficients[2];
        const auto range = keldo::DefaultContactRange(expected.m_Messwerte, expected.m_fMinTeufe, expected.m_fMaxTeufe);
        ASSERT_TRUE(range);
        const keldo::ContactFitResult contact
            = keldo::FitContact(keldo::SaturationRunMisfit(expected, expected.m_Messwerte), range->from, range->to);
        ASSERT_TRUE(contact.ok) << contact.message;
        expected.m_fKontakt = contact.contact;

        // The saved document holds the fitted values and the well's rows.
        CKeldoDoc saved(box);
        ASSERT_TRUE(Succeeded(keldo::LoadDocument(options.saveAs, saved)));
        EXPECT_EQ(saved.m_fPhiK0, phiK.documentCoefficients[0]);
        EXPECT_EQ(saved.m_fPhiK1, phiK.documentCoefficients[1]);
        EXPECT_EQ(saved.m_fPhiK2, phiK.documentCoefficients[2]);
        EXPECT_EQ(saved.m_fKontakt, contact.contact);
        // The rest as keldo-batch prepared it: the LAS file's well name; the
        // depth window is not part of the file.
        CKeldoInputs rest = expected;
        rest.m_strBohrung = saved.m_strBohrung;
        rest.m_fMinTeufe = saved.m_fMinTeufe;
        rest.m_fMaxTeufe = saved.m_fMaxTeufe;
        EXPECT_EQ(static_cast<const CKeldoInputs&>(saved), rest);
        expected.m_strBohrung = saved.m_strBohrung;
        EXPECT_EQ(saved.m_Messwerte.size(), expected.m_Messwerte.size());

        // The fit report, then the report of the document holding those values.
        std::vector<std::string> fitReport
            = keldo::PhiKFitReport(pairs, phiK, "LAS-Datei " + options.inputs.lasFile + ", Kurve KLOGH (mD)");
        const std::vector<std::string> contactReport = keldo::ContactFitReport(contact, expected.m_nFluid);
        fitReport.insert(fitReport.end(), contactReport.begin(), contactReport.end());
        expected.m_bGeaendert = 1;
        expected.Compute();
        EXPECT_EQ(out.report, Joined(fitReport) + Joined(expected.m_Ergebnisse));
    }
}

// Gas 2860-2930 m, water 2950-3010 m, every 10 m, the water line through
// 305 bar at 2940 m, the gas line `gasAbove` bar higher there.
static std::string PressurePoints(double gasGradient, double waterGradient, int waterPoints,
    const char* well = "15/9-F-12", double gasAbove = 0)
{
    std::string text = "well;depth;pressure;fluid\n";
    for (int d = 2860; d <= 2930; d += 10)
        text += keldo::Format("%s;%d;%.4f;gas\n", well, d, 305 + gasAbove + gasGradient * (d - 2940));
    for (int i = 0; i < waterPoints; ++i)
        text += keldo::Format("%s;%d;%.4f;water\n", well, 2950 + 10 * i, 305 + waterGradient * (10 + 10 * i));
    return text;
}

// A fit that cannot be made (Phi-K, contact, capillary pressure, formation
// pressures) stops keldo-batch with the fit's one message: a file that cannot
// be read exits 1, a bad line or a refused fit 2; no report, nothing saved or
// written.
TEST(BatchFit, FitsThatCannotBeMadeStopWithTheirMessage)
{
    ScratchFolder dir;
    const fs::path inputs = dir.path() / "in";
    fs::create_directories(inputs / "ordner");
    const auto input = [&](const char* name) { return (inputs / name).string(); };
    WriteBytes(input("nur-kommentare.txt"), "# Kerntabelle\n# noch keine Proben\n");
    WriteBytes(input("zu-flach.txt"), "Teufe Porositaet Permeabilitaet\n2500.0 0.21 120\n2501.5 0.18 35\n");
    WriteBytes(input("k-null.txt"), "2900.0 0.21 0\n2910.0 0.18 -3.5\n");
    WriteBytes(input("eine-probe.txt"), "2900.0 0.21 120\n");
    WriteBytes(input("komma.txt"), "2900.0 0.21 120\n2910.0 0,18 35\n");
    WriteBytes(input("eine-zeile.txt"), "2900.0 0.21 0.35\n");
    WriteBytes(input("pc-komma.csv"), "sample,porosity,permeability,pressure (bar),sw\nA,0.2,10,5,0.9\nA,x,10,10,0.8\n");
    {
        // Two plugs of the capillary-pressure example only.
        std::string two;
        std::istringstream example(ReadBytes(ExampleFile("core-pc/core-pc.csv")));
        for (std::string line; std::getline(example, line);)
            if (line.rfind("P01,", 0) == 0 || line.rfind("P02,", 0) == 0 || line.rfind("sample", 0) == 0)
                two += line + '\n';
        WriteBytes(input("pc-zwei.csv"), two);
    }
    WriteBytes(input("p-o.csv"), "depth;pressure\n2900;2,9O\n");
    WriteBytes(input("p-quote.csv"), "depth;pressure;well\n2900;290;\"15/9-F-12\n");
    WriteBytes(input("p-f11.csv"), PressurePoints(0.0144, 0.105, 7, "15/9-F-11 A"));
    WriteBytes(input("p-zwei.csv"), PressurePoints(0.0144, 0.105, 2));
    WriteBytes(input("p-schwer.csv"), PressurePoints(0.12, 0.105, 7));
    WriteBytes(input("p-parallel.csv"), PressurePoints(0.1049, 0.105, 7, "15/9-F-12", 0.5));

    const auto core = [&](const char* file) {
        return [path = input(file)](BatchOptions& o) {
            o.fitPhiK = true;
            o.coreFile = path;
        };
    };
    const auto contact = [](float from, float to) {
        return [=](BatchOptions& o) {
            o.fitContact = true;
            o.contactRange = keldo::DepthRange{from, to};
        };
    };
    const auto lasCurve = [](const std::string& las, const char* curve) {
        return [=](BatchOptions& o) {
            o.fitPhiK = true;
            o.inputs.lasFile = las;
            o.inputs.permeabilityCurve = curve;
        };
    };
    const auto pc = [](const std::string& file, std::optional<float> pcMax = std::nullopt) {
        return [=](BatchOptions& o) {
            o.pcFile = file;
            o.pcMax = pcMax;
            o.fitContact = true;
        };
    };
    const auto pressures = [](const std::string& file) {
        return [=](BatchOptions& o) { o.pressureFile = file; };
    };
    const struct {
        const char* what;
        std::function<void(BatchOptions&)> change;
        int status;
        std::string message; // the beginning of the one message
    } cases[] = {
        {"core table without a plug", core("nur-kommentare.txt"), keldo::kBatchRefused,
            "ABBRUCH!!Für die Phi-K-Anpassung liegen keine Werte von Porosität und Permeabilität vor!\n"},
        // The example's window is that of its first and last line.
        {"no plug inside the depth window", core("zu-flach.txt"), keldo::kBatchRefused,
            "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 2 von 2 liegen außerhalb des "
            "Teufenbereichs 2850.0 m bis 2959.8 m!\n"},
        {"every K not positive", core("k-null.txt"), keldo::kBatchRefused,
            "ABBRUCH!!Für die Phi-K-Anpassung bleibt kein Wertepaar übrig: 2 von 2 haben keine Permeabilität > 0!\n"},
        {"a single plug", core("eine-probe.txt"), keldo::kBatchRefused,
            "ABBRUCH!!Aus einem einzigen Wertepaar ist die Phi-K-Beziehung nicht bestimmbar!\n"},
        {"a core table with a bad line", core("komma.txt"), keldo::kBatchRefused,
            "ABBRUCH in der 2.Zeile der Datei " + input("komma.txt") + "\n2910.0 0,18 35\n"},
        {"a core table that is not there", core("fehlt.txt"), keldo::kBatchUnreadable,
            "ABBRUCH!!Die Datei " + input("fehlt.txt") + " kann nicht gelesen werden!\n"},
        {"a one-row well",
            [&](BatchOptions& o) {
                contact(2850, 3000)(o);
                o.inputs.measurementsFile = input("eine-zeile.txt");
            },
            keldo::kBatchRefused, "ABBRUCH!!Für die Kontaktanpassung liegt nur ein Messwert im Teufenbereich"},
        {"a range whose start lies below its end", contact(3000, 2900), keldo::kBatchRefused,
            "ABBRUCH!!Der Kontaktbereich von 3000.00 m bis 2900.00 m ist leer: der Anfang muss kleiner als das Ende "
            "sein!\n"},
        {"a range of no length", contact(2900, 2900), keldo::kBatchRefused,
            "ABBRUCH!!Der Kontaktbereich von 2900.00 m bis 2900.00 m ist leer"},
        {"no row at or above the cut-off",
            [&](BatchOptions& o) {
                contact(2850, 3000)(o);
                o.settings.cutoff = 0.39f;
            },
            keldo::kBatchRefused, "ABBRUCH!!Für die Kontaktanpassung liegt kein Messwert im Teufenbereich"},
        {"a permeability curve the LAS file lacks", lasCurve(VolveWellLas("15_9-F-11_A"), "PERM"), keldo::kBatchRefused,
            "ABBRUCH!!LAS-Datei " + VolveWellLas("15_9-F-11_A")
                + ": Die Kurve \"PERM\" (Permeabilität) gibt es in der Datei"},
        {"a LAS file without a permeability curve", lasCurve(TestLasPath("las12.las"), ""), keldo::kBatchRefused,
            "ABBRUCH!!LAS-Datei " + TestLasPath("las12.las") + ": Keine Kurve ist als Permeabilität zu erkennen"},
        {"Pc: a bad line", pc(input("pc-komma.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Zeile 3, Spalte 2 (porosity): \"x\" ist keine Zahl!"},
        {"Pc: two plugs", pc(input("pc-zwei.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Für die Normierung sind mindestens 3 verwendbare Proben nötig"},
        {"Pc: Pc max below the dialog's limit", pc(ExampleFile("core-pc/core-pc.csv"), 5.0f), keldo::kBatchRefused,
            "ABBRUCH!!Der Max.Kapillardruck 5.0 bar ist zu niedrig"},
        {"Pc: a file that is not there", pc(input("fehlt.csv")), keldo::kBatchUnreadable,
            "ABBRUCH!!Die Kapillardruckdatei " + input("fehlt.csv") + " kann nicht gelesen werden!"},
        {"Pc: a folder", pc(input("ordner")), keldo::kBatchUnreadable,
            "ABBRUCH!!Die Kapillardruckdatei " + input("ordner") + " kann nicht gelesen werden!"},
        {"pressures: no such file", pressures(input("fehlt.csv")), keldo::kBatchUnreadable, "ABBRUCH!!Druckdatei "},
        {"pressures: a folder", pressures(input("ordner")), keldo::kBatchUnreadable, "ABBRUCH!!Druckdatei "},
        {"pressures: a pressure that is no number", pressures(input("p-o.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Druckdatei "},
        {"pressures: a quote not closed", pressures(input("p-quote.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Druckdatei "},
        {"pressures: no row of the document's well", pressures(input("p-f11.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Druckdatei "},
        {"pressures: two water points", pressures(input("p-zwei.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Für den Wassergradienten gibt es nur 2 Druckpunkte"},
        {"pressures: gas heavier than water", pressures(input("p-schwer.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Der Gasgradient"},
        {"pressures: lines that meet 5000 m below", pressures(input("p-parallel.csv")), keldo::kBatchRefused,
            "ABBRUCH!!Die Geraden schneiden sich"},
    };
    const std::vector<std::string> before = dir.entries();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.saveAs = dir.file("nie.kld");
        options.reportFile = dir.file("nie.txt");
#ifdef KELDO_GRAPH_EXPORT
        options.fitGraphFile = dir.file("nie.png");
#endif
        c.change(options);
        const Outcome out = RunTool(options);
        EXPECT_EQ(out.status, c.status);
        EXPECT_EQ(out.messages.rfind(c.message, 0), 0u) << out.messages;
        EXPECT_EQ(out.messages.find("ABBRUCH", 1), std::string::npos) << "one message: " << out.messages;
        EXPECT_EQ(out.report, "");
        EXPECT_EQ(dir.entries(), before);
    }
}

TEST(BatchFit, FitGraphFilesAreNamedForTheFit)
{
    const struct {
        const char* given;
        bool phiK, contact;
        std::vector<std::string> files;
        bool pc = false; // with a capillary-pressure file
    } cases[] = {
        {"anpassung.png", true, false, {"anpassung.png"}},
        {"anpassung.png", false, true, {"anpassung.png"}},
        {"out/anpassung.png", true, true, {"out/anpassung-phik.png", "out/anpassung-kontakt.png"}},
        {"out.v2/F-12.svg", true, true, {"out.v2/F-12-phik.svg", "out.v2/F-12-kontakt.svg"}},
        {"out.v2/anpassung", true, true, {"out.v2/anpassung-phik", "out.v2/anpassung-kontakt"}},
        {"", true, true, {}},
        {"fit.png", false, false, {"fit-pc.png", "fit-pcparam.png", "fit-shf.png"}, true},
        {"out/fit.svg", false, true, {"out/fit.svg", "out/fit-pc.svg", "out/fit-pcparam.svg", "out/fit-shf.svg"}, true},
        {"a.b/fit", true, true, {"a.b/fit-phik", "a.b/fit-kontakt", "a.b/fit-pc", "a.b/fit-pcparam", "a.b/fit-shf"},
            true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.given);
        BatchOptions options;
        options.fitGraphFile = c.given;
        options.fitPhiK = c.phiK;
        options.fitContact = c.contact;
        if (c.pc)
            options.pcFile = "kern.csv";
        EXPECT_EQ(keldo::FitGraphFiles(options), c.files);
    }
}

#ifdef KELDO_GRAPH_EXPORT
TEST(BatchFit, FitGraphsAreWrittenOrRefusedBeforeComputing)
{
    ScratchFolder dir;
    const struct {
        const char* what;
        std::string given;
        int status;
        std::vector<std::string> written; // in the scratch folder, sorted
    } cases[] = {
        {"both fits as PNG", dir.file("f11a.png"), keldo::kBatchCompleted, {"f11a-kontakt.png", "f11a-phik.png"}},
        {"an unknown extension", dir.file("f11a.bmp"), keldo::kBatchRefused, {}},
        {"a folder that is not there", dir.file("fehlt/f11a.png"), keldo::kBatchUnreadable, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        for (const std::string& name : dir.entries())
            fs::remove(dir.path() / name);
        BatchOptions options = LasFits("15_9-F-11_A", "oil-well-F-11A.kld");
        options.fitGraphFile = c.given;
        const Outcome out = RunTool(options);
        EXPECT_EQ(out.status, c.status) << out.messages;
        EXPECT_EQ(dir.entries(), c.written);
        for (const std::string& name : c.written)
            EXPECT_EQ(ReadBytes(dir.file(name)).substr(0, 8), "\x89PNG\r\n\x1a\n") << name;
        if (c.status != keldo::kBatchCompleted) {
            EXPECT_EQ(out.report, "");
            // Refused before the LAS file was read: no summary of its rows.
            EXPECT_EQ(out.messages.find("übernommen"), std::string::npos) << out.messages;
        }
    }
}
#endif

// A document without a Phi-K relation is warned about only when no fit is
// to supply one: with --fit-phik the fitted relation is what the run uses.
TEST(BatchFit, MissingPhiKRelationIsWarnedAboutOnlyWithoutAFit)
{
    ScratchFolder dir;
    {
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        ASSERT_TRUE(keldo::LoadDocument(GasExampleDocument(), doc));
        doc.m_fPhiK0 = doc.m_fPhiK1 = doc.m_fPhiK2 = 0.0f;
        ASSERT_TRUE(keldo::SaveDocument(dir.file("ohne-phik.kld"), doc));
    }
    struct Row {
        bool fitPhiK;
        bool warned;
    };
    for (const Row row : {Row{false, true}, Row{true, false}}) {
        SCOPED_TRACE(row.fitPhiK ? "--fit-phik" : "no fit");
        BatchOptions options;
        options.inputs.document = dir.file("ohne-phik.kld");
        options.inputs.measurementsFile = VolveMeasurementPath("15_9-F-12.txt");
        options.inputs.descending = false;
        options.fitPhiK = row.fitPhiK;
        if (row.fitPhiK)
            options.coreFile = VolveMeasurementPath("klogh/15_9-F-12_phif_klogh.txt");
        const Outcome out = RunTool(options);
        EXPECT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
        EXPECT_EQ(out.messages.find("Die Phi-K-Realation fehlt!") != std::string::npos, row.warned) << out.messages;
    }
}
