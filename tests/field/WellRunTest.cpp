// One well of a field study gives, for its document, the reports keldo-batch
// prints, and a summary row of the numbers in them.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "BatchRun.h"
#include "DocumentFile.h"
#include "FieldFile.h"
#include "ContactQuantiles.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"
#include "WellRun.h"

using keldo::BatchOptions;
using keldo::FieldWell;

namespace {

std::string Text(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

std::string Batch(BatchOptions options, int modus, bool detail = false)
{
    options.settings.modus = modus;
    options.settings.detail = detail;
    std::ostringstream report, messages;
    EXPECT_EQ(keldo::RunBatch(options, report, messages), keldo::kBatchCompleted) << messages.str();
    return report.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// The number after the colon of the report line that begins with `label`
// in the block of `heading` ("  Bei Porositäten größer als  6.0 Prozent").
std::string ReportNumber(const std::string& report, const std::string& heading, const std::string& label)
{
    const size_t block = report.find(heading);
    const size_t at = report.find(label, block);
    if (block == std::string::npos || at == std::string::npos)
        return "";
    const size_t colon = report.find(':', at + label.size() - 1);
    std::string number = report.substr(colon + 1, report.find('\n', colon) - colon - 1);
    return number.substr(number.find_first_not_of(' '));
}

struct WellCase {
    const char* what;
    FieldWell well;
    float settingsCutoff;
    BatchOptions batch; // keldo-batch's options for the same document
};

FieldWell LasWell(const std::string& name, const std::string& file)
{
    FieldWell well;
    well.name = name;
    well.inputs.lasFile = VolveWellLas(file);
    well.inputs.surveyFile = VolveWellSurvey(file);
    well.inputs.elevation.reset();
    return well;
}

BatchOptions LasBatch(const std::string& file, const std::string& document)
{
    BatchOptions options;
    options.inputs.document = document;
    options.inputs.lasFile = VolveWellLas(file);
    options.inputs.surveyFile = VolveWellSurvey(file);
    options.inputs.elevation.reset();
    return options;
}

} // namespace

TEST(WellRun, ReportsAreThoseOfKeldoBatchForTheWellsDocument)
{
    ScratchFolder dir;
    keldo::FieldTemplate model;
    std::string error;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;

    // The document of a row with a contact of its own: the template with
    // that contact, as the user would save it for keldo-batch.
    RecordingMessageBox box;
    CKeldoDoc withContact(box);
    ASSERT_TRUE(keldo::LoadDocument(OilExampleDocument(), withContact));
    withContact.m_fKontakt = 3137;
    const std::string blockTemplate = dir.file("F-11B-Block.kld");
    ASSERT_TRUE(keldo::SaveDocument(blockTemplate, withContact));

    std::vector<WellCase> cases;
    {
        WellCase c{"LAS well with the template, the study's cut-off", LasWell("15/9-F-11 A", "15_9-F-11_A"), 0.06f,
            LasBatch("15_9-F-11_A", OilExampleDocument())};
        cases.push_back(c);
    }
    {
        WellCase c{"LAS well with a contact of its own", LasWell("15/9-F-11 B", "15_9-F-11_B"), 0.06f,
            LasBatch("15_9-F-11_B", blockTemplate)};
        c.well.contact = 3137.0f;
        cases.push_back(c);
    }
    {
        WellCase c{"LAS well with named curves, elevation and the study's cut-off 0.08",
            LasWell("15/9-F-12", "15_9-F-12"), 0.08f, LasBatch("15_9-F-12", OilExampleDocument())};
        c.well.inputs.porosityCurve = c.batch.inputs.porosityCurve = "PHIF";
        c.well.inputs.swCurve = c.batch.inputs.swCurve = "SW";
        c.well.inputs.elevation = c.batch.inputs.elevation = 54.9;
        c.batch.settings.cutoff = 0.08f;
        cases.push_back(c);
    }
    {
        WellCase c{"a document of its own with the row's cut-off", FieldWell{}, 0.06f, BatchOptions{}};
        c.well.name = "15/9-F-12 Gas";
        c.well.inputs.document = c.batch.inputs.document = GasExampleDocument();
        c.well.cutoff = c.batch.settings.cutoff = 0.1f;
        cases.push_back(c);
    }

    for (const WellCase& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::FieldSettings settings;
        settings.cutoff = c.settingsCutoff;
        const keldo::WellOutcome out = keldo::RunWell(c.well, &model, settings);
        ASSERT_EQ(out.summary.status, keldo::WellStatus::Completed) << out.summary.message;
        const std::string saturation = Batch(c.batch, 0), contact = Batch(c.batch, 1);
        EXPECT_EQ(Text(out.saturationReport), saturation);
        EXPECT_EQ(Text(out.contactReport), contact);

        // The summary's classes are the contact report's numbers.
        const keldo::WellSummary& s = out.summary;
        for (int k = 0; k < 3; ++k) {
            const keldo::ContactClass& klasse = s.classes[static_cast<size_t>(k)];
            const float cutoff = c.well.cutoff.value_or(settings.cutoff);
            const std::string heading = keldo::Format(
                "  Bei Porositäten größer als %4.1f Prozent", static_cast<double>(100 * cutoff + 2 * k));
            EXPECT_EQ(keldo::Format("%.1f", double(klasse.min)), ReportNumber(contact, heading, "  Minimaler"));
            EXPECT_EQ(keldo::Format("%.1f", double(klasse.max)), ReportNumber(contact, heading, "  Maximaler"));
            EXPECT_EQ(keldo::Format("%.1f", double(klasse.mean)),
                ReportNumber(
                    contact, heading, keldo::Format("  Mittlerer Gas-Wasser-Kontakt mit %d Werten", klasse.count)));
        }
        // The assumed contact is the one in the reports' header.
        const size_t at = saturation.find("-Wasser-Kontakt ");
        ASSERT_NE(at, std::string::npos);
        const std::string header = saturation.substr(at, saturation.find('\n', at) - at);
        EXPECT_EQ(header.substr(header.size() - 10), keldo::Format("%10.2f", double(s.contact)));
    }
}

// The RMS and the quantiles, worked out again from the reports with every
// row ("Detailausgabe"): the rows at or above the cut-off, Sw as printed.
TEST(WellRun, RmsAndQuantilesAgreeWithTheDetailedReports)
{
    keldo::FieldTemplate model;
    std::string error;
    ASSERT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    for (const char* file : {"15_9-F-11_A", "15_9-F-12"}) {
        SCOPED_TRACE(file);
        const FieldWell well = LasWell(file, file);
        const keldo::WellOutcome out = keldo::RunWell(well, &model, {});
        ASSERT_EQ(out.summary.status, keldo::WellStatus::Completed);
        const BatchOptions batch = LasBatch(file, OilExampleDocument());

        // The measurement lines of the well's document, row by row beside
        // the detailed saturation rows.
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        std::ostringstream messages;
        ASSERT_EQ(keldo::PrepareBatchWell(batch, doc, box, messages), keldo::kBatchCompleted);
        std::vector<std::string> rows;
        for (const std::string& line : Lines(Batch(batch, 0, true))) {
            float v[5];
            if (line.size() == 51 && keldo::ScanFloats(line, v, 5) == 5)
                rows.push_back(line);
        }
        ASSERT_EQ(rows.size(), doc.m_Messwerte.size());
        double sum = 0;
        int n = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            float m[3], r[5];
            keldo::ScanFloats(doc.m_Messwerte[i], m, 3);
            keldo::ScanFloats(rows[i], r, 5);
            if (m[1] < doc.m_fCutoff)
                continue;
            sum += (double(r[2]) - double(m[2])) * (double(r[2]) - double(m[2]));
            ++n;
        }
        EXPECT_EQ(out.summary.rmsRows, n);
        EXPECT_NEAR(out.summary.rms, std::sqrt(sum / n), 5e-4); // Sw printed to 3 decimals

        // Every contact row of the detailed contact report is one of the
        // first class (the statistics admit them all here).
        std::vector<double> contacts;
        bool inTable = false;
        for (const std::string& line : Lines(Batch(batch, 1, true))) {
            if (line.find("Wassersaettigungsprofil") != std::string::npos)
                break;
            float v[4];
            if (inTable && keldo::ScanFloats(line, v, 4) == 4)
                contacts.push_back(v[3]);
            inTable = inTable || line == "     (M)        (-)           (-)                (M)";
        }
        ASSERT_EQ(static_cast<int>(contacts.size()), out.summary.classes[0].count);
        std::sort(contacts.begin(), contacts.end());
        EXPECT_DOUBLE_EQ(out.summary.p10, keldo::Quantile(contacts, 0.1));
        EXPECT_DOUBLE_EQ(out.summary.median, keldo::Quantile(contacts, 0.5));
        EXPECT_DOUBLE_EQ(out.summary.p90, keldo::Quantile(contacts, 0.9));
    }
}
