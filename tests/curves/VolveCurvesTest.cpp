// The curves of the three Volve wells against the reports of the runs with
// "Detailausgabe", as keldo-batch prepares the wells from their LAS files
// (the field example examples/volve-field.csv: survey, elevation from the
// header, the oil example's model, 3137 m for 15/9-F-11 B), written as LAS
// and read back by the program's own LAS reader.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "CurvesLas.h"
#include "DecimalNumber.h"
#include "KeldoDoc.h"
#include "LasReader.h"
#include "MeasurementCurves.h"
#include "MessageLog.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"
#include "WellPreparation.h"

namespace {

struct VolveWell {
    const char* name; // the files' name
    float contact;    // the field file's contact; 0: the model's 3027 m
    size_t lines;     // measurement lines (tests/data/volve/README.md)
};

// One well prepared with detail, computed in both modes.
struct Computed {
    std::vector<std::string> saturationReport;
    std::vector<std::string> contactRows; // m_Kontakte
    std::vector<std::string> contactReport;
    keldo::MeasurementCurves curves;
    std::vector<std::string> lines;
    CKeldoInputs inputs;
};

Computed Compute(const VolveWell& well)
{
    keldo::FieldTemplate model;
    std::string error;
    EXPECT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    keldo::WellInputs inputs;
    inputs.lasFile = VolveWellLas(well.name);
    inputs.surveyFile = VolveWellSurvey(well.name);
    inputs.elevation.reset();
    keldo::WellSettings settings;
    settings.detail = true;
    keldo::MessageLog log;
    CKeldoDoc doc(log);
    const keldo::WellPreparation prepared
        = keldo::PrepareWell({.inputs = inputs, .settings = settings, .model = &model}, doc, log);
    EXPECT_TRUE(prepared.Prepared());
    if (well.contact != 0)
        doc.m_fKontakt = well.contact;

    Computed out;
    out.curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
    out.lines = doc.m_Messwerte;
    out.inputs = doc;
    for (int modus : {0, 1}) {
        doc.m_nModus = modus;
        doc.m_bGeaendert = 1;
        doc.Compute();
        EXPECT_TRUE(doc.LastRunCompleted()) << modus;
        (modus == 0 ? out.saturationReport : out.contactReport) = doc.m_Ergebnisse;
    }
    out.contactRows = doc.m_Kontakte;
    return out;
}

// The table rows of the water-saturation report: the lines of five numbers.
std::vector<std::vector<std::string>> SaturationRows(const std::vector<std::string>& report)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : report) {
        float v[5];
        if (keldo::ScanFloats(line, v, 5) != 5)
            continue;
        std::istringstream words(line);
        std::vector<std::string> fields;
        for (std::string w; words >> w;)
            fields.push_back(w);
        rows.push_back(fields);
    }
    return rows;
}

double Number(const std::string& text)
{
    double v = 0;
    EXPECT_TRUE(keldo::ParseNumber(text, v)) << text;
    return v;
}

size_t Column(const keldo::LasLog& log, const char* mnemonic)
{
    for (size_t c = 0; c < log.header.curves.size(); ++c)
        if (log.header.curves[c].mnemonic == mnemonic)
            return c;
    ADD_FAILURE() << mnemonic;
    return 0;
}

const VolveWell kWells[] = {
    {"15_9-F-12", 0, 2647},
    {"15_9-F-11_A", 0, 1533},
    {"15_9-F-11_B", 3137, 13709},
};

} // namespace

TEST(VolveCurves, AreTheReportsNumbersAndReadBackFromLas)
{
    for (const VolveWell& well : kWells) {
        SCOPED_TRACE(well.name);
        const Computed c = Compute(well);
        const std::vector<keldo::CurveRow>& rows = c.curves.rows;
        // The depth window is the whole list.
        ASSERT_EQ(c.lines.size(), well.lines);
        ASSERT_EQ(rows.size(), well.lines);

        keldo::LasLog log;
        keldo::WellDataError error;
        std::istringstream las(keldo::CurvesLasText(c.curves, keldo::DepthReference::Tvdss));
        ASSERT_TRUE(keldo::ReadLas(las, keldo::KeepAllCurves(), log, error)) << error.Message();
        ASSERT_EQ(log.rows, rows.size());
        EXPECT_EQ(keldo::WellName(log.header), c.inputs.m_strBohrung);
        const auto& depth = log.values[Column(log, "TVDSS")];
        const auto& phi = log.values[Column(log, "PHI")];
        const auto& sw = log.values[Column(log, "SW")];
        const auto& modelSw = log.values[Column(log, "SW_MOD")];
        const auto& contact = log.values[Column(log, "CONTACT")];

        // Water saturation: every row of the window is listed with detail;
        // the model's Sw printed as the report prints it is the report's, and
        // the LAS value (5 decimals) rounds to it.
        const auto reportRows = SaturationRows(c.saturationReport);
        ASSERT_EQ(reportRows.size(), rows.size());
        for (size_t i = 0; i < rows.size(); ++i) {
            const keldo::CurveRow& row = rows[i];
            const std::vector<std::string>& r = reportRows[i];
            ASSERT_EQ(r[0], keldo::Format("%.1f", row.depth)) << i;
            ASSERT_EQ(r[2], keldo::Format("%.3f", row.modelSw)) << row.depth;
            ASSERT_LE(std::fabs(modelSw[i] - Number(r[2])), 0.0005 + 1e-9) << row.depth;
            // The measurement itself comes back as the line holds it.
            ASSERT_EQ(static_cast<float>(depth[i]), row.depth);
            ASSERT_EQ(static_cast<float>(phi[i]), row.porosity);
            ASSERT_EQ(static_cast<float>(sw[i]), row.sw);
        }

        // Contacts: the rows with a contact are the contact run's rows in
        // their order, each printed as the run prints it; with detail each
        // stands in the report; the LAS value (3 decimals) rounds to the
        // printed 0.1 m, and the others are NULL.
        size_t k = 0;
        size_t inReport = 0;
        for (size_t i = 0; i < rows.size(); ++i) {
            const keldo::CurveRow& row = rows[i];
            if (std::isnan(row.contact)) {
                ASSERT_TRUE(std::isnan(contact[i])) << row.depth;
                continue;
            }
            ASSERT_LT(k, c.contactRows.size());
            const std::string printed = keldo::Format(
                "  %7.3f %9.5f %13.5f %19.1f", row.depth, row.porosity, row.sw, row.contact);
            ASSERT_EQ(printed, c.contactRows[k]) << row.depth;
            while (inReport < c.contactReport.size() && c.contactReport[inReport] != printed)
                ++inReport;
            ASSERT_LT(inReport, c.contactReport.size()) << "not in the report: " << printed;
            ASSERT_LE(std::fabs(contact[i] - Number(keldo::Format("%.1f", row.contact))), 0.05 + 1e-9) << row.depth;
            ++k;
        }
        EXPECT_EQ(k, c.contactRows.size());
        EXPECT_GT(k, 100u);
    }
}
