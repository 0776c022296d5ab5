// The name a file gives its well when it is added to a study.
#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellFileName.h"

// Names as the files hold them: the example document's "Bohrung" field,
// the ~W WELL lines of the Volve LAS files.
TEST(WellFileName, TheWellAFileNames)
{
    ScratchFolder folder;
    const std::string nameless = folder.file("ohne-name.las");
    WriteBytes(nameless, "~V\n VERS. 2.0 :\n~W\n EKB.M 30 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000 0.2 0.3\n");
    const struct {
        const char* name;
        std::string path;
        bool document;
        const char* well;
    } cases[] = {
        {"document", GasExampleDocument(), true, "15/9-F-12 Hugin, Gasfall"},
        {"LAS file", VolveWellLas("15_9-F-11_B"), false, "15/9-F-11 B"},
        {"LAS file without WELL", nameless, false, ""},
        {"a document as a LAS file", GasExampleDocument(), false, ""},
        {"missing file", folder.file("fehlt.kld"), true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(keldo::WellNameOfFile(c.path, c.document), c.well);
    }
}
