// keldo-batch normalizing core capillary-pressure data before the other fits.
#include <gtest/gtest.h>

#include <filesystem>

#include "BatchFit.h"
#include "BatchRun.h"
#include "BatchTestRun.h"
#include "DocumentFile.h"
#include "DocumentFits.h"
#include "FileResultCheck.h"
#include "KeldoDoc.h"
#include "MeasurementLine.h"
#include "PcDocumentFit.h"
#include "PcFile.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

using keldo::BatchOptions;

namespace {

std::string CorePcExample() { return ExampleFile("core-pc/core-pc.csv"); }

// The ten coefficients and Pc max a document holds.
keldo::FittedCapillaryModel HeldBy(const std::string& document)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    EXPECT_TRUE(Succeeded(keldo::LoadDocument(document, doc)));
    return keldo::FittedCapillaryFrom(doc);
}

void ExpectSame(const keldo::FittedCapillaryModel& got, const keldo::FittedCapillaryModel& want)
{
    EXPECT_EQ(got.alfa, want.alfa);
    EXPECT_EQ(got.beta, want.beta);
    EXPECT_EQ(got.swmin, want.swmin);
    EXPECT_EQ(got.pcsperr, want.pcsperr);
    EXPECT_EQ(got.pcMax, want.pcMax);
}

} // namespace

// keldo-batch --fit-pc … --save-as saves what the normalization of capillary/
// gives for the same file and choices (the program's tab makes the same
// call), reports it first, and a contact fit of the same run uses it.
TEST(BatchPcFit, SavesTheFittedCoefficientsAndPcMax)
{
    ScratchFolder dir;
    const struct {
        const char* what;
        std::optional<float> pcMax;
        int alfaOrder;
        bool twoStep;
        bool fitContact;
    } cases[] = {
        {"the example as it comes", std::nullopt, 3, false, false},
        {"Pc max given, alfa of order 1, two-step", 150.0f, 1, true, false},
        {"with the contact fit after it", std::nullopt, 3, false, true},
    };
    const keldo::PcTableResult table = keldo::ReadPcFile(CorePcExample());
    ASSERT_TRUE(table.ok);
    RecordingMessageBox box;
    CKeldoDoc original(box);
    ASSERT_TRUE(Succeeded(keldo::LoadDocument(GasExampleDocument(), original)));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BatchOptions options;
        options.inputs.document = GasExampleDocument();
        options.pcFile = CorePcExample();
        options.pcMax = c.pcMax;
        options.alfaOrder = c.alfaOrder;
        options.pcTwoStep = c.twoStep;
        options.fitContact = c.fitContact;
        options.saveAs = dir.file("out.kld");
        const Outcome out = RunTool(options);
        ASSERT_EQ(out.status, keldo::kBatchCompleted) << out.messages;

        const keldo::PcDocumentFit want
            = keldo::FitPcForDocument(table.table, {c.pcMax, c.alfaOrder, c.twoStep}, CorePcExample(), original);
        ASSERT_TRUE(want.normalization.ok);
        EXPECT_EQ(want.normalization.refinedTaken, !c.twoStep);
        ExpectSame(HeldBy(options.saveAs), want.fitted);
        if (c.pcMax) {
            EXPECT_EQ(want.fitted.pcMax, *c.pcMax);
        }
        std::string report;
        for (const std::string& line : want.report)
            report += line + '\n';
        EXPECT_EQ(out.report.rfind(report, 0), 0u) << out.report;

        // The contact fitted with the new coefficients: what the saved
        // document's own inputs and lines give.
        RecordingMessageBox savedBox;
        CKeldoDoc saved(savedBox);
        ASSERT_TRUE(Succeeded(keldo::LoadDocument(options.saveAs, saved)));
        if (c.fitContact) {
            // keldo-batch's window without --min-depth and --max-depth.
            keldo::DepthWindowFromLines(saved.m_Messwerte, saved.m_fMinTeufe, saved.m_fMaxTeufe);
            const keldo::ContactFitResult contact = keldo::FitDocumentContact(saved, saved.m_Messwerte, std::nullopt);
            ASSERT_TRUE(contact.ok) << contact.message;
            EXPECT_EQ(saved.m_fKontakt, contact.contact);
            EXPECT_NE(saved.m_fKontakt, original.m_fKontakt);
        } else {
            EXPECT_EQ(saved.m_fKontakt, original.m_fKontakt);
        }
    }
}

#ifdef KELDO_GRAPH_EXPORT
TEST(BatchPcFit, WritesItsThreePages)
{
    ScratchFolder dir;
    BatchOptions options;
    options.inputs.document = GasExampleDocument();
    options.pcFile = CorePcExample();
    options.fitGraphFile = dir.file("kern.pdf");
    const Outcome out = RunTool(options);
    ASSERT_EQ(out.status, keldo::kBatchCompleted) << out.messages;
    EXPECT_EQ(dir.entries(), (std::vector<std::string>{"kern-pc.pdf", "kern-pcparam.pdf", "kern-shf.pdf"}));
    for (const std::string& name : dir.entries())
        EXPECT_EQ(ReadBytes(dir.file(name)).substr(0, 5), "%PDF-") << name;
}
#endif
