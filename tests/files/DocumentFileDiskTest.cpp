#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "LocaleGuard.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "TextFormat.h"

using keldo::LoadDocument;
using keldo::SaveDocument;
using keldo::SerializeDocument;
namespace fs = std::filesystem;

namespace {

struct DocumentFileDisk : ::testing::Test {
    ScratchFolder folder;
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    void SetUp() override
    {
        doc.OnNewDocument();
        doc.m_strBohrung = "Süd-3";
        doc.m_fTemperatur = 138;
        doc.m_fKontakt = 2620.5f;
        doc.m_nFluid = 1;
        doc.m_Messwerte = {keldo::Format("%10.3f   %10.5f  %10.5f", 2500.0, 0.2, 0.3)};
    }

    // A document that has been worked on: a failed load leaves it as it was.
    void ExpectWorkedOnDocument(const CKeldoDoc& d)
    {
        EXPECT_EQ(d.m_strBohrung, "vorher");
        EXPECT_EQ(d.m_Messwerte, std::vector<std::string>{"1 2 3"});
        EXPECT_TRUE(d.IsModified());
        EXPECT_EQ(d.GetPathName(), "/daten/vorher.kld");
    }
};

} // namespace

TEST_F(DocumentFileDisk, SaveThenLoadSetsTheValuesAfterLoading)
{
    const std::string path = folder.file("Süd 3.kld");
    ASSERT_TRUE(Succeeded(SaveDocument(path, doc)));
    EXPECT_EQ(ReadBytes(path), SerializeDocument(doc));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"Süd 3.kld"}); // no temporary left

    CKeldoDoc loaded(box);
    loaded.OnNewDocument();
    loaded.m_nModus = 1;
    loaded.m_bDetail = 1;
    loaded.m_fMinTeufe = 2400;
    loaded.m_fMaxTeufe = 2700;
    loaded.m_fCutoff = 0.1f;
    loaded.m_bDruckabhaengig = 0;
    loaded.m_bWarnungen = 1;
    loaded.m_Ergebnisse = {"letzter Lauf"};
    loaded.SetModifiedFlag(true);
    ASSERT_TRUE(Succeeded(LoadDocument(path, loaded)));

    EXPECT_EQ(loaded.m_strBohrung, "Süd-3");
    EXPECT_EQ(loaded.m_fKontakt, 2620.5f);
    EXPECT_EQ(loaded.m_nFluid, 1);
    EXPECT_EQ(loaded.m_Messwerte, doc.m_Messwerte);
    EXPECT_EQ(loaded.m_nModus, 0);
    EXPECT_EQ(loaded.m_bDetail, 0);
    EXPECT_EQ(loaded.m_fMinTeufe, 0.0f);
    EXPECT_EQ(loaded.m_fMaxTeufe, 0.0f);
    EXPECT_EQ(loaded.m_fCutoff, 0.06f);
    EXPECT_EQ(loaded.m_bDruckabhaengig, 1);
    EXPECT_EQ(loaded.m_bGeaendert, 1);
    EXPECT_EQ(loaded.m_bWarnungen, 1);
    EXPECT_EQ(loaded.m_Ergebnisse, std::vector<std::string>{"letzter Lauf"});
    EXPECT_EQ(loaded.GetTitle(), "Süd 3.kld");
    EXPECT_EQ(loaded.GetPathName(), path);
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_TRUE(box.shown.empty()); // the dialog is the caller's to open
}

TEST_F(DocumentFileDisk, LoadThenSaveGivesTheSameBytes)
{
    // A file as the Windows program writes it, with Windows-1252 umlauts.
    const std::string original = std::string("\x05"
                                             "G\xFC"
                                             "n-1",
                                     6)
        + std::string(40, '\0') + std::string("\x00\x00\x7A\x44", 4) + std::string(40, '\0')
        + std::string("\x02\x00\x03"
                      "a b\x02\xE4\xB0",
            9);
    const std::string in = folder.file("in.kld");
    const std::string out = folder.file("out.kld");
    WriteBytes(in, original);
    CKeldoDoc loaded(box);
    ASSERT_TRUE(Succeeded(LoadDocument(in, loaded)));
    EXPECT_EQ(loaded.m_strBohrung, "Gün-1");
    EXPECT_EQ(loaded.m_Messwerte[1], "ä°");
    ASSERT_TRUE(Succeeded(SaveDocument(out, loaded)));
    EXPECT_EQ(ReadBytes(out), original);
}

TEST_F(DocumentFileDisk, FilesThatCannotBeReadGiveGermanMessages)
{
    const std::string missing = folder.file("fehlt.kld");
    const std::string empty = folder.file("leer.kld");
    const std::string truncated = folder.file("kurz.kld");
    const std::string directory = folder.file("ordner.kld");
    const std::string pipe = folder.file("rohr.kld");
    const std::string huge = folder.file("riesig.kld");
    WriteBytes(empty, "");
    WriteBytes(truncated, SerializeDocument(doc).substr(0, 30));
    fs::create_directory(directory);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0); // must not block the program
    WriteBytes(huge, "");
    fs::resize_file(huge, (1ull << 30) + 1); // sparse: takes no disk space

    struct Case {
        std::string path;
        std::string reason;
    } cases[] = {
        {missing, "Die Datei oder der Ordner existiert nicht."},
        {empty, "Die Datei ist leer."},
        {truncated, "Die Datei ist unvollständig: sie endet nach 30 Bytes beim Lesen der Eingabewerte."},
        {directory, "Unter diesem Namen gibt es einen Ordner, keine Datei."},
        {pipe, "Das ist keine gewöhnliche Datei."},
        {huge, "Die Datei ist zu groß."},
    };
    for (const auto& c : cases) {
        CKeldoDoc loaded(box);
        loaded.OnNewDocument();
        loaded.m_strBohrung = "vorher";
        loaded.m_Messwerte = {"1 2 3"};
        loaded.SetPathName("/daten/vorher.kld");
        loaded.SetModifiedFlag(true);
        EXPECT_EQ(FailureMessage(LoadDocument(c.path, loaded)),
            "Das Dokument \"" + c.path + "\" kann nicht geöffnet werden.\n" + c.reason);
        ExpectWorkedOnDocument(loaded);
    }
}

TEST_F(DocumentFileDisk, SavingReplacesAnOldFile)
{
    const std::string path = folder.file("a.kld");
    WriteBytes(path, std::string(500, 'x'));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(Succeeded(SaveDocument(path, doc)));
    EXPECT_EQ(ReadBytes(path), SerializeDocument(doc));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u); // the old file's permissions stay
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"a.kld"});
}

TEST_F(DocumentFileDisk, SavingUnderALinkReplacesTheLinkNotTheLinkedFile)
{
    const std::string target = folder.file("echt.kld");
    const std::string link = folder.file("link.kld");
    WriteBytes(target, "old");
    fs::create_symlink(target, link);
    ASSERT_TRUE(Succeeded(SaveDocument(link, doc)));
    EXPECT_FALSE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(link), SerializeDocument(doc));
    EXPECT_EQ(ReadBytes(target), "old");
}

TEST_F(DocumentFileDisk, FailedSaveKeepsTheOldFile)
{
    // A folder under the target's name, and a folder that does not exist.
    const std::string directory = folder.file("ordner.kld");
    fs::create_directory(directory);
    EXPECT_EQ(FailureMessage(SaveDocument(directory, doc)),
        "Das Dokument \"" + directory
            + "\" kann nicht gespeichert werden.\nUnter diesem Namen gibt es einen Ordner, keine Datei.");
    EXPECT_TRUE(fs::is_directory(directory));
    const std::string missingFolder = folder.file("nicht/da.kld");
    EXPECT_EQ(FailureMessage(SaveDocument(missingFolder, doc)),
        "Das Dokument \"" + missingFolder
            + "\" kann nicht gespeichert werden.\nDie Datei oder der Ordner existiert nicht.");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"ordner.kld"});
}

TEST_F(DocumentFileDisk, FailedSaveInAReadOnlyFolderKeepsTheOldFile)
{
    if (PermissionsAreIgnored(folder))
        GTEST_SKIP() << "running with rights that ignore file permissions";
    const std::string path = folder.file("alt.kld");
    WriteBytes(path, "alter Inhalt");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    const std::string error = FailureMessage(SaveDocument(path, doc));
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::replace);
    EXPECT_EQ(error, "Das Dokument \"" + path + "\" kann nicht gespeichert werden.\nZugriff verweigert.");
    EXPECT_EQ(ReadBytes(path), "alter Inhalt");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"alt.kld"});
}

TEST_F(DocumentFileDisk, GermanLocaleChangesNothing)
{
    const std::string expected = SerializeDocument(doc);
    GermanLocale german;
    ASSERT_TRUE(german.active());
    const std::string path = folder.file("de.kld");
    ASSERT_TRUE(Succeeded(SaveDocument(path, doc)));
    EXPECT_EQ(ReadBytes(path), expected);
    CKeldoDoc loaded(box);
    ASSERT_TRUE(Succeeded(LoadDocument(path, loaded)));
    EXPECT_EQ(loaded.m_fKontakt, 2620.5f);
    EXPECT_EQ(SerializeDocument(loaded), expected);
}

TEST_F(DocumentFileDisk, ExampleWellsLoadAndSaveBackUnchanged)
{
    const char* source = std::getenv("KELDO_SOURCE_DIR");
    if (source == nullptr)
        GTEST_SKIP() << "KELDO_SOURCE_DIR not set";
    struct Example {
        const char* file;
        size_t lines;
        int fluid;
    } examples[] = {{"gas-well-F-12.kld", 304, 0}, {"oil-well-F-11A.kld", 309, 1}};
    for (const auto& e : examples) {
        const std::string path = std::string(source) + "/examples/" + e.file;
        CKeldoDoc loaded(box);
        ASSERT_TRUE(Succeeded(LoadDocument(path, loaded)));
        EXPECT_EQ(loaded.GetTitle(), e.file);
        EXPECT_EQ(loaded.m_Messwerte.size(), e.lines);
        EXPECT_EQ(loaded.m_nFluid, e.fluid);
        const std::string copy = folder.file(e.file);
        ASSERT_TRUE(Succeeded(SaveDocument(copy, loaded)));
        EXPECT_EQ(ReadBytes(copy), ReadBytes(path)) << e.file;
    }
}
