// Where the runs give no value the curves give none either, and the net and
// pay flags follow their cut-offs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "MeasurementCurves.h"
#include "MeasurementLine.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

namespace {

std::vector<std::string> Lines(const std::vector<std::array<float, 3>>& values)
{
    std::vector<std::string> lines;
    for (const auto& v : values)
        lines.push_back(keldo::FormatMeasurementLine(v[0], v[1], v[2]));
    return lines;
}

// Rows of the water-saturation report with detail: the lines of five numbers.
size_t SaturationReportRows(const std::vector<std::string>& report)
{
    size_t n = 0;
    for (const std::string& line : report) {
        float v[5];
        n += keldo::ScanFloats(line, v, 5) == 5;
    }
    return n;
}

} // namespace

// The default gas model with PI 200 bar: the pore pressure reaches 0.23 bar/m
// of overburden at 869.565 m. The water-saturation run tests it inside the
// window (and stops where 0.23·TVD ≤ PI), the contact run at every line
// (and stops where 0.23·TVD < PI); each gives no value from there on. The
// runs themselves, with detail, are the reference: as many report rows and
// contact rows as the curves have values.
TEST(MeasurementCurves, ValuesEndWhereTheRunsStop)
{
    const struct Case {
        const char* what;
        std::vector<std::array<float, 3>> lines;
        float minDepth, maxDepth;
        float oilDensity; // 0: gas
        std::vector<bool> modelSw, contact; // per row of the window: a value
    } cases[] = {
        {"depths falling to below the limit: both stop at 860 m",
            {{900, 0.2f, 0.5f}, {880, 0.2f, 0.5f}, {870, 0.2f, 0.5f}, {860, 0.2f, 0.5f}, {850, 0.2f, 0.5f}}, 850, 900,
            0, {true, true, true, false, false}, {true, true, true, false, false}},
        {"a shallow line outside the window stops the contact run only",
            {{850, 0.2f, 0.5f}, {870, 0.2f, 0.5f}, {880, 0.2f, 0.5f}, {900, 0.2f, 0.5f}}, 870, 900, 0,
            {true, true, true}, {false, false, false}},
        {"no stop: rows without a contact are unusable or below the cut-off",
            {{1900, 0.2f, 1.0f}, {1901, 0.03f, 0.5f}, {1902, 0.2f, 0.5f}, {1903, 0.2f, 0.01f}}, 1900, 1903, 0,
            {true, true, true, true}, {false, false, true, false}},
        {"oil denser than water: neither run computes",
            {{1900, 0.2f, 0.5f}, {1901, 0.2f, 0.5f}}, 1900, 1901, 1100, {false, false}, {false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        SetDefaultGasParameters(doc);
        if (c.oilDensity > 0) {
            doc.m_nFluid = 1;
            doc.m_fDichteKW = c.oilDensity;
        }
        doc.m_fKontakt = 1950;
        doc.m_fMinTeufe = c.minDepth;
        doc.m_fMaxTeufe = c.maxDepth;
        doc.m_bDetail = 1;
        doc.m_Messwerte = Lines(c.lines);
        const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
        ASSERT_EQ(curves.rows.size(), c.modelSw.size());
        size_t withSw = 0, withContact = 0;
        for (size_t i = 0; i < curves.rows.size(); ++i) {
            EXPECT_EQ(!std::isnan(curves.rows[i].modelSw), c.modelSw[i]) << curves.rows[i].depth;
            EXPECT_EQ(!std::isnan(curves.rows[i].contact), c.contact[i]) << curves.rows[i].depth;
            withSw += !std::isnan(curves.rows[i].modelSw);
            withContact += !std::isnan(curves.rows[i].contact);
        }
        doc.m_nModus = 0;
        doc.Compute();
        EXPECT_EQ(SaturationReportRows(doc.m_Ergebnisse), withSw);
        doc.m_nModus = 1;
        doc.Compute();
        EXPECT_EQ(doc.m_Kontakte.size(), withContact);
    }
}

// Net: porosity at or above the document's cut-off and, with a shale curve,
// Vsh at or below its cut-off (a row without Vsh is not net). Pay: net and
// Sw from the log at or below the Sw cut-off, compared as the log's single
// precision values.
TEST(MeasurementCurves, NetAndPayFollowTheirCutoffs)
{
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const struct Case {
        const char* what;
        float phi, sw;
        bool shaleCurve;
        double vsh;
        float swCutoff;
        bool net, pay;
    } cases[] = {
        {"porosity at the cut-off", 0.06f, 0.2f, false, kNone, 0.5f, true, true},
        {"porosity just below it", 0.05999f, 0.2f, false, kNone, 0.5f, false, false},
        {"Sw at the Sw cut-off", 0.2f, 0.3f, false, kNone, 0.3f, true, true},
        {"Sw just above it", 0.2f, 0.30001f, false, kNone, 0.3f, true, false},
        {"Vsh at its cut-off", 0.2f, 0.2f, true, 0.4, 0.5f, true, true},
        {"Vsh above it", 0.2f, 0.2f, true, 0.41, 0.5f, false, false},
        {"no Vsh value on a shale curve", 0.2f, 0.2f, true, kNone, 0.5f, false, false},
        {"a Vsh without a shale curve is not asked", 0.2f, 0.2f, false, 0.9, 0.5f, true, true},
        {"wet rock is net but no pay", 0.25f, 0.9f, false, kNone, 0.5f, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CKeldoInputs in;
        SetDefaultGasParameters(in);
        in.m_fKontakt = 1950;
        in.m_fMinTeufe = 1900;
        in.m_fMaxTeufe = 1900;
        // A line outside the window first: the shale values go by line.
        const std::vector<std::string> lines = Lines({{1800, 0.1f, 0.1f}, {1900, c.phi, c.sw}});
        const std::vector<double> shale{0.0, c.vsh};
        keldo::CurveRequest request{in, lines, c.shaleCurve ? &shale : nullptr};
        request.swCutoff = c.swCutoff;
        const keldo::MeasurementCurves curves = keldo::ComputeCurves(request);
        ASSERT_EQ(curves.rows.size(), 1u);
        EXPECT_EQ(curves.rows[0].line, 1u);
        EXPECT_EQ(curves.rows[0].net, c.net);
        EXPECT_EQ(curves.rows[0].pay, c.pay);
    }
}

// What a row holds besides the runs' values: the model's Keff and Swmin at
// the measurement and its height above the assumed contact.
TEST(MeasurementCurves, RowHoldsTheModelAtTheMeasurement)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    SetDefaultGasParameters(doc);
    doc.m_fKontakt = 2000;
    doc.m_fMinTeufe = 1900;
    doc.m_fMaxTeufe = 2100;
    doc.m_Messwerte = Lines({{1950, 0.2f, 0.3f}, {2010, 0.2f, 0.9f}});
    const keldo::MeasurementCurves curves = keldo::ComputeCurves({doc, doc.m_Messwerte});
    ASSERT_EQ(curves.rows.size(), 2u);
    doc.ReportHeader();
    // The worked example of the model: Phi 0.2 at 1950 m gives Keff ≈ 54.37 mD,
    // Swmin ≈ 0.0811 and, 50 m above a contact at 2000 m, Sw ≈ 0.175.
    EXPECT_NEAR(curves.rows[0].keff, 54.37, 0.01);
    EXPECT_NEAR(curves.rows[0].swmin, 0.0811, 0.0001);
    EXPECT_NEAR(curves.rows[0].modelSw, 0.175, 0.001);
    EXPECT_EQ(curves.rows[0].heightAboveContact, 50.0);
    // Below the contact: full water saturation, a negative height.
    EXPECT_EQ(curves.rows[1].modelSw, 1.0f);
    EXPECT_EQ(curves.rows[1].heightAboveContact, -10.0);
    for (const keldo::CurveRow& row : curves.rows) {
        EXPECT_EQ(row.keff, doc.Keff(row.depth, row.porosity));
        EXPECT_EQ(row.swmin, doc.Swmin(row.keff));
        EXPECT_EQ(row.modelSw, doc.SwInTeufe(row.depth, row.porosity));
        EXPECT_EQ(row.contact, row.depth + doc.HoeheUeberKontakt(row.depth, row.keff, row.sw));
    }
}
