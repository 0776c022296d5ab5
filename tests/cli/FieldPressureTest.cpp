// keldo-field with a pressure column: the well's pressure.txt is the block
// keldo-batch --fit-pressure prints, summary.csv stays as it is, and a
// pressure file that gives no level leaves the well's other results.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "BatchTestRun.h"
#include "FieldCommand.h"
#include "FieldFile.h"
#include "ScratchFolder.h"
#include "TextFormat.h"
#include "WellRun.h"

namespace fs = std::filesystem;

namespace {

// The synthetic example of the gas well (scripts/make-pressure-example):
// stated level 2940.00 m, errors within ±0.03 bar.
std::string ExamplePressures() { return ExampleFile("pressure/F-12-pressures.csv"); }
constexpr double kStatedLevel = 2940.0;

struct FieldRun {
    int status;
    std::string progress;
};

// keldo-field without graphs on `rows` (after the header `header`).
FieldRun Field(const ScratchFolder& dir, const std::string& out, const std::string& header, const std::string& rows)
{
    WriteBytes(dir.file("feld.csv"), header + "\n" + rows);
    keldo::FieldOptions options;
    options.fieldFile = dir.file("feld.csv");
    options.outDir = out;
    options.jobs = 1;
    std::ostringstream progress;
    const int status = keldo::RunFieldCommand(options, progress);
    return {status, progress.str()};
}

std::string LastLine(const std::string& text)
{
    const size_t end = text.find_last_not_of('\n');
    const size_t start = text.rfind('\n', end);
    return text.substr(
        start == std::string::npos ? 0 : start + 1, end - (start == std::string::npos ? 0 : start + 1) + 1);
}

// Gas 2860-2930 m (0.0144 bar/m) and `waterPoints` water points from 2950 m
// (0.105 bar/m), meeting at 2940 m, 305 bar.
std::string Points(int waterPoints)
{
    std::string text = "well;depth;pressure;fluid\n";
    for (int d = 2860; d <= 2930; d += 10)
        text += keldo::Format("15/9-F-12;%d;%.4f;gas\n", d, 305 + 0.0144 * (d - 2940));
    for (int i = 0; i < waterPoints; ++i)
        text += keldo::Format("15/9-F-12;%d;%.4f;water\n", 2950 + 10 * i, 305 + 0.105 * (10 + 10 * i));
    return text;
}

} // namespace

TEST(FieldPressure, PressureTxtIsKeldoBatchsBlock)
{
    ScratchFolder dir;
    const FieldRun run = Field(dir, dir.file("mit"), "well,document,pressure",
        "F-12," + GasExampleDocument() + "," + ExamplePressures() + "\n");
    ASSERT_EQ(run.status, keldo::kFieldCompleted) << run.progress;
    const std::string block = ReadBytes(dir.file("mit/F-12/pressure.txt"));
    ASSERT_FALSE(block.empty());

    keldo::BatchOptions options;
    options.inputs.document = GasExampleDocument();
    options.pressureFile = ExamplePressures();
    const Outcome batch = RunTool(options);
    ASSERT_EQ(batch.status, keldo::kBatchCompleted) << batch.messages;
    // The block, then the report of the run with the level as its contact.
    EXPECT_EQ(batch.report.substr(0, block.size()), block);
    EXPECT_EQ(batch.report.compare(block.size(), 1, "\n"), 0) << batch.report.substr(block.size(), 200);

    // Everything else as without the pressure file.
    ASSERT_EQ(Field(dir, dir.file("ohne"), "well,document", "F-12," + GasExampleDocument() + "\n").status,
        keldo::kFieldCompleted);
    for (const char* file : {"summary.csv", "netpay.csv", "F-12/saturation.txt", "F-12/contact.txt", "F-12/curves.las"})
        EXPECT_EQ(ReadBytes(dir.file(std::string("mit/") + file)), ReadBytes(dir.file(std::string("ohne/") + file)))
            << file;
    EXPECT_FALSE(fs::exists(dir.file("ohne/F-12/pressure.txt")));
}

// The level goes with the well's outcome for the chart, as the block prints it.
TEST(FieldPressure, TheLevelTravelsWithTheOutcome)
{
    keldo::FieldStudy study;
    std::string error;
    ASSERT_TRUE(
        keldo::ParseFieldFile("well,document,pressure\nF-12," + GasExampleDocument() + "," + ExamplePressures() + "\n",
            "f.csv", study, error))
        << error;
    const keldo::WellOutcome out = keldo::RunWell(study.wells.at(0), nullptr, {});
    ASSERT_TRUE(out.summary.freeWaterLevel);
    ASSERT_TRUE(out.pressure);
    // The stated level lies in the fitted level's P90-P10 band.
    EXPECT_LE(out.pressure->level.p90, kStatedLevel);
    EXPECT_GE(out.pressure->level.p10, kStatedLevel);
    EXPECT_EQ(*out.summary.freeWaterLevel, keldo::LevelAsContact(out.pressure->level));
    EXPECT_FALSE(out.summary.pressureFailed);
}

// A pressure file that gives no level: the well's other files and the
// summary stand, pressure.txt is not written, its messages say why (row and
// column), and keldo-field ends with 1 as for a row it cannot use.
TEST(FieldPressure, ABadPressureFileLeavesTheRest)
{
    const struct Case {
        const char* what;
        std::string text; // empty: no file
        const char* message;
    } cases[] = {
        {"no such file", "", "Zeile 2, Spalte pressure: ABBRUCH!!Druckdatei "},
        {"a pressure that is no number", "depth;pressure\n2900;2,9O\n",
            "Zeile 2, Spalte pressure: ABBRUCH!!Druckdatei "},
        {"two water points", Points(2),
            "Zeile 2, Spalte pressure: ABBRUCH!!Für den Wassergradienten gibt es nur 2 Druckpunkte"},
    };
    ScratchFolder dir;
    const std::string wells = "F-12," + GasExampleDocument() + ",%s\nzweite," + GasExampleDocument() + ",\n";
    ASSERT_EQ(Field(dir, dir.file("ohne"), "well,document,pressure", keldo::Format(wells.c_str(), "")).status,
        keldo::kFieldCompleted);
    ASSERT_EQ(
        Field(dir, dir.file("gut"), "well,document,pressure", keldo::Format(wells.c_str(), ExamplePressures().c_str()))
            .status,
        keldo::kFieldCompleted);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string pressures = dir.file("druck.csv");
        fs::remove(pressures);
        if (!c.text.empty())
            WriteBytes(pressures, c.text);
        const std::string out = dir.file("aus");
        const FieldRun run = Field(dir, out, "well,document,pressure", keldo::Format(wells.c_str(), pressures.c_str()));
        EXPECT_EQ(run.status, keldo::kFieldUnreadable) << run.progress;
        EXPECT_NE(run.progress.find("F-12: "), std::string::npos);
        EXPECT_NE(run.progress.find(", Druckdatei nicht verwendbar"), std::string::npos) << run.progress;
        EXPECT_EQ(ReadBytes(out + "/summary.csv"), ReadBytes(dir.file("ohne/summary.csv")));
        for (const char* file : {"F-12/saturation.txt", "F-12/contact.txt", "F-12/curves.las", "zweite/contact.txt"})
            EXPECT_EQ(ReadBytes(out + "/" + file), ReadBytes(dir.file(std::string("gut/") + file))) << file;
        EXPECT_FALSE(fs::exists(out + "/F-12/pressure.txt"));
        const std::string last = LastLine(ReadBytes(out + "/F-12/messages.txt"));
        EXPECT_EQ(last.rfind(c.message, 0), 0u) << last;
    }
}
