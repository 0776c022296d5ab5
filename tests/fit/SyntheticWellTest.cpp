// Fitting back a well made from the model itself.
//
// How the data are made: the dialog's default parameter set for gas (the
// worked examples' reservoir, PI 200 bar) with a curved Phi-K relation
// log10(K) = -3.5 + 35·φ - 40·φ² and the gas-water contact at 2000 m. Rows
// every 0.5 m from 1850 to 2010 m TVD, porosity 0.10 to 0.26 from a fixed
// sequence of the generator below. Sw is what the document's own SwInTeufe
// gives for that contact, written as a measurement line (5 decimals); K is
// the relation's value at the row's porosity, as a permeability log holds it.
// The noisy well adds to every Sw an even spread within ±0.02 from the same
// generator (kept within 0..1).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "DefaultParameters.h"
#include "SaturationRunMisfit.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "PhiKFit.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"

namespace {

constexpr double kPhiK[3] = {-3.5, 35.0, -40.0};
constexpr float kContact = 2000;

// SplitMix64: the same numbers with every compiler and standard library.
class FixedSequence {
public:
    explicit FixedSequence(std::uint64_t seed) : m_state(seed) {}
    // Evenly spread in [0, 1).
    double Next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

private:
    std::uint64_t m_state;
};

struct SyntheticWell {
    CKeldoInputs inputs;
    std::vector<std::string> lines;
    std::vector<keldo::PhiKSample> samples;
};

SyntheticWell MakeWell(double swNoise)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    SetDefaultGasParameters(doc);
    doc.m_fPhiK0 = static_cast<float>(kPhiK[0]);
    doc.m_fPhiK1 = static_cast<float>(kPhiK[1]);
    doc.m_fPhiK2 = static_cast<float>(kPhiK[2]);
    doc.m_fKontakt = kContact;
    doc.m_fMinTeufe = 1800;
    doc.m_fMaxTeufe = 2100;
    doc.ReportHeader();

    SyntheticWell well;
    FixedSequence porosity(11), noise(12);
    for (int i = 0; i <= 320; ++i) {
        const float depth = 1850.0f + 0.5f * static_cast<float>(i);
        const auto phi = static_cast<float>(0.10 + 0.16 * porosity.Next());
        double sw = doc.SwInTeufe(depth, phi);
        if (swNoise > 0)
            sw = std::clamp(sw + swNoise * (2 * noise.Next() - 1), 1e-5, 1.0);
        well.lines.push_back(keldo::FormatMeasurementLine(depth, phi, static_cast<float>(sw)));
        well.samples.push_back({depth, phi, std::pow(10.0, kPhiK[0] + kPhiK[1] * phi + kPhiK[2] * phi * phi)});
    }
    EXPECT_TRUE(box.shown.empty());
    well.inputs = doc;
    // The fit starts from a relation that is not the well's.
    well.inputs.m_fPhiK0 = -2.56554f;
    well.inputs.m_fPhiK1 = 22.0004f;
    well.inputs.m_fPhiK2 = 0;
    well.inputs.m_fKontakt = 1900;
    return well;
}

} // namespace

TEST(SyntheticWell, FitsBackThePhiKRelationAndTheContact)
{
    struct Case {
        const char* what;
        double swNoise;
        float contactTolerance;
    } cases[] = {
        {"without noise", 0, 0.05f},
        {"with Sw noise of 0.02", 0.02, 2.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SyntheticWell well = MakeWell(c.swNoise);

        const auto phiK = keldo::FitPhiK(keldo::SelectPhiKPairs(well.samples, 1800, 2100), 2);
        ASSERT_TRUE(phiK.ok) << phiK.message;
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(phiK.coefficients[i], kPhiK[i], 1e-4);
        well.inputs.m_fPhiK0 = phiK.documentCoefficients[0];
        well.inputs.m_fPhiK1 = phiK.documentCoefficients[1];
        well.inputs.m_fPhiK2 = phiK.documentCoefficients[2];

        const auto range = keldo::DefaultContactRange(well.lines, well.inputs.m_fMinTeufe, well.inputs.m_fMaxTeufe);
        ASSERT_TRUE(range.has_value());
        EXPECT_EQ(range->from, 1850);
        EXPECT_EQ(range->to, 2310);
        const auto contact
            = keldo::FitContact(keldo::SaturationRunMisfit(well.inputs, well.lines), range->from, range->to);
        ASSERT_TRUE(contact.ok) << contact.message;
        EXPECT_NEAR(contact.contact, kContact, c.contactTolerance);
        EXPECT_EQ(contact.n, 321);
        EXPECT_LE(contact.bandFrom, contact.contact);
        EXPECT_GE(contact.bandTo, contact.contact);
        EXPECT_TRUE(contact.warnings.empty());
        // Noise of ±0.02 spread evenly has an RMS of 0.02/sqrt(3).
        EXPECT_NEAR(contact.rms, c.swNoise / std::sqrt(3.0), 0.003);
    }
}

TEST(SyntheticWell, MisfitIsTheReportsSaturationAgainstTheLog)
{
    // The water-saturation run at the same contact lists Sw computed beside
    // Sw measured in its graph series; the misfit is their RMS over the rows
    // with porosity at or above the cut-off.
    SyntheticWell well = MakeWell(0.02);
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    static_cast<CKeldoInputs&>(doc) = well.inputs;
    doc.m_Messwerte = well.lines;
    doc.m_fCutoff = 0.15f;
    const auto misfit = keldo::SaturationRunMisfit(doc, doc.m_Messwerte);
    for (const float contact : {1900.0f, 1999.5f, 2000.0f, 2055.25f}) {
        SCOPED_TRACE(contact);
        doc.m_fKontakt = contact;
        doc.Compute();
        const std::vector<std::string> report = doc.m_Ergebnisse;
        double sum = 0;
        int n = 0;
        for (int i = 0; i < doc.m_MaxWerte; ++i) {
            if (doc.m_Y1[static_cast<size_t>(i)] < doc.m_fCutoff)
                continue;
            const double d = static_cast<double>(doc.m_Y2[static_cast<size_t>(i)]) - doc.m_Y[static_cast<size_t>(i)];
            sum += d * d;
            ++n;
        }
        ASSERT_GT(n, 100);
        const keldo::ContactMisfit m = misfit(contact);
        EXPECT_EQ(m.n, n);
        EXPECT_DOUBLE_EQ(m.rms, std::sqrt(sum / n));
        // The misfit works on its own copy: the document keeps its report and contact.
        EXPECT_EQ(doc.m_Ergebnisse, report);
        EXPECT_EQ(doc.m_fKontakt, contact);
    }
}
