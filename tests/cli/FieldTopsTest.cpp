// keldo-field --tops: taken from the command line, a tops file that cannot
// be used or that an output would overwrite stops the study before any well
// is computed, with one message and nothing written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "FieldCommand.h"
#include "FieldOptions.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

TEST(FieldTops, BadTopsStopTheStudyBeforeComputing)
{
    std::string error;
    const auto parsed = keldo::ParseFieldOptions({"feld.csv", "--out", "aus", "--tops", "t.csv"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->topsFile, "t.csv");

    ScratchFolder dir;
    std::ofstream(dir.file("bad.csv")) << "well,surface\n15/9-F-12,Hugin\n";
    const struct Case {
        const char* name;
        std::string tops;
        const char* message;
    } cases[] = {
        {"missing", dir.file("none.csv"), "Die Datei der Formationsgrenzen"},
        {"no depth column", dir.file("bad.csv"), "depth"},
        {"tops inside the output", dir.file("out/zones.csv"), "würde die Datei der Formationsgrenzen"},
    };
    std::filesystem::create_directory(dir.file("out"));
    std::ofstream(dir.file("out/zones.csv")) << "well,surface,depth\n15/9-F-12,Hugin,2900\n";
    for (const Case& c : cases) {
        keldo::FieldOptions options;
        options.fieldFile = ExampleFile("volve-field.csv");
        options.templateFile = OilExampleDocument();
        options.outDir = dir.file("out");
        options.topsFile = c.tops;
        std::ostringstream progress;
        EXPECT_EQ(keldo::RunFieldCommand(options, progress), keldo::kFieldBadInput) << c.name;
        EXPECT_NE(progress.str().find(c.message), std::string::npos) << c.name << ": " << progress.str();
        EXPECT_FALSE(std::filesystem::exists(dir.file("out/summary.csv"))) << c.name;
    }
}
