// The fits of a document: the contact fit's own refusals, and what
// "Übernehmen" does to the document.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "DocumentFits.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "RecordingMessageBox.h"
#include "VolveWell.h"

namespace {

// 15/9-F-12 from 2850 to 2960 m TVDSS with the default gas model.
void SetUpVolveGasWell(CKeldoDoc& doc)
{
    SetDefaultGasParameters(doc);
    doc.m_fKontakt = 2950;
    doc.m_Messwerte = ReadVolveWell("15_9-F-12.txt");
    doc.m_fMinTeufe = 2850;
    doc.m_fMaxTeufe = 2960;
}

} // namespace

// Water everywhere at 1000 to 1019 m: every contact at or above the first
// row explains it exactly, so the best one lies at the top of the range,
// above the surface, where the input dialog would refuse it.
TEST(DocumentFits, ContactFitRefusesAContactAboveTheSurface)
{
    CKeldoInputs inputs;
    SetDefaultGasParameters(inputs);
    std::vector<std::string> water;
    for (int depth = 1000; depth < 1020; ++depth)
        water.push_back(keldo::FormatMeasurementLine(static_cast<float>(depth), 0.2f, 1.0f));
    inputs.m_fMinTeufe = 1000;
    inputs.m_fMaxTeufe = 1019;
    const keldo::ContactFitResult fit = keldo::FitDocumentContact(inputs, water, keldo::ContactRange{-50, 1100});
    EXPECT_FALSE(fit.ok);
    EXPECT_EQ(fit.message,
        "ABBRUCH!!Der angepasste Gas-Wasser-Kontakt -50.00 m ist nicht größer Null und kann nicht übernommen werden!");
}

// "Übernehmen" writes what was fitted and nothing else, marks the document
// modified and computes it again when the input dialog would let it.
TEST(DocumentFits, TakeOverWritesTheFitsAndComputesWhenItCan)
{
    const std::array<float, 3> phiK{-4.37189f, 42.7949f, -85.0671f};
    const std::array<float, 3> before{-2.56554f, 22.0004f, 0.0f}; // SetDefaultGasParameters
    const struct {
        const char* what;
        keldo::FittedValues values;
        void (*prepare)(CKeldoDoc&);
        std::array<float, 3> phiK; // afterwards
        float kontakt;
        bool computed;
    } cases[] = {
        {"nothing fitted", {}, [](CKeldoDoc&) {}, before, 2950, false},
        {"Phi-K", {phiK, std::nullopt}, [](CKeldoDoc&) {}, phiK, 2950, true},
        {"contact", {std::nullopt, 2934.32f}, [](CKeldoDoc&) {}, before, 2934.32f, true},
        {"both, inputs the dialog refuses", {phiK, 2934.32f}, [](CKeldoDoc& doc) { doc.m_fInitialdruck = 1; }, phiK,
            2934.32f, false},
        {"both, no measurements", {phiK, 2934.32f}, [](CKeldoDoc& doc) { doc.m_Messwerte.clear(); }, phiK, 2934.32f,
            false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        SetUpVolveGasWell(doc);
        c.prepare(doc);
        const CKeldoInputs original = doc;

        keldo::TakeOverFit(doc, c.values);

        EXPECT_EQ(doc.m_fPhiK0, c.phiK[0]);
        EXPECT_EQ(doc.m_fPhiK1, c.phiK[1]);
        EXPECT_EQ(doc.m_fPhiK2, c.phiK[2]);
        EXPECT_EQ(doc.m_fKontakt, c.kontakt);
        CKeldoInputs rest = doc;
        rest.m_fPhiK0 = original.m_fPhiK0;
        rest.m_fPhiK1 = original.m_fPhiK1;
        rest.m_fPhiK2 = original.m_fPhiK2;
        rest.m_fKontakt = original.m_fKontakt;
        EXPECT_TRUE(rest == original) << "an input that was not fitted changed";
        EXPECT_EQ(doc.IsModified(), c.values.Any());
        EXPECT_EQ(!doc.m_Ergebnisse.empty(), c.computed);
        EXPECT_EQ(doc.m_bGeaendert, c.values.Any() && !c.computed ? 1 : 0);
    }
}
