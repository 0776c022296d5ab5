// Document files that exist but cannot be read: the load fails with the
// reason in German and leaves the document as it was.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;

namespace {

struct UnreadableDocument : ::testing::Test {
    ScratchFolder folder;
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    void SetUp() override
    {
        // A document that has been worked on.
        doc.OnNewDocument();
        doc.m_strBohrung = "vorher";
        doc.m_Messwerte = {"  2500.000      0.20000     0.30000"};
        doc.SetPathName("/daten/vorher.kld");
        doc.SetModifiedFlag(true);
    }

    void ExpectRefused(const std::string& path, const std::string& reason)
    {
        EXPECT_EQ(FailureMessage(keldo::LoadDocument(path, doc)),
            "Das Dokument \"" + path + "\" kann nicht geöffnet werden.\n" + reason);
        EXPECT_EQ(doc.m_strBohrung, "vorher");
        EXPECT_EQ(doc.m_Messwerte, std::vector<std::string>{"  2500.000      0.20000     0.30000"});
        EXPECT_EQ(doc.GetPathName(), "/daten/vorher.kld");
        EXPECT_TRUE(doc.IsModified());
    }
};

} // namespace

TEST_F(UnreadableDocument, WithoutReadPermission)
{
    if (PermissionsAreIgnored(folder))
        GTEST_SKIP() << "running as root, which reads any file: the read error is covered by "
                        "ReadErrorOfTheDevice";
    const std::string path = folder.file("gesperrt.kld");
    WriteBytes(path, keldo::SerializeDocument(doc));
    fs::permissions(path, fs::perms::none, fs::perm_options::replace);
    ExpectRefused(path, "Zugriff verweigert.");
}

TEST_F(UnreadableDocument, ReadErrorOfTheDevice)
{
    // A regular file whose read fails, whoever runs this: the process's own
    // memory has nothing at offset 0.
    const std::string path = "/proc/self/mem";
    int fd = ::open(path.c_str(), O_RDONLY);
    char byte;
    if (fd < 0 || ::read(fd, &byte, 1) >= 0) {
        if (fd >= 0)
            ::close(fd);
        GTEST_SKIP() << path << " does not fail on reading here";
    }
    ::close(fd);
    ExpectRefused(path, "Ein-/Ausgabefehler des Datenträgers.");
}
