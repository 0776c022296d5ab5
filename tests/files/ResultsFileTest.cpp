#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "ResultsFile.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

const char* const kWritten = "Die Detailergebnisse sind in die Datei aus.txt geschrieben!";

class CountingHost : public keldo::IDocumentHost {
public:
    bool RunInputDialog(CDlgInputValues&) override { return false; }
    void UpdateAllViews() override { ++updates; }
    int updates = 0;
};

struct ResultsFile : ::testing::Test {
    ScratchFolder folder;
    RecordingMessageBox box;
    CountingHost host;
    CKeldoDoc doc{box, &host};
    std::string dir = folder.path().string();

    void SetUp() override
    {
        doc.OnNewDocument();
        doc.SetPathName("/daten/Süd-3.kld");
    }

    // Puts `bytes` into aus.txt and reads them as the command does.
    void ReadFile(const std::string& bytes)
    {
        WriteBytes(folder.file("aus.txt"), bytes);
        keldo::OnErgebnisseEinlesen(doc, dir);
    }
};

} // namespace

TEST_F(ResultsFile, WriteThenReadGivesTitleAndReport)
{
    doc.m_Ergebnisse = {"  Bohrung Süd-3", "", "  100 % Wasser %d %s", "x", "  2500.000      0.20000"};
    const auto report = doc.m_Ergebnisse;
    keldo::OnErgebnisseAusgeben(doc, dir);
    ASSERT_EQ(box.shown, std::vector<std::string>{kWritten});
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")),
        "S\xFC"
        "d-3.kld\n  Bohrung S\xFC"
        "d-3\n\n  100 % Wasser %d %s\n"
        "x\n  2500.000      0.20000\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"aus.txt"});

    doc.m_Messwerte = {"1 2 3"};
    keldo::OnErgebnisseEinlesen(doc, dir);
    ASSERT_EQ(doc.m_Ergebnisse.size(), report.size() + 1);
    EXPECT_EQ(doc.m_Ergebnisse[0], "Süd-3.kld");
    EXPECT_EQ(doc.m_Ergebnisse[1], report[0]);
    EXPECT_EQ(doc.m_Ergebnisse[2], ""); // an empty line stays empty
    EXPECT_EQ(doc.m_Ergebnisse[3], report[2]);
    EXPECT_EQ(doc.m_Ergebnisse[4], " "); // one character becomes a blank
    EXPECT_EQ(doc.m_Ergebnisse[5], report[4]);
    EXPECT_EQ(box.shown.back(), "6 Zeilen wurden eingelesen");
    EXPECT_EQ(host.updates, 1);
    EXPECT_EQ(doc.m_Messwerte, std::vector<std::string>{"1 2 3"});
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ResultsFile, EmptyReportGivesAnEmptyFileAndStillTheMessage)
{
    WriteBytes(folder.file("aus.txt"), "alter Inhalt\n");
    keldo::OnErgebnisseAusgeben(doc, dir);
    EXPECT_EQ(box.shown, std::vector<std::string>{kWritten});
    EXPECT_TRUE(fs::exists(folder.file("aus.txt")));
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")), "");

    doc.m_Ergebnisse = {"alt"};
    keldo::OnErgebnisseEinlesen(doc, dir);
    EXPECT_TRUE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(box.shown.back(), "0 Zeilen wurden eingelesen");
}

TEST_F(ResultsFile, MissingFileEmptiesTheReportAndUpdatesTheViews)
{
    doc.m_Ergebnisse = {"alt"};
    keldo::OnErgebnisseEinlesen(doc, dir);
    EXPECT_TRUE(doc.m_Ergebnisse.empty());
    EXPECT_EQ(host.updates, 1);
    EXPECT_EQ(box.shown, std::vector<std::string>{"0 Zeilen wurden eingelesen"});

    fs::create_directory(folder.file("aus.txt")); // a folder has no lines either
    keldo::OnErgebnisseEinlesen(doc, dir);
    EXPECT_EQ(box.shown.back(), "0 Zeilen wurden eingelesen");
}

TEST_F(ResultsFile, LineBreaksAndShortLines)
{
    // CR LF from Windows, a two-character line, a CR LF empty line, a last
    // line without a break that keeps its last character.
    ReadFile("Titel\r\nab\r\n\r\nq\nEnde");
    EXPECT_EQ(doc.m_Ergebnisse, (std::vector<std::string>{"Titel", "ab", "", " ", "Ende"}));
    EXPECT_EQ(box.shown.back(), "5 Zeilen wurden eingelesen");

    ReadFile("a\nz"); // a one-character last line is a blank like any other
    EXPECT_EQ(doc.m_Ergebnisse, (std::vector<std::string>{" ", " "}));
}

TEST_F(ResultsFile, LongLinesAreKeptWhole)
{
    const std::string longLine(500, '7');
    ReadFile("T\n" + longLine + "\n" + std::string(99, 'x') + "\n");
    ASSERT_EQ(doc.m_Ergebnisse.size(), 3u);
    EXPECT_EQ(doc.m_Ergebnisse[1], longLine);
    EXPECT_EQ(doc.m_Ergebnisse[2], std::string(99, 'x'));
    EXPECT_EQ(box.shown.back(), "3 Zeilen wurden eingelesen");
}

TEST_F(ResultsFile, AtMostThousandLinesAreTaken)
{
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "Zeile " + std::to_string(i) + "\n";
    ReadFile(text);
    ASSERT_EQ(doc.m_Ergebnisse.size(), 1000u);
    EXPECT_EQ(doc.m_Ergebnisse.back(), "Zeile 999");
    EXPECT_EQ(box.shown.back(), "1000 Zeilen wurden eingelesen");
}

TEST_F(ResultsFile, CodePageAndZeroBytes)
{
    ReadFile(std::string("Poros\xE4t \x80\n\0\nA\0B\n", 16));
    EXPECT_EQ(doc.m_Ergebnisse, (std::vector<std::string>{"Porosät €", " ", "A B"}));
}

TEST_F(ResultsFile, WriteFailureKeepsTheOldFileAndSaysSo)
{
    // A folder named aus.txt cannot be replaced by a file, whoever runs this.
    fs::create_directory(folder.file("aus.txt"));
    doc.m_Ergebnisse = {"neu"};
    keldo::OnErgebnisseAusgeben(doc, dir);
    EXPECT_EQ(box.shown,
        std::vector<std::string>{"Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben "
                                 "werden.\nUnter diesem Namen gibt es einen Ordner, keine Datei."});
    EXPECT_TRUE(fs::is_directory(folder.file("aus.txt")));

    box.shown.clear();
    keldo::OnErgebnisseAusgeben(doc, folder.file("fehlt"));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_NE(box.shown[0], kWritten);
}

TEST_F(ResultsFile, WriteFailureInAReadOnlyFolder)
{
    if (PermissionsAreIgnored(folder))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    WriteBytes(folder.file("aus.txt"), "alt\n");
    doc.m_Ergebnisse = {"neu"};
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    keldo::OnErgebnisseAusgeben(doc, dir);
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(box.shown,
        std::vector<std::string>{"Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben "
                                 "werden.\nZugriff verweigert."});
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")), "alt\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"aus.txt"});
}

TEST_F(ResultsFile, GermanLocaleChangesNothing)
{
    GermanLocale german;
    ASSERT_TRUE(german.active());
    doc.m_Ergebnisse.assign(1200, "   0.25000");
    keldo::OnErgebnisseAusgeben(doc, dir);
    keldo::OnErgebnisseEinlesen(doc, dir);
    EXPECT_EQ(doc.m_Ergebnisse.size(), 1000u);
    EXPECT_EQ(doc.m_Ergebnisse[1], "   0.25000");
    EXPECT_EQ(box.shown, (std::vector<std::string>{kWritten, "1000 Zeilen wurden eingelesen"}));
}
