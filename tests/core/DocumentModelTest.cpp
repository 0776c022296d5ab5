#include <gtest/gtest.h>

#include "KeldoDoc.h"
#include "RecordingMessageBox.h"

TEST(DocumentModel, NewDocumentHasTheResetValues)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    doc.m_fKontakt = 5;
    doc.m_nFluid = 1;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.m_strBohrung, "Name der Bohrung");
    EXPECT_FLOAT_EQ(doc.m_fCutoff, 0.06f);
    EXPECT_EQ(doc.m_bDruckabhaengig, 1);
    EXPECT_EQ(doc.m_nModus, 0);
    EXPECT_EQ(doc.m_nFluid, 0);
    EXPECT_EQ(doc.m_fKontakt, 0.0f);
    EXPECT_TRUE(doc.m_Messwerte.empty());
    EXPECT_EQ(doc.GetTitle(), "Unbenannt");
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentModel, StartValuesBeforeAnyComputation)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_nYAchsen, 1);
    EXPECT_EQ(doc.m_bGitter, 1);
    EXPECT_EQ(doc.m_bSkaliert, 0);
    EXPECT_EQ(doc.m_X[999], 0.0f);
    EXPECT_TRUE(doc.m_strYAchse2.empty());
}

TEST(DocumentModel, ResetInputsKeepsMeasurementsResultsAndWarnings)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    doc.m_Messwerte = {"  1500.000      0.20000     0.30000"};
    doc.m_Ergebnisse = {"line"};
    doc.m_bWarnungen = 1;
    doc.m_bGeaendert = 1;
    doc.m_fAlfa2 = 3;
    doc.m_strBohrung = "X";
    doc.m_fMinTeufe = 10;
    doc.ResetInputs();
    EXPECT_EQ(doc.m_Messwerte.size(), 1u);
    EXPECT_EQ(doc.m_Ergebnisse.size(), 1u);
    EXPECT_EQ(doc.m_bWarnungen, 1);
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(doc.m_fAlfa2, 0.0f);
    EXPECT_EQ(doc.m_fMinTeufe, 0.0f);
    EXPECT_EQ(doc.m_strBohrung, "Name der Bohrung");
}

TEST(DocumentModel, InitGrafikGivesTheDefaultTexts)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    doc.m_Y1[500] = 3;
    doc.m_MaxWerte = 7;
    doc.m_nYAchsen = 2;
    doc.m_strTitel = "t";
    doc.InitGrafik();
    EXPECT_EQ(doc.m_Y1[500], 0.0f);
    EXPECT_EQ(doc.m_MaxWerte, 0);
    EXPECT_EQ(doc.m_nYAchsen, 1);
    EXPECT_EQ(doc.m_strTitel, "");
    EXPECT_EQ(doc.m_strXAchse, "Vertikale Teufe TVD (m)");
    EXPECT_EQ(doc.m_strY1Achse, "Porosität(-)");
    EXPECT_EQ(doc.m_strYAchse, "Sw(-)");
    EXPECT_EQ(doc.m_strLegende1, "Sw gemessen ");
    EXPECT_EQ(doc.m_strLegende2, "  Porosität ");
    EXPECT_EQ(doc.m_strLegende3, "Sw berechnet");
}

TEST(DocumentModel, ValuesAfterLoading)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    doc.m_nModus = 1;
    doc.m_bDetail = 1;
    doc.m_fMaxTeufe = 3;
    doc.m_fCutoff = 0.1f;
    doc.m_bDruckabhaengig = 0;
    doc.m_bWarnungen = 1;
    doc.SetValuesAfterLoading();
    EXPECT_EQ(doc.m_nModus, 0);
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(doc.m_bDetail, 0);
    EXPECT_EQ(doc.m_fMaxTeufe, 0.0f);
    EXPECT_FLOAT_EQ(doc.m_fCutoff, 0.06f);
    EXPECT_EQ(doc.m_bDruckabhaengig, 1);
    EXPECT_EQ(doc.m_bWarnungen, 1);
}
