// A study's outputs never overwrite its inputs and never leave the output
// folder through a symbolic link.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "FieldCommand.h"
#include "FieldFile.h"
#include "FieldOutputs.h"
#include "ScratchFolder.h"
#include "StudyFolder.h"
#include "WellDataTestFiles.h"

namespace fs = std::filesystem;

namespace {

keldo::FieldWell Well(int line, const char* name, const std::string& document, const std::string& las = {},
    const std::string& survey = {})
{
    keldo::FieldWell well;
    well.line = line;
    well.name = name;
    well.inputs.document = document;
    well.inputs.lasFile = las;
    well.inputs.surveyFile = survey;
    return well;
}

std::string Clash(const std::string& output, const char* input, const std::string& path)
{
    return "Die Ausgabe \"" + output + "\" würde " + input + " \"" + path
        + "\" überschreiben; bitte einen anderen Ausgabeordner nennen.";
}

} // namespace

TEST(StudyOutputs, AnInputThatAnOutputWouldOverwriteIsFound)
{
    ScratchFolder dir;
    const std::string out = dir.file("aus");
    fs::create_directories(dir.path() / "aus" / "B");
    WriteBytes(dir.file("aus/B/contact.svg"), "alte Grafik");
    fs::create_hard_link(dir.file("aus/B/contact.svg"), dir.file("hart.las"));
    const std::string good = dir.file("gut.kld");
    const struct {
        const char* what;
        std::string fieldFile, templateFile, document, las, survey;
        std::string clash; // empty: none
    } cases[] = {
        {"the field file as the summary", out + "/summary.csv", "", good, "", "",
            Clash(out + "/summary.csv", "die Felddatei", out + "/summary.csv")},
        {"the template as the field chart", dir.file("feld.csv"), out + "/field.pdf", good, "", "",
            Clash(out + "/field.pdf", "die Vorlage", out + "/field.pdf")},
        {"a document as a report of its well", dir.file("feld.csv"), "", out + "/A/saturation.txt", "", "",
            keldo::FieldRowMessage(
                2, "document", Clash(out + "/A/saturation.txt", "die Eingabedatei", out + "/A/saturation.txt"))},
        {"a survey as another well's messages, spelled otherwise", dir.file("feld.csv"), "", good, "",
            out + "/./A/../B/messages.txt",
            keldo::FieldRowMessage(
                3, "survey", Clash(out + "/B/messages.txt", "die Eingabedatei", out + "/./A/../B/messages.txt"))},
        {"a LAS file that is a graph under another name", dir.file("feld.csv"), "", good, dir.file("hart.las"), "",
            keldo::FieldRowMessage(3, "las", Clash(out + "/B/contact.svg", "die Eingabedatei", dir.file("hart.las")))},
        {"inputs beside the outputs", dir.file("feld.csv"), out + "/vorlage.kld", out + "/A/eigenes.kld",
            out + "/B/B.las", "", ""},
    };
    for (const auto& c : cases) {
        keldo::FieldStudy study;
        study.path = c.fieldFile;
        study.wells = {Well(2, "A", c.document), Well(3, "B", good, c.las, c.survey)};
        const auto clash = keldo::FindStudyClash(out, study, c.templateFile);
        EXPECT_EQ(clash ? keldo::StudyClashMessage(*clash) : "", c.clash) << c.what;
    }
}

TEST(StudyOutputs, KeldoFieldRefusesAnOutputFolderThatHoldsItsFieldFile)
{
    ScratchFolder dir;
    fs::create_directories(dir.path() / "aus");
    const std::string csv = dir.file("aus/summary.csv");
    const std::string field = "well,document\nF-12," + GasExampleDocument() + "\n";
    WriteBytes(csv, field);
    keldo::FieldOptions options;
    options.fieldFile = csv;
    options.outDir = dir.file("aus");
    std::ostringstream progress;
    EXPECT_EQ(keldo::RunFieldCommand(options, progress), keldo::kFieldBadInput);
    EXPECT_EQ(progress.str(), Clash(csv, "die Felddatei", csv) + "\n");
    EXPECT_EQ(ReadBytes(csv), field);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"aus"});
}

TEST(StudyOutputs, LinksInTheOutputFolderAreReplacedNotFollowed)
{
    ScratchFolder dir, outside;
    WriteBytes(outside.file("precious.txt"), "kostbar\n");
    WriteBytes(outside.file("saturation.txt"), "fremder Bericht\n");
    const std::string out = dir.file("aus");
    fs::create_directories(out);
    // The folder of an earlier study, whose summary.csv now points at a file
    // outside and whose well's folder at a folder outside.
    WriteBytes(out + "/" + keldo::kStudyMarker, keldo::StudyMarkerText({"summary.csv", "F-12/saturation.txt"}));
    fs::create_symlink(outside.file("precious.txt"), out + "/summary.csv");
    fs::create_directory_symlink(outside.path(), out + "/F-12");
    WriteBytes(dir.file("feld.csv"), "well,document\nF-12," + GasExampleDocument() + "\n");
    keldo::FieldOptions options;
    options.fieldFile = dir.file("feld.csv");
    options.outDir = out;
    std::ostringstream progress;
    EXPECT_EQ(keldo::RunFieldCommand(options, progress), keldo::kFieldCompleted) << progress.str();

    EXPECT_EQ(ReadBytes(outside.file("precious.txt")), "kostbar\n");
    EXPECT_EQ(ReadBytes(outside.file("saturation.txt")), "fremder Bericht\n");
    EXPECT_EQ(outside.entries(), (std::vector<std::string>{"precious.txt", "saturation.txt"}));
    EXPECT_FALSE(fs::is_symlink(out + "/summary.csv"));
    EXPECT_FALSE(fs::is_symlink(out + "/F-12"));
    EXPECT_EQ(ReadBytes(out + "/summary.csv").rfind("well,", 0), 0u);
    EXPECT_TRUE(fs::is_regular_file(out + "/F-12/saturation.txt"));
}
