#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"
#include "VolveWell.h"

namespace {

// Well 15/9-F-11 B (2791.8 to 3182.2 m TVDSS) with the oil example's model.
struct EmptyDepthWindow : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};

    EmptyDepthWindow()
    {
        SetOilExampleParameters(doc);
        doc.m_Messwerte = ReadVolveWell("15_9-F-11_B.txt");
    }

    bool InReport(const std::string& start) const
    {
        return std::any_of(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(),
            [&](const std::string& line) { return line.rfind(start, 0) == 0; });
    }
};

} // namespace

TEST_F(EmptyDepthWindow, StopsEitherRunWithOneMessageNamingTheWindow)
{
    struct Row {
        const char* what;
        float minTeufe, maxTeufe;
        const char* text;
    };
    const Row rows[] = {
        {"Min above Max", 3000, 2900, "ABBRUCH!!Im Teufenbereich von 3000 m bis 2900 m liegt kein Messwert!"},
        {"above the log", 2000, 2500.5f, "ABBRUCH!!Im Teufenbereich von 2000 m bis 2500.5 m liegt kein Messwert!"},
        {"below the log", 3182.25f, 3400, "ABBRUCH!!Im Teufenbereich von 3182.25 m bis 3400 m liegt kein Messwert!"},
        {"0/0 after an aborted import", 0, 0, "ABBRUCH!!Im Teufenbereich von 0 m bis 0 m liegt kein Messwert!"},
        {"between two samples", 2900.03f, 2900.04f,
            "ABBRUCH!!Im Teufenbereich von 2900.03 m bis 2900.04 m liegt kein Messwert!"},
    };
    for (int modus : {0, 1}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(keldo::Format("%s, mode %d", row.what, modus));
            box.shown.clear();
            doc.m_nModus = modus;
            doc.m_fMinTeufe = row.minTeufe;
            doc.m_fMaxTeufe = row.maxTeufe;
            doc.m_bGeaendert = 1;
            doc.Compute();
            EXPECT_EQ(box.shown, std::vector<std::string>{row.text});
            EXPECT_EQ(doc.m_Ergebnisse.back(), row.text);
            EXPECT_EQ(std::count(doc.m_Ergebnisse.begin(), doc.m_Ergebnisse.end(), row.text), 1);
            // Stopped as a failed run: results outdated, nothing to draw, no statistics.
            EXPECT_EQ(doc.m_bGeaendert, 1);
            EXPECT_EQ(doc.m_MaxWerte, 0);
            EXPECT_TRUE(doc.m_Kontakte.empty());
            EXPECT_FALSE(InReport("  Bei Porositäten"));
            EXPECT_FALSE(InReport("  Anzahl der GWC-Werte"));
        }
    }
}

TEST_F(EmptyDepthWindow, OneSampleInsideIsEnough)
{
    // The window holds exactly the sample at 2900.022 m TVDSS.
    std::string inside;
    for (const std::string& line : doc.m_Messwerte) {
        if (line.rfind("2900.022 ", 0) == 0)
            inside = line;
    }
    ASSERT_FALSE(inside.empty());
    doc.m_fMinTeufe = 2900.022f;
    doc.m_fMaxTeufe = 2900.022f;
    for (int modus : {0, 1}) {
        SCOPED_TRACE(modus);
        doc.m_nModus = modus;
        doc.m_bGeaendert = 1;
        box.shown.clear();
        doc.Compute();
        EXPECT_EQ(doc.m_bGeaendert, 0);
        EXPECT_EQ(doc.m_Kontakte.size(), modus == 0 ? 0u : 1u);
        EXPECT_FALSE(InReport("ABBRUCH"));
        const std::vector<std::string> abgeschlossen{"Berechnung der Saettigung abgeschlossen"};
        EXPECT_EQ(box.shown, modus == 0 ? abgeschlossen : std::vector<std::string>{});
    }
}

// A contact run stopped by an empty window has no statistics: neither the
// contact range of the run before, which the histogram would otherwise use.
TEST_F(EmptyDepthWindow, StoppedContactRunKeepsNoRangeOfTheRunBefore)
{
    doc.m_nModus = 1;
    doc.m_fMinTeufe = 2791.0f;
    doc.m_fMaxTeufe = 3183.0f;
    doc.m_bGeaendert = 1;
    doc.Compute();
    ASSERT_EQ(doc.m_bGeaendert, 0);
    ASSERT_GT(doc.m_fKontaktMax, doc.m_fKontaktMin);
    doc.m_fMinTeufe = 2000.0f;
    doc.m_fMaxTeufe = 2500.5f;
    doc.m_bGeaendert = 1;
    doc.Compute();
    EXPECT_EQ(doc.m_fKontaktMin, 0.0f);
    EXPECT_EQ(doc.m_fKontaktMax, 0.0f);
}
