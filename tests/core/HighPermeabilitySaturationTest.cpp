#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"
#include "TextFormat.h"
#include "VolveWell.h"

namespace {

// The top of the Hugin sand in well 15/9-F-12, 2804.3 to 2808.3 m TVDSS,
// porosity 0.15 to 0.35, with the default parameter set and the contact at
// 2950 m: every row lies about 140 m above it, at very high permeability.
struct HighPermeabilitySaturation : ::testing::Test {
    RecordingMessageBox box;
    CKeldoDoc doc{box};
    std::vector<std::string> lines;

    HighPermeabilitySaturation()
    {
        for (const std::string& line : ReadVolveWell("15_9-F-12.txt")) {
            float v[3];
            if (keldo::ScanFloats(line, v, 3) == 3 && v[0] <= 2808.3f)
                lines.push_back(line);
        }
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 2950;
        doc.m_fMinTeufe = 2800;
        doc.m_fMaxTeufe = 2810;
        doc.m_bDetail = 1;
        doc.m_Messwerte = lines;
    }
};

} // namespace

TEST_F(HighPermeabilitySaturation, RowsFarAboveTheContactStayNearSwmin)
{
    ASSERT_EQ(lines.size(), 45u);
    doc.Compute();
    ASSERT_EQ(doc.m_MaxWerte, 45);
    for (int i = 0; i < doc.m_MaxWerte; ++i) {
        const float depth = doc.m_X[i], phi = doc.m_Y1[i], sw = doc.m_Y2[i];
        SCOPED_TRACE(keldo::Format("%.3f m, porosity %.4f, Sw %.4f", depth, phi, sw));
        // Gas sand this high above the contact holds little water.
        EXPECT_LT(sw, 0.25f);
        // The saturation solves the model: its height is the row's height above the contact.
        doc.m_Ergebnisse.clear();
        const double h = doc.HoeheUeberKontakt(depth, doc.Keff(depth, phi), sw);
        EXPECT_NEAR(h, 2950.0 - depth, 0.05);
    }
}
