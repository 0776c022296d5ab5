#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "AllocationCounter.h"
#include "DocumentFileCheck.h"
#include "FormationTopsCheck.h"
#include "JsonSyntax.h"
#include "LasReaderCheck.h"
#include "MeasurementImport.h"
#include "MeasurementImportCheck.h"
#include "PcFileCheck.h"
#include "RecordingMessageBox.h"
#include "ResultsFileCheck.h"
#include "PressureReaderCheck.h"
#include "SurveyReaderCheck.h"

namespace fs = std::filesystem;
using keldo::fuzz::Violations;

namespace {

fs::path FuzzFolder()
{
    const char* source = std::getenv("KELDO_SOURCE_DIR");
    return fs::path(source ? source : ".") / "fuzz";
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The inputs of one folder, in name order; hidden files (.gitkeep) are not inputs.
std::vector<fs::path> Inputs(const fs::path& folder)
{
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
                files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

template <typename Check> size_t Replay(const fs::path& folder, Check check)
{
    const auto files = Inputs(folder);
    for (const auto& file : files) {
        const Violations found = check(ReadBytes(file));
        EXPECT_TRUE(found.empty()) << file.filename().string() << ":\n" << keldo::fuzz::Describe(found);
    }
    return files.size();
}

class FuzzReplay : public ::testing::TestWithParam<const char*> {
protected:
    Violations Check(const std::string& bytes) const
    {
        const std::string target = GetParam();
        if (target == "document_file")
            return keldo::fuzz::CheckDocumentFile(bytes);
        if (target == "measurement_import")
            return keldo::fuzz::CheckMeasurementImport(bytes);
        if (target == "las_reader")
            return keldo::fuzz::CheckLasReader(bytes);
        if (target == "survey_reader")
            return keldo::fuzz::CheckSurveyReader(bytes);
        if (target == "formation_tops")
            return keldo::fuzz::CheckFormationTops(bytes);
        if (target == "pc_file")
            return keldo::fuzz::CheckPcFile(bytes);
        if (target == "pressure_reader")
            return keldo::fuzz::CheckPressureReader(bytes);
        return keldo::fuzz::CheckResultsFile(bytes);
    }
};

} // namespace

TEST_P(FuzzReplay, SeedCorpusKeepsEveryRule)
{
    const size_t count
        = Replay(FuzzFolder() / "corpus" / GetParam(), [this](const std::string& bytes) { return Check(bytes); });
    EXPECT_GE(count, 10u) << "the seed corpus is missing";
}

// Every input a fuzz run found and kept; empty while nothing was found.
TEST_P(FuzzReplay, KeptFindingsKeepEveryRule)
{
    Replay(FuzzFolder() / "regressions" / GetParam(), [this](const std::string& bytes) { return Check(bytes); });
}

INSTANTIATE_TEST_SUITE_P(Readers, FuzzReplay,
    ::testing::Values("document_file", "measurement_import", "results_file", "las_reader", "survey_reader",
        "formation_tops", "pc_file",
        "pressure_reader"));

// The file form of the import reads what the stream form reads.
TEST(FuzzReplayFiles, MeasurementFileImportMatchesTheStream)
{
    for (const auto& file : Inputs(FuzzFolder() / "corpus" / "measurement_import")) {
        RecordingMessageBox fromFile, fromStream;
        std::vector<std::string> fileLines, streamLines;
        const bool fileOk = keldo::ImportMeasurementFile(file.string(), true, fromFile, fileLines);
        std::istringstream in(ReadBytes(file));
        const bool streamOk = keldo::ImportMeasurementStream(in, true, fromStream, streamLines);
        EXPECT_EQ(fileOk, streamOk) << file;
        EXPECT_EQ(fileLines, streamLines) << file;
        EXPECT_EQ(fromFile.shown, fromStream.shown) << file;
    }
}

// The budget checks rest on the counter: it must see what a reader asks for,
// or a "reserve(count)" from a corrupted file would pass unnoticed.
TEST(AllocationScope, CountsEveryRequestInsideTheScope)
{
    std::vector<std::string> lines;
    keldo::fuzz::AllocationScope scope;
    lines.reserve(100000);
    lines.emplace_back(1000, 'x');
    EXPECT_GE(scope.TotalBytes(), 100000 * sizeof(std::string) + 1000);
    EXPECT_EQ(scope.LargestRequest(), 100000 * sizeof(std::string));
    EXPECT_EQ(scope.Requests(), 2u);
}

TEST(AllocationScope, InnerScopeCountsOnlyItsOwnButOuterSeesAll)
{
    keldo::fuzz::AllocationScope outer;
    auto first = std::make_unique<char[]>(4000);
    size_t inner = 0;
    {
        keldo::fuzz::AllocationScope scope;
        auto second = std::make_unique<char[]>(300);
        inner = scope.TotalBytes();
    }
    EXPECT_EQ(inner, 300u);
    EXPECT_EQ(outer.TotalBytes(), 4300u);
    EXPECT_EQ(outer.LargestRequest(), 4000u);
}
