// The one way every output is written (ReplaceFile): what it does with each
// thing that can stand under the output's name, with a disk that fills up
// part-way, and how outputs are told apart from inputs (FileIdentity).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "FileAccess.h"
#include "FileIdentity.h"
#include "FileSizeLimit.h"
#include "ScratchFolder.h"

namespace fs = std::filesystem;
using keldo::StreamTarget;

namespace {

const std::string kPrecious = "eine Datei außerhalb, die bleiben muss\n";
const std::string kOld = "alte Ausgabe\n";
const std::string kNew = "neue Ausgabe, vollständig\n";

enum class Standing { Nothing, File, LinkOut, DanglingLink, LinkToFolder, Folder, Pipe, LinkToPipe, LinkToDevice };

// Puts `standing` under `name` in `folder`; a link points into `outside`.
void Prepare(Standing standing, const std::string& name, const ScratchFolder& outside)
{
    switch (standing) {
    case Standing::Nothing:
        break;
    case Standing::File:
        WriteBytes(name, kOld);
        break;
    case Standing::LinkOut:
        fs::create_symlink(outside.file("precious.txt"), name);
        break;
    case Standing::DanglingLink:
        fs::create_symlink(outside.file("fehlt.txt"), name);
        break;
    case Standing::LinkToFolder:
        fs::create_symlink(outside.path(), name);
        break;
    case Standing::Folder:
        fs::create_directory(name);
        break;
    case Standing::Pipe:
        ASSERT_EQ(::mkfifo(name.c_str(), 0600), 0);
        break;
    case Standing::LinkToPipe:
        ASSERT_EQ(::mkfifo(outside.file("rohr").c_str(), 0600), 0);
        fs::create_symlink(outside.file("rohr"), name);
        break;
    case Standing::LinkToDevice:
        fs::create_symlink("/dev/null", name);
        break;
    }
}

// What stands under `name` now, as Prepare puts it (a regular file: its bytes).
std::string Describe(const std::string& name)
{
    const fs::file_status st = fs::symlink_status(name);
    if (fs::is_symlink(st))
        return "Verknüpfung auf " + fs::read_symlink(name).string();
    if (fs::is_directory(st))
        return "Ordner";
    if (fs::is_fifo(st))
        return "Pipe";
    if (fs::is_regular_file(st))
        return ReadBytes(name);
    return "nichts";
}

bool HasTemporary(const ScratchFolder& folder)
{
    for (const std::string& entry : folder.entries())
        if (entry.find(".~tmp") != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(OutputFile, WhatStandsUnderTheNameIsReplacedOrRefusedNeverWrittenThrough)
{
    const struct {
        const char* what;
        Standing standing;
        StreamTarget streams;
        int err; // 0: written
    } cases[] = {
        {"a new file", Standing::Nothing, StreamTarget::Refuse, 0},
        {"an old file", Standing::File, StreamTarget::Refuse, 0},
        {"a link out of the folder: the link is replaced", Standing::LinkOut, StreamTarget::Refuse, 0},
        {"a dangling link: the link is replaced", Standing::DanglingLink, StreamTarget::Refuse, 0},
        {"a link to a folder", Standing::LinkToFolder, StreamTarget::Refuse, EISDIR},
        {"a folder", Standing::Folder, StreamTarget::Refuse, EISDIR},
        {"a folder, even for a report", Standing::Folder, StreamTarget::WriteThrough, EISDIR},
        {"a pipe", Standing::Pipe, StreamTarget::Refuse, EINVAL},
        {"a link to a pipe", Standing::LinkToPipe, StreamTarget::Refuse, EINVAL},
        {"a link to a device", Standing::LinkToDevice, StreamTarget::Refuse, EINVAL},
        {"a link to a device, for a report: written through", Standing::LinkToDevice, StreamTarget::WriteThrough, 0},
        {"an old file, for a report", Standing::File, StreamTarget::WriteThrough, 0},
        {"a link out, for a report: the link is replaced", Standing::LinkOut, StreamTarget::WriteThrough, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder, outside;
        WriteBytes(outside.file("precious.txt"), kPrecious);
        const std::string name = folder.file("ausgabe.txt");
        Prepare(c.standing, name, outside);
        const std::string before = Describe(name);

        int checkErr = 0;
        const bool writable = keldo::CanWriteFile(name, checkErr, c.streams);
        EXPECT_EQ(writable ? 0 : checkErr, c.err) << "the check in advance foretells the write";
        int err = 0;
        const bool written = keldo::ReplaceFile(name, kNew, err, c.streams);
        EXPECT_EQ(written ? 0 : err, c.err);

        const bool throughDevice = c.standing == Standing::LinkToDevice && written;
        if (written && !throughDevice)
            EXPECT_EQ(Describe(name), kNew);
        else
            EXPECT_EQ(Describe(name), before);
        EXPECT_EQ(ReadBytes(outside.file("precious.txt")), kPrecious);
        EXPECT_FALSE(HasTemporary(folder));
    }
}

TEST(OutputFile, AReportIsWrittenThroughAPipe)
{
    ScratchFolder folder;
    const std::string pipe = folder.file("rohr");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    int err = 0;
    EXPECT_TRUE(keldo::ReplaceFile(pipe, kNew, err, StreamTarget::WriteThrough));
    char buffer[256] = {};
    const ssize_t n = ::read(reader, buffer, sizeof buffer);
    ::close(reader);
    EXPECT_EQ(std::string(buffer, n > 0 ? size_t(n) : 0), kNew);
    EXPECT_TRUE(fs::is_fifo(pipe));
}

TEST(OutputFile, ADiskThatFillsUpKeepsTheOldFileWhateverWasWritten)
{
    const std::string bytes(10000, 'x');
    // Nothing, one byte, half, all but the last byte; all of it fits.
    const struct {
        rlim_t limit;
        bool written;
    } cases[] = {{0, false}, {1, false}, {5000, false}, {9999, false}, {10000, true}};
    for (Standing standing : {Standing::File, Standing::LinkOut, Standing::Nothing}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "limit " << c.limit << ", standing " << int(standing));
            ScratchFolder folder, outside;
            WriteBytes(outside.file("precious.txt"), kPrecious);
            const std::string name = folder.file("grafik.svg");
            Prepare(standing, name, outside);
            const std::string before = Describe(name);
            int err = 0;
            bool written = false;
            {
                FileSizeLimit full(c.limit);
                ASSERT_TRUE(full.active());
                written = keldo::ReplaceFile(name, bytes, err);
            }
            EXPECT_EQ(written, c.written);
            if (written) {
                EXPECT_EQ(Describe(name), bytes);
            } else {
                EXPECT_EQ(err, EFBIG);
                EXPECT_EQ(keldo::SystemErrorReason(err), "Die Datei ist zu groß.");
                EXPECT_EQ(Describe(name), before);
            }
            EXPECT_EQ(ReadBytes(outside.file("precious.txt")), kPrecious);
            EXPECT_FALSE(HasTemporary(folder));
        }
    }
}

TEST(FileIdentity, OneFileHoweverItIsNamed)
{
    ScratchFolder folder;
    WriteBytes(folder.file("a.kld"), kOld);
    WriteBytes(folder.file("b.kld"), kOld);
    fs::create_directory(folder.path() / "sub");
    fs::create_hard_link(folder.file("a.kld"), folder.file("hart.kld"));
    fs::create_symlink(folder.file("a.kld"), folder.file("link.kld"));
    fs::create_directory_symlink(folder.path() / "sub", folder.path() / "sublink");
    const std::string dir = folder.path().string();
    const struct {
        std::string a, b;
        bool same;
    } cases[] = {
        {dir + "/a.kld", dir + "/./a.kld", true},
        {dir + "/a.kld", dir + "/sub/../a.kld", true},
        {dir + "/a.kld", dir + "//a.kld", true},
        {dir + "/a.kld", dir + "/hart.kld", true},
        {dir + "/a.kld", dir + "/link.kld", true},
        {dir + "/a.kld", dir + "/b.kld", false},
        // Files not yet there: by their normal paths, links of the folders resolved.
        {dir + "/neu.txt", dir + "/sub/../neu.txt", true},
        {dir + "/sub/neu.txt", dir + "/sublink/neu.txt", true},
        {dir + "/neu.txt", dir + "/neu.TXT", false},
        {dir + "/neu.txt", dir + "/a.kld", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keldo::SameFile(keldo::IdentifyFile(c.a), keldo::IdentifyFile(c.b)), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(keldo::SameFile(keldo::IdentifyFile(c.b), keldo::IdentifyFile(c.a)), c.same) << c.b << " / " << c.a;
    }
}
