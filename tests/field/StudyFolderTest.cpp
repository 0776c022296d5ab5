// One study per output folder: the folder is checked and locked before
// anything is computed, a folder holding what no study wrote is refused and
// left alone, the study is built beside it and put in its place whole, and
// what a killed run left beside it is cleaned up.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <sstream>

#include "CsvFields.h"
#include "FieldCommand.h"
#include "FileSizeLimit.h"
#include "ScratchFolder.h"
#include "SummaryCsvRows.h"
#include "StudyFolder.h"
#include "StudyWriter.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

// Every path below `folder` with the bytes of its files ("/" for a folder,
// "->target" for a link): a folder left alone keeps all of it.
std::map<std::string, std::string> Snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> tree;
    if (!fs::exists(fs::symlink_status(folder)))
        return tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink())
            tree[name] = "->" + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            tree[name] = "/";
        else
            tree[name] = ReadBytes(entry.path().string());
    }
    return tree;
}

// A folder as a study leaves it: its files and the marker naming them.
void MakeStudyFolder(const std::string& folder, const std::map<std::string, std::string>& files)
{
    std::vector<std::string> names;
    for (const auto& [name, bytes] : files) {
        fs::create_directories(fs::path(folder + "/" + name).parent_path());
        WriteBytes(folder + "/" + name, bytes);
        names.push_back(name);
    }
    fs::create_directories(folder);
    WriteBytes(folder + "/" + keldo::kStudyMarker, keldo::StudyMarkerText(names));
}

std::string Refusal(const std::string& folder, const std::string& entry)
{
    return "Der Ausgabeordner \"" + folder + "\" enthält \"" + entry
        + "\", das nicht von einer Feldstudie stammt; bitte einen leeren oder neuen Ordner nennen.";
}

// keldo-field on the gas example without graphs.
struct FieldRun {
    int status;
    std::string progress;
};
FieldRun Field(const ScratchFolder& dir, const std::string& out, const std::string& rows = {})
{
    WriteBytes(dir.file("feld.csv"), "well,document\nF-12," + GasExampleDocument() + "\n" + rows);
    keldo::FieldOptions options;
    options.fieldFile = dir.file("feld.csv");
    options.outDir = out;
    std::ostringstream progress;
    const int status = keldo::RunFieldCommand(options, progress);
    return {status, progress.str()};
}

} // namespace

// What keldo-field refuses as its --out before computing: status 2, one
// message, the folder and what is in it unchanged, nothing beside it.
TEST(StudyFolder, AFolderThatCannotTakeTheStudyIsRefusedBeforeComputing)
{
    const struct {
        const char* what;
        std::function<void(const ScratchFolder&)> prepare;
        std::string out; // below the scratch folder
        std::function<std::string(const std::string& out)> message; // the first line; empty: accepted
    } cases[] = {
        {"a new folder two levels down", [](const ScratchFolder&) {}, "neu/aus", nullptr},
        {"an empty folder", [](const ScratchFolder& d) { fs::create_directory(d.path() / "aus"); }, "aus", nullptr},
        {"the folder of an earlier study",
            [](const ScratchFolder& d) { MakeStudyFolder(d.file("aus"), {{"summary.csv", "alt"}, {"F-12/contact.txt", "alt"}}); },
            "aus", nullptr},
        {"a file", [](const ScratchFolder& d) { WriteBytes(d.file("aus"), "eine Datei"); }, "aus",
            [](const std::string& out) {
                return "Der Ausgabeordner \"" + out + "\" ist eine Datei, kein Ordner; bitte einen Ordner nennen.";
            }},
        {"a path below a file", [](const ScratchFolder& d) { WriteBytes(d.file("datei"), "eine Datei"); }, "datei/aus",
            [](const std::string& out) { return "Der Ordner \"" + out + "\" kann nicht angelegt werden."; }},
        {"a link to a folder elsewhere",
            [](const ScratchFolder& d) {
                fs::create_directory(d.path() / "woanders");
                fs::create_directory_symlink(d.path() / "woanders", d.path() / "aus");
            },
            "aus",
            [](const std::string& out) {
                return "Der Ausgabeordner \"" + out
                    + "\" ist eine symbolische Verknüpfung; bitte den Ordner selbst nennen.";
            }},
        {"a folder of the user's files",
            [](const ScratchFolder& d) {
                fs::create_directories(d.path() / "aus" / "Fotos");
                WriteBytes(d.file("aus/Fotos/urlaub.jpg"), "Bild");
                WriteBytes(d.file("aus/notizen.txt"), "Notiz");
            },
            "aus", [](const std::string& out) { return Refusal(out, "Fotos"); }},
        {"a study's folder with a file added",
            [](const ScratchFolder& d) {
                MakeStudyFolder(d.file("aus"), {{"summary.csv", "alt"}, {"F-12/contact.txt", "alt"}});
                WriteBytes(d.file("aus/F-12/auswertung.xlsx"), "eigene Arbeit");
            },
            "aus", [](const std::string& out) { return Refusal(out, "F-12/auswertung.xlsx"); }},
        {"a summary.csv without the marker",
            [](const ScratchFolder& d) {
                fs::create_directory(d.path() / "aus");
                WriteBytes(d.file("aus/summary.csv"), "well,folder\n");
            },
            "aus", [](const std::string& out) { return Refusal(out, "summary.csv"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        c.prepare(dir);
        const auto before = Snapshot(dir.path());
        const std::string out = dir.file(c.out);
        const FieldRun run = Field(dir, out);
        auto after = Snapshot(dir.path());
        after.erase("feld.csv");
        if (!c.message) {
            EXPECT_EQ(run.status, keldo::kFieldCompleted) << run.progress;
            EXPECT_EQ(SummaryCsvRows(out).at(0).at("status"), "completed");
            EXPECT_EQ(ReadBytes(out + "/F-12/contact.txt").find("alt"), std::string::npos);
            continue;
        }
        EXPECT_EQ(run.status, keldo::kFieldBadInput);
        EXPECT_EQ(run.progress.substr(0, run.progress.find('\n')), c.message(out)) << run.progress;
        // one message, no progress line of a computed well
        EXPECT_EQ(run.progress.find("Messwerte"), std::string::npos) << run.progress;
        EXPECT_EQ(after, before);
    }
}

TEST(StudyFolder, ASecondStudyIntoTheSameFolderIsRefusedWhileTheFirstRuns)
{
    ScratchFolder dir;
    const std::string out = dir.file("aus");
    keldo::FolderProblem problem;
    {
        const auto first = keldo::StudyFolder::Open(out, problem);
        ASSERT_TRUE(first) << keldo::FolderProblemMessage(problem);
        const FieldRun second = Field(dir, out);
        EXPECT_EQ(second.status, keldo::kFieldBadInput);
        EXPECT_EQ(second.progress,
            "In den Ausgabeordner \"" + out
                + "\" schreibt gerade eine andere Feldstudie; bitte warten oder einen anderen Ordner nennen.\n");
        EXPECT_TRUE(fs::is_directory(first->Building()));
    }
    // The lock goes with the first study; nothing stays beside the folder.
    const FieldRun third = Field(dir, out);
    EXPECT_EQ(third.status, keldo::kFieldCompleted) << third.progress;
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"aus", "feld.csv"}));
}

// The study is built beside the folder and replaces the earlier one whole;
// what a killed run left beside the folder is cleaned up by the next.
TEST(StudyFolder, ARerunReplacesTheEarlierStudyWhole)
{
    const std::map<std::string, std::string> old = {{"summary.csv", "alt"}, {"F-12/contact.txt", "alt"},
        {"F-11/contact.txt", "eine Bohrung, die es nicht mehr gibt"}};
    const struct {
        const char* what;
        std::function<void(const ScratchFolder&)> leftOver; // of a run killed earlier
        bool oldStudy;                                      // whether "aus" held the old study before the run
    } cases[] = {
        {"nothing left over", [](const ScratchFolder&) {}, true},
        {"a study being built",
            [](const ScratchFolder& d) {
                fs::create_directories(d.path() / ".aus.keldo-neu" / "F-12");
                WriteBytes(d.file(".aus.keldo-neu/F-12/contact.txt"), "halb");
            },
            true},
        {"the old study stepped aside, the new one not yet in",
            [&](const ScratchFolder& d) {
                fs::rename(d.path() / "aus", d.path() / ".aus.keldo-alt");
                fs::create_directories(d.path() / ".aus.keldo-neu");
            },
            false},
        {"a stale lock file", [](const ScratchFolder& d) { WriteBytes(d.file(".aus.keldo-sperre"), ""); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string out = dir.file("aus");
        MakeStudyFolder(out, old);
        c.leftOver(dir);
        if (!c.oldStudy) {
            // The next run first puts the old study back in place.
            keldo::FolderProblem problem;
            ASSERT_TRUE(keldo::StudyFolder::Open(out, problem)) << keldo::FolderProblemMessage(problem);
            EXPECT_EQ(ReadBytes(out + "/F-11/contact.txt"), old.at("F-11/contact.txt"));
        }
        const FieldRun run = Field(dir, out);
        EXPECT_EQ(run.status, keldo::kFieldCompleted) << run.progress;
        EXPECT_EQ(dir.entries(), (std::vector<std::string>{"aus", "feld.csv"}));
        const auto files = Snapshot(out);
        EXPECT_EQ(files.count("F-11"), 0u) << "a folder of the old study stayed";
        EXPECT_NE(files.at("F-12/contact.txt"), "alt");
        EXPECT_EQ(files.at(keldo::kStudyMarker),
            keldo::StudyMarkerText({"summary.csv", "netpay.csv", "F-12/messages.txt", "F-12/saturation.txt",
                "F-12/contact.txt", "F-12/curves.las"}));
    }
}

// A well is completed only when all its files are written; the summary
// says which file failed and why.
TEST(StudyFolder, AWellWhoseFilesAreNotAllWrittenIsNotCompleted)
{
    ScratchFolder dir;
    const std::string out = dir.file("aus");
    // The gas example's contact report is 3.6 KB, its saturation report
    // 3.4 KB, its messages and the summary of two wells well below 2 KB:
    // a limit of 2 KB lets only those through.
    const std::string second = "F-12 zwei," + GasExampleDocument() + "\n";
    FieldRun run;
    {
        FileSizeLimit limit(2048);
        ASSERT_TRUE(limit.active());
        run = Field(dir, out, second);
    }
    EXPECT_EQ(run.status, keldo::kFieldUnreadable) << run.progress;
    const auto rows = SummaryCsvRows(out);
    ASSERT_EQ(rows.size(), 2u);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.at("well"));
        EXPECT_EQ(row.at("status"), "not_written");
        EXPECT_EQ(row.at("message"),
            "Die Datei \"" + out + "/" + row.at("folder") + "/saturation.txt\" kann nicht geschrieben werden. "
                "Die Datei ist zu groß.");
        EXPECT_FALSE(row.at("measurements").empty()); // computed all the same
        EXPECT_NE(run.progress.find(row.at("well") + ": " + row.at("measurements") + " Messwerte, "), std::string::npos);
    }
    EXPECT_NE(run.progress.find(", 0 nicht gelesen, 2 nicht geschrieben; "), std::string::npos) << run.progress;
    EXPECT_NE(run.progress.find(", nicht geschrieben: Die Datei \"" + out + "/F-12/saturation.txt\""), std::string::npos)
        << run.progress;
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"aus", "feld.csv"}));
}

// A file in the way of a well's folder (here inside the study being built,
// where only a fault could put one) makes that well not_written and leaves
// the others completed.
TEST(StudyFolder, AFileInTheWayOfAWellFolderIsReported)
{
    ScratchFolder dir;
    const std::string out = dir.file("aus");
    keldo::FolderProblem problem;
    auto writer = keldo::StudyWriter::Open(out, {}, problem);
    ASSERT_TRUE(writer) << keldo::FolderProblemMessage(problem);
    WriteBytes(dir.file(".aus.keldo-neu/B"), "im Weg");

    std::vector<keldo::WellSummary> rows(2);
    for (size_t i = 0; i < rows.size(); ++i) {
        keldo::WellOutcome outcome;
        outcome.index = i;
        outcome.summary.well = outcome.summary.folder = i == 0 ? "A" : "B";
        outcome.summary.status = keldo::WellStatus::Completed;
        outcome.summary.prepared = true;
        outcome.saturationReport = outcome.contactReport = {"Bericht"};
        outcome.curves = std::make_unique<keldo::MeasurementCurves>();
        std::string error;
        EXPECT_EQ(writer->WriteWell(outcome, error), i == 0) << error;
        rows[i] = outcome.summary;
    }
    std::vector<std::string> errors;
    EXPECT_TRUE(writer->Finish(rows, errors));
    EXPECT_EQ(rows[0].status, keldo::WellStatus::Completed);
    EXPECT_EQ(rows[1].status, keldo::WellStatus::NotWritten);
    EXPECT_EQ(rows[1].message, "Der Ordner \"" + out + "/B\" kann nicht angelegt werden. Ein Teil des Pfades ist kein Ordner.");
    EXPECT_EQ(SummaryCsvRows(out).at(1).at("status"), "not_written");
    EXPECT_EQ(ReadBytes(out + "/B"), "im Weg"); // it went in with the study, as it was
}
