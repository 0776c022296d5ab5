// keldo-field's run of a study of many wells: its outputs whatever the
// number of threads, broken rows among good ones, runs that stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>

#include "CsvFields.h"
#include "DocumentFile.h"
#include "FieldCommand.h"
#include "FieldFile.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "SummaryCsvRows.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

// Every file below `folder`, by its path relative to it, with its bytes.
std::map<std::string, std::string> FolderContents(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = ReadBytes(entry.path().string());
    return files;
}

// A copy of the gas example with one change, saved as `path`.
void SaveChangedGasDocument(const std::string& path, void (*change)(CKeldoDoc&))
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    ASSERT_TRUE(keldo::LoadDocument(GasExampleDocument(), doc));
    change(doc);
    ASSERT_TRUE(keldo::SaveDocument(path, doc));
}

struct FieldOutcome {
    int status;
    std::string progress;
};

FieldOutcome Field(
    const std::string& csv, const std::string& out, int jobs, const std::string& model = OilExampleDocument())
{
    keldo::FieldOptions options;
    options.fieldFile = csv;
    options.templateFile = model;
    options.outDir = out;
    options.jobs = jobs;
    std::ostringstream progress;
    const int status = keldo::RunFieldCommand(options, progress);
    return {status, progress.str()};
}

// A field of eight good wells: documents and LAS files, relative and
// absolute paths, cut-offs and contacts of their own.
std::string GoodField(const ScratchFolder& dir)
{
    fs::create_directories(dir.path() / "docs");
    fs::copy_file(GasExampleDocument(), dir.path() / "docs" / "gas.kld");
    const std::string las = "auto;" + VolveWellLas("15_9-F-11_A") + ";" + VolveWellSurvey("15_9-F-11_A");
    WriteBytes(dir.file("feld.csv"),
        "# Testfeld: Dokumente und LAS-Dateien\n"
        "well;document;elevation;las;survey;contact;cutoff\n"
        "F-12 Gas;docs/gas.kld;;;;;\n"
        "F-12 Gas 10 %;docs/gas.kld;;;;;0,1\n"
        "F-12 Gas tief;"
            + GasExampleDocument()
            + ";;;;2960;\n"
              "F-11 A;;"
            + las
            + ";;\n"
              "F-11 A 8 %;;"
            + las
            + ";;0.08\n"
              "F-11 A tief;;"
            + las
            + ";3050;\n"
              "F-11 B;;auto;"
            + VolveWellLas("15_9-F-11_B") + ";" + VolveWellSurvey("15_9-F-11_B")
            + ";3137;\n"
              "F-12 Öl;;54.9;"
            + VolveWellLas("15_9-F-12") + ";" + VolveWellSurvey("15_9-F-12") + ";;\n");
    return dir.file("feld.csv");
}

} // namespace

// The same bytes whatever the number of threads and the locale: four
// threads run under a German locale, one under "C".
TEST(FieldRun, OutputsAreTheSameWhateverTheThreadsAndTheLocale)
{
    ScratchFolder dir;
    const std::string csv = GoodField(dir);
    const FieldOutcome one = Field(csv, dir.file("eins"), 1);
    const FieldOutcome four = [&] {
        GermanLocale german;
        return Field(csv, dir.file("vier"), 4);
    }();
    EXPECT_EQ(one.status, keldo::kFieldCompleted) << one.progress;
    EXPECT_EQ(four.status, keldo::kFieldCompleted) << four.progress;

    const auto files = FolderContents(dir.file("eins"));
    EXPECT_EQ(files, FolderContents(dir.file("vier")));
    // summary.csv, netpay.csv, the study's marker and for each of the eight
    // wells its two reports, curves and messages
    EXPECT_EQ(files.size(), 3u + 8 * 4);
    for (const char* name : {"F-12_Gas/saturation.txt", "F-12_Gas_10_%/contact.txt", "F-12_Öl/messages.txt"})
        EXPECT_EQ(files.count(name), 1u) << name;
    const std::string summaryText = ReadBytes(dir.file("eins/summary.csv"));
    EXPECT_NE(summaryText.find(",oil,3027.00,0.06,"), std::string::npos) << summaryText;
    const auto summary = SummaryCsvRows(dir.file("eins"));
    ASSERT_EQ(summary.size(), 8u);
    for (const auto& row : summary)
        EXPECT_EQ(row.at("status"), "completed") << row.at("well");

    // One progress line per well, in the order they finished, and a closing line.
    for (const FieldOutcome* run : {&one, &four}) {
        std::istringstream lines(run->progress);
        std::string line;
        ASSERT_TRUE(std::getline(lines, line)); // without Qt, no graphs
        EXPECT_EQ(line, "Diese Ausgabe von keldo-field kann keine Grafik speichern: nur Berichte und Übersicht.");
        for (int done = 1; done <= 8; ++done) {
            ASSERT_TRUE(std::getline(lines, line));
            EXPECT_EQ(line.rfind("[" + std::to_string(done) + "/8] F-1", 0), 0u) << line;
            EXPECT_NE(line.find(" Messwerte, "), std::string::npos) << line;
        }
        ASSERT_TRUE(std::getline(lines, line));
        EXPECT_EQ(line.rfind("Feldstudie: 8 Bohrungen, 8 abgeschlossen, 0 abgebrochen, 0 nicht gelesen; ", 0), 0u)
            << line;
    }
}

// A broken row is reported with its line and column; every other well is
// computed and written.
TEST(FieldRun, BrokenRowsAreReportedAndTheOtherWellsComplete)
{
    ScratchFolder dir;
    SaveChangedGasDocument(dir.file("wasser.kld"), [](CKeldoDoc& d) { d.m_fWasserdichte = 0; });
    const std::string lasA = VolveWellLas("15_9-F-11_A"), surveyA = VolveWellSurvey("15_9-F-11_A");
    const struct Row {
        const char* what;
        std::string row;     // well;document;las;survey;sw_curve;contact;cutoff
        std::string message; // the beginning of the summary's message
    } rows[] = {
        {"missing document", "fehlt;fehlt.kld;;;;;",
            "Zeile 4, Spalte document: Das Dokument \"" + dir.file("fehlt.kld") + "\" kann nicht geöffnet werden. "},
        {"missing LAS file", "LAS fehlt;;fehlt.las;;;;", "Zeile 5, Spalte las: ABBRUCH!!LAS-Datei "},
        {"missing survey", "Bohrpfad fehlt;;" + lasA + ";fehlt.txt;;;",
            "Zeile 6, Spalte survey: ABBRUCH!!Bohrpfaddatei "},
        {"unknown curve", "Kurve;;" + lasA + ";" + surveyA + ";SWX;;",
            "Zeile 7, Spalte sw_curve: ABBRUCH!!LAS-Datei " + lasA + ": Die Kurve \"SWX\" (Wassersättigung) gibt es"},
        {"document refused by the input checks", "Wasser;wasser.kld;;;;;",
            "Zeile 8, Spalte document: ABBRUCH!!Die Wasserdichte liegt nicht im Bereich 950 - 1250!"},
        {"cut-off refused by the input checks", "Cutoff;" + GasExampleDocument() + ";;;;;0.5",
            "Zeile 9, Spalte cutoff: Der Porositäts-Cutoff muss kleiner 0.4 sein!"},
        {"contact refused by the input checks", "Kontakt;" + GasExampleDocument() + ";;;;-5;",
            "Zeile 10, Spalte contact: ABBRUCH!!Der angenommene Gas-Wasser-Kontakt muß größer Null sein!"},
        {"a value that is no number", "Zahl;" + GasExampleDocument() + ";;;;tief;",
            "Zeile 11, Spalte contact: \"tief\" ist keine Zahl."},
    };
    std::string csv = "# Bohrungen mit Fehlern zwischen zwei guten\nwell;document;las;survey;sw_curve;contact;cutoff\n"
                      "gut 1;"
        + GasExampleDocument() + ";;;;;\n";
    for (const Row& r : rows)
        csv += r.row + "\n";
    csv += "gut 2;;" + lasA + ";" + surveyA + ";;;\n";
    WriteBytes(dir.file("feld.csv"), csv);

    const FieldOutcome run = Field(dir.file("feld.csv"), dir.file("aus"), 3);
    EXPECT_EQ(run.status, keldo::kFieldUnreadable);
    const auto summary = SummaryCsvRows(dir.file("aus"));
    ASSERT_EQ(summary.size(), std::size(rows) + 2);
    for (size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(rows[i].what);
        const auto& row = summary[i + 1];
        EXPECT_EQ(row.at("status"), "unreadable");
        EXPECT_EQ(row.at("message").rfind(rows[i].message, 0), 0u) << row.at("message");
        EXPECT_EQ(row.at("measurements"), "");
        // The progress line says the same.
        EXPECT_NE(
            run.progress.find(row.at("well") + ": nicht gelesen: " + row.at("message") + "\n"), std::string::npos);
        // Its folder holds only the messages.
        EXPECT_EQ(fs::exists(dir.file("aus/" + row.at("folder") + "/messages.txt")), true);
        EXPECT_EQ(fs::exists(dir.file("aus/" + row.at("folder") + "/saturation.txt")), false);
    }
    for (const auto* good : {&summary.front(), &summary.back()}) {
        EXPECT_EQ(good->at("status"), "completed") << good->at("message");
        EXPECT_FALSE(ReadBytes(dir.file("aus/" + good->at("folder") + "/contact.txt")).empty());
    }
    EXPECT_NE(run.progress.find("Feldstudie: 10 Bohrungen, 2 abgeschlossen, 0 abgebrochen, 8 nicht gelesen; "),
        std::string::npos);
}

TEST(FieldRun, ALasWellWithoutTemplateCannotBeRead)
{
    ScratchFolder dir;
    WriteBytes(dir.file("feld.csv"), "well,las\nA," + VolveWellLas("15_9-F-11_A") + "\n");
    const FieldOutcome run = Field(dir.file("feld.csv"), dir.file("aus"), 1, "");
    EXPECT_EQ(run.status, keldo::kFieldUnreadable);
    EXPECT_EQ(SummaryCsvRows(dir.file("aus"))[0].at("message"),
        "Zeile 2, Spalte las: Für eine LAS-Datei fehlt das Modelldokument (Vorlage).");
}

// A run that stops early keeps its report up to there; the well counts as
// stopped and the study ends with status 3.
TEST(FieldRun, AStoppedRunIsReportedWithItsMessages)
{
    ScratchFolder dir;
    // 0.23 bar/m at 2850 m is 655.5 bar: both runs stop at the first line.
    SaveChangedGasDocument(dir.file("druck.kld"), [](CKeldoDoc& d) { d.m_fInitialdruck = 1000; });
    WriteBytes(dir.file("feld.csv"), "well,document\nDruck,druck.kld\nGas," + GasExampleDocument() + "\n");
    const FieldOutcome run = Field(dir.file("feld.csv"), dir.file("aus"), 2);
    EXPECT_EQ(run.status, keldo::kFieldStopped) << run.progress;
    const auto summary = SummaryCsvRows(dir.file("aus"));
    EXPECT_EQ(summary[0].at("status"), "stopped");
    EXPECT_EQ(summary[0].at("message"),
        "Wassersättigung: PI > 0.23*TEUFE,d.h.1000.0 > 0.23*2850.0 / Abbruch der Sw-Berechnung | Kontakt: PI > "
        "0.23*TEUFE,d.h.1000.0 > 0.23*2850.0 / Abbruch der GWC-Berechnung");
    EXPECT_EQ(summary[0].at("count_1"), ""); // no contact statistics
    EXPECT_EQ(summary[1].at("status"), "completed");
    const std::string report = ReadBytes(dir.file("aus/Druck/saturation.txt"));
    EXPECT_NE(report.find("  TEUFE   POROSITAET   WASSERSAETTIGUNG   PERMEABILITAET\n"), std::string::npos);
}

// The example field: every output, and the fault block of 15/9-F-11 B shows
// in the contacts: its median and P90 lie below those of 15/9-F-11 A.
TEST(FieldRun, VolveExampleShowsTheDeeperBlockOfF11B)
{
    ScratchFolder dir;
    const FieldOutcome run = Field(ExampleFile("volve-field.csv"), dir.file("feld"), 2);
    EXPECT_EQ(run.status, keldo::kFieldCompleted) << run.progress;
    const auto summary = SummaryCsvRows(dir.file("feld"));
    ASSERT_EQ(summary.size(), 3u);
    std::map<std::string, std::map<std::string, std::string>> byWell;
    for (const auto& row : summary)
        byWell[row.at("well")] = row;
    const auto& a = byWell.at("15/9-F-11 A");
    const auto& b = byWell.at("15/9-F-11 B");
    // 1533 and 13709 rows, as the measurement files made from the same logs
    EXPECT_EQ(a.at("measurements"), "1533");
    EXPECT_EQ(b.at("measurements"), "13709");
    EXPECT_GT(std::stod(b.at("median")), std::stod(a.at("median")));
    EXPECT_GT(std::stod(b.at("p90")), std::stod(a.at("p90")));
    EXPECT_EQ(b.at("contact"), "3137.00");
    for (const auto& row : summary)
        for (const char* file : {"saturation.txt", "contact.txt", "messages.txt"})
            EXPECT_TRUE(fs::exists(dir.file("feld/" + row.at("folder") + "/" + file))) << row.at("folder") << file;
}

// What keeps the study from starting at all: status 2, one message, nothing
// written.
TEST(FieldRun, AFieldFileOrTemplateThatCannotBeUsedStopsTheStudy)
{
    ScratchFolder dir;
    WriteBytes(dir.file("feld.csv"), "well,document\nA," + GasExampleDocument() + "\n");
    WriteBytes(dir.file("leer.csv"), "# nur ein Kommentar\n");
    WriteBytes(dir.file("datei"), "kein Ordner");
    const struct {
        const char* what;
        std::string csv, model, out;
        int status;
        std::string message;
    } cases[] = {
        {"missing field file", dir.file("fehlt.csv"), OilExampleDocument(), dir.file("aus"), keldo::kFieldBadInput,
            "Die Felddatei \"" + dir.file("fehlt.csv") + "\" kann nicht gelesen werden."},
        {"field file without header", dir.file("leer.csv"), OilExampleDocument(), dir.file("aus"),
            keldo::kFieldBadInput,
            "Die Felddatei \"" + dir.file("leer.csv") + "\" hat keine Kopfzeile (well, document oder las, …)."},
        {"template that is no document", dir.file("feld.csv"), dir.file("feld.csv"), dir.file("aus"),
            keldo::kFieldBadInput, "Das Dokument \"" + dir.file("feld.csv") + "\" kann nicht geöffnet werden."},
        {"output folder in a file's place", dir.file("feld.csv"), OilExampleDocument(), dir.file("datei/aus"),
            keldo::kFieldBadInput, "Der Ordner \"" + dir.file("datei/aus") + "\" kann nicht angelegt werden."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FieldOutcome run = Field(c.csv, c.out, 2, c.model);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.progress.rfind(c.message, 0), 0u) << run.progress;
        EXPECT_FALSE(fs::exists(dir.file("aus")));
    }
}
