#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "VolveWell.h"

TEST(LastRunCompleted, OnlyARunThatRanToItsEnd)
{
    struct Row {
        const char* what;
        int modus;
        void (*set)(CKeldoDoc&);
        bool completed;
    };
    // Well 15/9-F-11 B with the oil example's model over its logged range.
    // An empty depth window is EmptyDepthWindowTest's.
    const Row rows[] = {
        {"water saturation", 0, [](CKeldoDoc&) {}, true},
        {"contacts", 1, [](CKeldoDoc&) {}, true},
        {"pore pressure above 0.23 bar/m", 0, [](CKeldoDoc& d) { d.m_fInitialdruck = 700; }, false},
        {"pore pressure above 0.23 bar/m at the first line", 1, [](CKeldoDoc& d) { d.m_fInitialdruck = 700; }, false},
        {"no measurements", 0, [](CKeldoDoc& d) { d.m_Messwerte.clear(); }, false},
        {"no measurements, contacts", 1, [](CKeldoDoc& d) { d.m_Messwerte.clear(); }, false},
        {"oil heavier than water", 0, [](CKeldoDoc& d) { d.m_fDichteKW = 1100; }, false},
    };
    const std::vector<std::string> lines = ReadVolveWell("15_9-F-11_B.txt");
    ASSERT_FALSE(lines.empty());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingMessageBox box;
        CKeldoDoc doc(box);
        SetOilExampleParameters(doc);
        doc.m_Messwerte = lines;
        doc.m_fMinTeufe = kF11BTop;
        doc.m_fMaxTeufe = kF11BBottom;
        doc.m_nModus = row.modus;
        row.set(doc);
        doc.m_bGeaendert = 1; // as the dialog cycle leaves it for changed inputs
        doc.Compute();
        EXPECT_EQ(doc.LastRunCompleted(), row.completed);
    }
}
