#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "SaturationModel.h"
#include "TextFormat.h"
#include "VolveWell.h"

namespace {

// The default gas reservoir of the worked example (138 °C, PI 200 bar).
CKeldoInputs WorkedExampleInputs()
{
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    return in;
}

} // namespace

TEST(SaturationModel, ParametersFromTheInputsAloneEqualTheDocumentsAfterItsHeader)
{
    struct Row {
        const char* what;
        void (*set)(CKeldoInputs&);
    };
    const Row rows[] = {
        {"gas, worked example", [](CKeldoInputs&) {}},
        {"gas at 300 bar (the F-12 example)", [](CKeldoInputs& in) { in.m_fInitialdruck = 300; }},
        {"gas below 150 bar", [](CKeldoInputs& in) { in.m_fInitialdruck = 120; }},
        {"oil, F-11 A example", [](CKeldoInputs& in) { SetOilExampleParameters(in); }},
        {"constant permeability", [](CKeldoInputs& in) { in.m_bDruckabhaengig = 0; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        SetDefaultGasParameters(doc);
        row.set(doc);
        doc.ReportHeader();
        EXPECT_EQ(keldo::ModelParametersFor(doc), doc.Modell());
    }
}

TEST(SaturationModel, WorkedExampleWithoutADocument)
{
    // The worked example of the model: default coefficients, 138 °C, PI
    // 200 bar, contact 2000 m, porosity 0.2 (values as printed there).
    const keldo::ModelParameters p = keldo::ModelParametersFor(WorkedExampleInputs());
    EXPECT_NEAR(p.capillaryFactor, 0.1174, 0.00005);
    EXPECT_NEAR(p.fluidDensity, 103.1, 0.05);
    const keldo::CapillaryCurve curve = keldo::CurveFor(p, keldo::EffectivePermeabilityAt(p, 1950, 0.2f).k);
    EXPECT_NEAR(curve.k, 54.37, 0.005);
    EXPECT_NEAR(curve.swmin, 0.0811, 0.00005);
    EXPECT_NEAR(curve.alfa, 12.13, 0.005);

    struct Row {
        float depth;
        float sw;
        double tolerance;
    };
    const Row rows[] = {{1999, 0.953f, 0.0005}, {1950, 0.175f, 0.0005}, {1900, 0.124f, 0.0005},
        {1800, curve.swmin, 0.0005}, {2001, 1.0f, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.depth);
        EXPECT_NEAR(keldo::SaturationAtDepth(p, row.depth, 0.2f, 2000), row.sw, row.tolerance);
    }
}

TEST(SaturationModel, CapillaryPressureOfTheWorkedExample)
{
    // The worked example's curve at 1950 m (Phi 0.2, Keff 54.37 mD): Pcsperr
    // 0.671 bar and Pc max 141.7 bar in the mercury system; heights 0.83 m at
    // Sw = 1 and 2.71 m at Sw = 0.5 with the gas of 103.1 kg/m3 against water
    // of 1070 kg/m3 (values as printed there).
    const keldo::ModelParameters reservoir = keldo::ModelParametersFor(WorkedExampleInputs());
    keldo::ModelParameters mercury = reservoir;
    mercury.capillaryFactor = 1;
    const double k = keldo::EffectivePermeabilityAt(reservoir, 1950, 0.2f).k;
    const double weight = (1070 - 103.1) * 9.81 / 1e5; // bar per metre
    struct Row {
        const char* what;
        const keldo::ModelParameters* model;
        float sw; // < 0: Swmin
        double pc, tolerance;
    } rows[] = {
        {"mercury, threshold", &mercury, 1.0f, 0.671, 0.0005},
        {"mercury, Swmin", &mercury, -1, 141.7, 0.00001},
        {"reservoir, threshold", &reservoir, 1.0f, 0.83 * weight, 0.005 * weight},
        {"reservoir, Sw 0.5", &reservoir, 0.5f, 2.71 * weight, 0.005 * weight},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const keldo::CapillaryCurve curve = keldo::CurveFor(*row.model, k);
        const float sw = row.sw < 0 ? curve.swmin : row.sw;
        EXPECT_NEAR(keldo::CapillaryPressureAt(curve, sw), row.pc, row.tolerance);
        // The height is that pressure over the weight of the density difference.
        EXPECT_DOUBLE_EQ(
            keldo::HeightAboveContact(curve, sw).metres * curve.weight / 1e5, keldo::CapillaryPressureAt(curve, sw));
    }
}

TEST(SaturationModel, ConditionsComeBackAsFlags)
{
    struct Row {
        const char* what;
        float depth, phi, sw;
        float waterDensity;
        bool stressRaised, belowSwmin, noPermeability, noDensityDifference;
        double metres, tolerance;
    };
    // Heights of the worked example: 2.71 m for Sw 0.5, 175.4 m at Swmin; without
    // permeability the unconverted 141.7 bar: 141.7e5 / ((1070 - 103.1) · 9.81) m.
    const Row rows[] = {
        {"plain", 1950, 0.2f, 0.5f, 1070, false, false, false, false, 2.71, 0.005},
        {"0.1 bar effective stress", 870, 0.2f, 0.5f, 1070, true, false, false, false, 0, -1},
        {"below Swmin", 1950, 0.2f, 0.05f, 1070, false, true, false, false, 175.4, 0.05},
        {"no porosity", 1950, 0.0f, 0.5f, 1070, false, false, true, false, 1493.9, 0.5},
        {"water lighter than gas", 1950, 0.2f, 0.5f, 100, false, false, false, true, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CKeldoInputs in = WorkedExampleInputs();
        in.m_fWasserdichte = row.waterDensity;
        const keldo::ModelParameters p = keldo::ModelParametersFor(in);
        const keldo::EffectivePermeability keff = keldo::EffectivePermeabilityAt(p, row.depth, row.phi);
        const keldo::Height h = keldo::HeightAboveContact(keldo::CurveFor(p, keff.k), row.sw);
        EXPECT_EQ(keff.stressRaised, row.stressRaised);
        EXPECT_EQ(h.belowSwmin, row.belowSwmin);
        EXPECT_EQ(h.noPermeability, row.noPermeability);
        EXPECT_EQ(h.noDensityDifference, row.noDensityDifference);
        if (row.tolerance >= 0) {
            EXPECT_NEAR(h.metres, row.metres, row.tolerance);
        }
    }
}

TEST(SaturationModel, DocumentAndPlainFunctionsAgreeOnEveryRowOfARealWell)
{
    const std::vector<std::string> lines = ReadVolveWell("15_9-F-11_B.txt");
    ASSERT_EQ(lines.size(), 13709u);
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    SetOilExampleParameters(doc);
    doc.m_fKontakt = 3160; // the water leg of F-11 B starts about here
    doc.ReportHeader();
    const keldo::ModelParameters p = keldo::ModelParametersFor(doc);

    int transition = 0;
    for (const std::string& line : lines) {
        float v[3];
        ASSERT_EQ(keldo::ScanFloats(line, v, 3), 3) << line;
        const float sw = keldo::SaturationAtDepth(p, v[0], v[1], doc.m_fKontakt);
        ASSERT_EQ(sw, doc.SwInTeufe(v[0], v[1])) << line;
        ASSERT_EQ(keldo::PermeabilityFromPorosity(p, v[1]), doc.PermeabilitaetAusPhi(v[1])) << line;
        transition += sw < 1.0f && sw > keldo::MinimumWaterSaturation(p, doc.Keff(v[0], v[1]));
    }
    // The comparison covers the secant search, not only its two shortcuts.
    EXPECT_GT(transition, 1000);
    EXPECT_TRUE(box.shown.empty());
}
