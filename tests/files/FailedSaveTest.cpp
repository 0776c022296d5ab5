// Saving a document or "aus.txt" when the disk refuses the bytes part-way or
// the folder cannot take the file: the old file stays as it was, no
// half-written or temporary file is left, and the message says why.
#include <gtest/gtest.h>

#include <filesystem>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "FileSizeLimit.h"
#include "RecordingMessageBox.h"
#include "ResultsFile.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;
using keldo::SaveDocument;

namespace {

// Far less than any document or report, more than nothing: the write starts
// and then fails, as on a disk that fills up during the save.
constexpr rlim_t kFullAfter = 16;

struct FailedSave : ::testing::Test {
    ScratchFolder folder;
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    void SetUp() override
    {
        doc.OnNewDocument();
        doc.m_strBohrung = "Süd-3";
        doc.m_Messwerte.assign(50, "  2500.000      0.20000     0.30000");
        doc.m_Ergebnisse.assign(50, "  Bohrung:Süd-3");
        doc.SetPathName("/daten/Süd-3.kld");
    }

    std::string SaveMessage(const std::string& path, const std::string& reason)
    {
        return "Das Dokument \"" + path + "\" kann nicht gespeichert werden.\n" + reason;
    }
};

const std::string kResultsFailed = "Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden.\n";

} // namespace

TEST_F(FailedSave, FullDiskKeepsTheOldDocument)
{
    const std::string path = folder.file("alt.kld");
    const std::string old = "alter Inhalt, der bleiben muss";
    WriteBytes(path, old);
    std::string error;
    {
        FileSizeLimit full(kFullAfter);
        ASSERT_TRUE(full.active());
        error = FailureMessage(SaveDocument(path, doc));
    }
    EXPECT_EQ(error, SaveMessage(path, "Die Datei ist zu groß."));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"alt.kld"}); // no temporary file left

    // A first save of a new name leaves no file at all.
    const std::string fresh = folder.file("neu.kld");
    bool saved = true;
    {
        FileSizeLimit full(kFullAfter);
        saved = SaveDocument(fresh, doc).Succeeded();
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"alt.kld"});

    // With room again the same save succeeds.
    ASSERT_TRUE(Succeeded(SaveDocument(path, doc)));
    EXPECT_EQ(ReadBytes(path), keldo::SerializeDocument(doc));
}

TEST_F(FailedSave, FullDiskKeepsTheOldResultsFile)
{
    const std::string dir = folder.path().string();
    WriteBytes(folder.file("aus.txt"), "alte Ergebnisse\n");
    std::string error;
    {
        FileSizeLimit full(kFullAfter);
        ASSERT_TRUE(full.active());
        error = FailureMessage(keldo::WriteResultsFile(doc.GetTitle(), doc.m_Ergebnisse, dir));
    }
    EXPECT_EQ(error, kResultsFailed + "Die Datei ist zu groß.");
    EXPECT_EQ(ReadBytes(folder.file("aus.txt")), "alte Ergebnisse\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"aus.txt"});
    EXPECT_EQ(doc.m_Ergebnisse.size(), 50u); // the report itself is untouched
}

TEST_F(FailedSave, FolderReplacedByAFile)
{
    // The document's folder has become a file: no rights help here, so this
    // failure shows for every user, root included.
    const std::string notAFolder = folder.file("bohrungen");
    WriteBytes(notAFolder, "eine Datei, kein Ordner");
    const std::string path = notAFolder + "/alt.kld";
    EXPECT_EQ(FailureMessage(SaveDocument(path, doc)), SaveMessage(path, "Ein Teil des Pfades ist kein Ordner."));
    EXPECT_EQ(ReadBytes(notAFolder), "eine Datei, kein Ordner");

    EXPECT_EQ(FailureMessage(keldo::WriteResultsFile(doc.GetTitle(), doc.m_Ergebnisse, notAFolder)),
        kResultsFailed + "Ein Teil des Pfades ist kein Ordner.");
    EXPECT_EQ(ReadBytes(notAFolder), "eine Datei, kein Ordner");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"bohrungen"});
}
