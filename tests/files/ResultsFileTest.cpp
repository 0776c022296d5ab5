#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "FileResultCheck.h"
#include "LocaleGuard.h"
#include "ResultsFile.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

struct ResultsFile : ::testing::Test {
    ScratchFolder folder;
    std::string dir = folder.path().string();

    // Puts `bytes` into aus.txt and reads them as "Ergebnisse einlesen" does.
    std::vector<std::string> ReadFile(const std::string& bytes)
    {
        WriteBytes(folder.file("aus.txt"), bytes);
        return keldo::ReadResultsFile(dir);
    }
};

} // namespace

TEST_F(ResultsFile, WriteThenReadGivesTitleAndReport)
{
    const std::vector<std::string> report
        = {"  Bohrung Süd-3", "", "  100 % Wasser %d %s", "x", "  2500.000      0.20000"};
    ASSERT_TRUE(Succeeded(keldo::WriteResultsFile("Süd-3.kld", report, dir)));
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")),
        "S\xFC"
        "d-3.kld\n  Bohrung S\xFC"
        "d-3\n\n  100 % Wasser %d %s\n"
        "x\n  2500.000      0.20000\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"aus.txt"});

    const std::vector<std::string> lines = keldo::ReadResultsFile(dir);
    ASSERT_EQ(lines.size(), report.size() + 1);
    EXPECT_EQ(lines[0], "Süd-3.kld");
    EXPECT_EQ(lines[1], report[0]);
    EXPECT_EQ(lines[2], ""); // an empty line stays empty
    EXPECT_EQ(lines[3], report[2]);
    EXPECT_EQ(lines[4], " "); // one character becomes a blank
    EXPECT_EQ(lines[5], report[4]);
}

TEST_F(ResultsFile, EmptyReportGivesAnEmptyFile)
{
    WriteBytes(folder.file("aus.txt"), "alter Inhalt\n");
    ASSERT_TRUE(Succeeded(keldo::WriteResultsFile("Süd-3.kld", {}, dir)));
    EXPECT_TRUE(fs::exists(folder.file("aus.txt")));
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")), "");
    EXPECT_TRUE(keldo::ReadResultsFile(dir).empty());
}

TEST_F(ResultsFile, MissingFileOrFolderGivesNoLines)
{
    EXPECT_TRUE(keldo::ReadResultsFile(dir).empty());
    fs::create_directory(folder.file("aus.txt")); // a folder has no lines either
    EXPECT_TRUE(keldo::ReadResultsFile(dir).empty());
}

TEST_F(ResultsFile, LineBreaksAndShortLines)
{
    // CR LF from Windows, a two-character line, a CR LF empty line, a last
    // line without a break that keeps its last character.
    EXPECT_EQ(ReadFile("Titel\r\nab\r\n\r\nq\nEnde"), (std::vector<std::string>{"Titel", "ab", "", " ", "Ende"}));
    // A one-character last line is a blank like any other.
    EXPECT_EQ(ReadFile("a\nz"), (std::vector<std::string>{" ", " "}));
}

TEST_F(ResultsFile, LongLinesAreKeptWhole)
{
    const std::string longLine(500, '7');
    EXPECT_EQ(ReadFile("T\n" + longLine + "\n" + std::string(99, 'x') + "\n"),
        (std::vector<std::string>{" ", longLine, std::string(99, 'x')})); // "T" is one character
}

// A line far longer than any report line (a file that is no report): the
// file gives no lines and a message naming the file and the limit; up to the
// limit a line is kept whole.
TEST_F(ResultsFile, ALineBeyondTheLimitGivesNoLinesAndSaysSo)
{
    const struct {
        const char* what;
        size_t length;
        const char* message; // empty: read
    } cases[] = {
        {"at the limit", keldo::kLongestResultsLine, ""},
        {"one over it", keldo::kLongestResultsLine + 1,
            "Die Ergebnisse konnten nicht aus der Datei aus.txt gelesen werden.\nDie 2. Zeile ist länger als 65536 "
            "Zeichen."},
        {"10 MB without a line end", 10'000'000,
            "Die Ergebnisse konnten nicht aus der Datei aus.txt gelesen werden.\nDie 2. Zeile ist länger als 65536 "
            "Zeichen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(folder.file("aus.txt"), "Titel\n" + std::string(c.length, '7'));
        std::vector<std::string> lines{"alt"};
        const keldo::FileResult read = keldo::ReadResultsFile(dir, lines);
        EXPECT_EQ(read.Message(), c.message);
        EXPECT_EQ(lines.size(), *c.message ? 0u : 2u);
    }
}

TEST_F(ResultsFile, AtMostThousandLinesAreTaken)
{
    std::string text;
    for (int i = 0; i < 1500; ++i)
        text += "Zeile " + std::to_string(i) + "\n";
    const std::vector<std::string> lines = ReadFile(text);
    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines.back(), "Zeile 999");
}

TEST_F(ResultsFile, CodePageAndZeroBytes)
{
    EXPECT_EQ(
        ReadFile(std::string("Poros\xE4t \x80\n\0\nA\0B\n", 16)), (std::vector<std::string>{"Porosät €", " ", "A B"}));
}

TEST_F(ResultsFile, WriteFailureKeepsTheOldFileAndSaysSo)
{
    // A folder named aus.txt cannot be replaced by a file, whoever runs this.
    fs::create_directory(folder.file("aus.txt"));
    EXPECT_EQ(FailureMessage(keldo::WriteResultsFile("T", {"neu"}, dir)),
        "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben "
        "werden.\nUnter diesem Namen gibt es einen Ordner, keine Datei.");
    EXPECT_TRUE(fs::is_directory(folder.file("aus.txt")));

    EXPECT_EQ(FailureMessage(keldo::WriteResultsFile("T", {"neu"}, folder.file("fehlt"))),
        "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben "
        "werden.\nDie Datei oder der Ordner existiert nicht.");
}

TEST_F(ResultsFile, WriteFailureInAReadOnlyFolder)
{
    if (PermissionsAreIgnored(folder))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    WriteBytes(folder.file("aus.txt"), "alt\n");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    const std::string error = FailureMessage(keldo::WriteResultsFile("T", {"neu"}, dir));
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(error,
        "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben "
        "werden.\nZugriff verweigert.");
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")), "alt\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"aus.txt"});
}

TEST_F(ResultsFile, GermanLocaleChangesNothing)
{
    GermanLocale german;
    ASSERT_TRUE(german.active());
    ASSERT_TRUE(Succeeded(keldo::WriteResultsFile("T", std::vector<std::string>(1200, "   0.25000"), dir)));
    const std::vector<std::string> lines = keldo::ReadResultsFile(dir);
    EXPECT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[1], "   0.25000");
}
