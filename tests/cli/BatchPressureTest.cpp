// keldo-batch --fit-pressure: the free-water level from a pressure file as
// the run's contact, or beside the contact fitted from the logs.
#include <gtest/gtest.h>

#include <filesystem>

#include "BatchTestRun.h"
#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "KeldoDoc.h"
#include "PressureEvaluation.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "TextFormat.h"

using keldo::BatchOptions;

namespace {

// The synthetic example of the gas well (scripts/make-pressure-example):
// stated level 2940.00 m, errors within ±0.03 bar.
std::string ExamplePressures() { return ExampleFile("pressure/F-12-pressures.csv"); }
constexpr double kStatedLevel = 2940.0;

// The value of a report line "  Label   (unit):   value", by its label.
double ValueOf(const std::string& report, const std::string& label)
{
    const size_t at = report.find("  " + label + " ");
    EXPECT_NE(at, std::string::npos) << label;
    if (at == std::string::npos)
        return 0;
    const size_t colon = report.find("):", at);
    return std::stod(report.substr(colon + 2, report.find('\n', colon) - colon - 2));
}

} // namespace

TEST(BatchPressure, TheLevelIsTheContactUnlessTheLogsGiveOne)
{
    const struct Case {
        const char* what;
        bool fitContact;
    } cases[] = {{"pressures only: the level is the contact", false},
        {"with --fit-contact: both printed, the log fit's contact used", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.pressureFile = ExamplePressures();
        options.fitContact = c.fitContact;
        options.saveAs = dir.file("gespeichert.kld");
        const Outcome out = RunTool(options);
        ASSERT_EQ(out.status, keldo::kBatchCompleted) << out.messages;

        // The block comes before the report, the fit's report before the block.
        const size_t block = out.report.find("  FREIES WASSERNIVEAU AUS FORMATIONSDRÜCKEN\n");
        const size_t report = out.report.find("  BERECHNUNG DER WASSERSAETTIGUNG");
        ASSERT_NE(block, std::string::npos);
        ASSERT_NE(report, std::string::npos);
        EXPECT_LT(block, report);
        EXPECT_EQ(out.report.find("ANPASSUNG DES GAS-WASSER-KONTAKTES") < block, c.fitContact);

        const double level = ValueOf(out.report, "Freies Wasserniveau");
        EXPECT_NEAR(level, kStatedLevel, 0.5);
        EXPECT_LE(ValueOf(out.report, "P90 (flacher)"), level);
        EXPECT_GE(ValueOf(out.report, "P10 (tiefer)"), level);
        const double used = ValueOf(out.report.substr(report), "Gas-Wasser-Kontakt");

        RecordingMessageBox box;
        CKeldoDoc saved(box);
        ASSERT_TRUE(Succeeded(keldo::LoadDocument(options.saveAs, saved)));
        EXPECT_FLOAT_EQ(saved.m_fKontakt, static_cast<float>(used));
        if (!c.fitContact) {
            EXPECT_EQ(keldo::Format("%.2f", used), keldo::Format("%.2f", level));
            EXPECT_EQ(out.report.find("aus den Logs"), std::string::npos);
            continue;
        }
        const double fitted = ValueOf(out.report, "Angepasster Gas-Wasser-Kontakt");
        EXPECT_EQ(keldo::Format("%.2f", used), keldo::Format("%.2f", fitted));
        EXPECT_EQ(keldo::Format("%.2f", ValueOf(out.report, "Gas-Wasser-Kontakt aus den Logs")),
            keldo::Format("%.2f", fitted));
        EXPECT_NEAR(ValueOf(out.report, "Freies Wasserniveau - Kontakt"), level - fitted, 0.0051);
    }
}

#ifdef KELDO_GRAPH_EXPORT
TEST(BatchPressure, TheFitGraphGetsAPressurePage)
{
    const struct Case {
        bool fitContact;
        std::vector<std::string> files;
    } cases[] = {{false, {"druck.csv", "fit-druck.png"}}, {true, {"druck.csv", "fit-druck.png", "fit.png"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fitContact);
        ScratchFolder dir;
        std::filesystem::copy_file(ExamplePressures(), dir.file("druck.csv"));
        BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.pressureFile = dir.file("druck.csv");
        options.fitContact = c.fitContact;
        options.fitGraphFile = dir.file("fit.png");
        const Outcome out = RunTool(options);
        ASSERT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
        EXPECT_EQ(dir.entries(), c.files);
        EXPECT_GT(std::filesystem::file_size(dir.file("fit-druck.png")), 1000u);
    }
}
#endif
