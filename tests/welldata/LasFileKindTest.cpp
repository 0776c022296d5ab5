// "Datei lesen" takes a LAS file by its name or, under any other name, by its
// first line.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "LasFileKind.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

namespace {

struct KindCase {
    const char* what;
    const char* name;
    const char* content; // nullptr: no such file, or the one below
    bool las;
    const char* copyOf = nullptr; // a file of the repository, copied under `name`
    bool folder = false;          // a folder of that name: looked at by its name only
};

const KindCase kCases[] = {
    {"LAS name, any content", "log.las", "1500 0.2 0.3\n", true},
    {"upper-case LAS name", "LOG.LAS", "", true},
    {"mixed-case LAS name", "log.Las", "", true},
    {"missing file with a LAS name", "fehlt.las", nullptr, true},
    {"version section first", "log.txt", "~VERSION INFORMATION\n VERS. 2.0 :\n", true},
    {"lower-case version section", "log.dat", "~v\n", true},
    {"after a byte-order mark, blank lines and comments", "log.txt",
        "\xEF\xBB\xBF\r\n   \t\r\n# exported\r\n  ~Version\r\n", true},
    {"measurement lines", "well.txt", "  1500.000      0.20000     0.30000\n", false},
    {"another section first", "log.txt", "~A\n 1000 0.2 0.3\n", false},
    {"a tilde alone", "log.txt", "~\n", false},
    {"version section after a data line", "log.txt", "1500 0.2 0.3\n~V\n", false},
    {"empty file", "leer.txt", "", false},
    {"blank lines only", "leer.txt", "\n\n  \n", false},
    {"missing file", "fehlt.txt", nullptr, false},
    {"LAS-like text in the name only", "las.txt", "1500 0.2 0.3\n", false},
    {"a Volve log under another name", "F-12-log.txt", nullptr, true,
        "examples/volve/las/15_9-F-12_WLC_PETRO_COMPUTED_OUTPUT_1.LAS"},
    {"a Volve measurement file", "15_9-F-12.txt", nullptr, false, "tests/data/volve/15_9-F-12.txt"},
    {"a folder named like a text file", "logs.txt", nullptr, false, nullptr, true},
};

} // namespace

TEST(LasFileKind, ByNameOrByTheFirstLine)
{
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = folder.file(c.name);
        if (c.content)
            WriteBytes(path, c.content);
        if (c.copyOf)
            std::filesystem::copy_file(SourceFolder() / c.copyOf, path);
        if (c.folder)
            std::filesystem::create_directory(path);
        EXPECT_EQ(keldo::IsLasFile(path), c.las);
    }
}

TEST(LasFileKind, OnlyTheBeginningIsRead)
{
    // 64 KiB of blank lines, then a version section: too far down to count.
    std::string text(64 * 1024, '\n');
    std::istringstream far(text + "~V\n");
    EXPECT_FALSE(keldo::BeginsLikeLas(far));
    std::istringstream near(text.substr(1000) + "~V\n");
    EXPECT_TRUE(keldo::BeginsLikeLas(near));
}
