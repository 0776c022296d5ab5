#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "DefaultParameters.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"

namespace {

// Plays the user at the input dialog: `edit` changes the values as the user
// would, `ok` decides between OK and "Abbrechen". Records what the document
// showed and when it computed.
class ScriptedHost : public keldo::IDocumentHost {
public:
    explicit ScriptedHost(CKeldoDoc& doc) : m_doc(doc) {}

    bool RunInputDialog(CDlgInputValues& values) override
    {
        ++dialogs;
        shownWarnungen = values.m_bWarnungen;
        shown = values;
        if (edit)
            edit(values);
        return ok;
    }
    void UpdateAllViews() override { ++viewUpdates; }
    void BeginWaitCursor() override
    {
        ++computations;
        geaendertWhileComputing = m_doc.m_bGeaendert;
    }

    std::function<void(CDlgInputValues&)> edit;
    bool ok = true;
    int dialogs = 0;
    int viewUpdates = 0;
    int computations = 0;
    int geaendertWhileComputing = -1;
    int shownWarnungen = -1;
    CDlgInputValues shown;

private:
    CKeldoDoc& m_doc;
};

class DialogCycle : public ::testing::Test {
protected:
    DialogCycle() : doc(box), host(doc)
    {
        doc.SetHost(&host);
        doc.OnNewDocument();
        SetDefaultGasParameters(doc);
        doc.m_fKontakt = 1520.0f;
        doc.m_Messwerte = {"  1500.000      0.20000     0.30000", "  1490.000      0.21000     0.31000"};
        doc.m_Ergebnisse = {"old report"};
    }

    RecordingMessageBox box;
    CKeldoDoc doc;
    ScriptedHost host;
};

} // namespace

TEST_F(DialogCycle, OkWithoutChangeComputesNothingButUpdatesViews)
{
    doc.m_bGeaendert = 1; // left over from a failed run: not repeated
    doc.OnDataChange();
    EXPECT_EQ(host.dialogs, 1);
    EXPECT_EQ(host.computations, 0);
    EXPECT_EQ(host.viewUpdates, 1);
    EXPECT_EQ(doc.m_bGeaendert, 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.m_Ergebnisse, std::vector<std::string>{"old report"});
}

TEST_F(DialogCycle, DialogSeesTheDocumentsValues)
{
    doc.m_bWarnungen = 1;
    doc.OnDataChange();
    EXPECT_TRUE(static_cast<const CKeldoInputs&>(host.shown) == static_cast<const CKeldoInputs&>(doc));
    EXPECT_EQ(host.shown.m_Messwerte, doc.m_Messwerte);
    EXPECT_EQ(host.shownWarnungen, 0); // "Mit Warnungen" always opens unchecked
}

TEST_F(DialogCycle, AChangeComputesAndMarksTheDocument)
{
    doc.m_bSkaliert = 1;
    host.edit = [](CDlgInputValues& v) { v.m_fTemperatur = 140.0f; };
    doc.OnDataChange();
    EXPECT_EQ(host.computations, 1);
    EXPECT_EQ(host.geaendertWhileComputing, 1);
    EXPECT_EQ(doc.m_fTemperatur, 140.0f);
    EXPECT_EQ(doc.m_bSkaliert, 0); // the graph rescales for the new results
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(host.viewUpdates, 1);
}

TEST_F(DialogCycle, EveryComparedInputCounts)
{
    const std::function<void(CDlgInputValues&)> edits[] = {
        [](auto& v) { v.m_fCutoff = std::nextafter(v.m_fCutoff, 1.0f); },
        [](auto& v) { v.m_strBohrung = "name der bohrung"; },
        [](auto& v) { v.m_nModus = 1; },
        [](auto& v) { v.m_nFluid = 1; },
        [](auto& v) { v.m_bDetail = 1; },
        [](auto& v) { v.m_bDruckabhaengig = 0; },
        [](auto& v) { v.m_fMinTeufe = 1490.0f; },
        [](auto& v) { v.m_fKontaktwinkel = 10.0f; },
        [](auto& v) { v.m_fPhiK2 = 0.1000001f; },
    };
    for (const auto& edit : edits) {
        doc.m_fPhiK2 = 0.1f;
        host.edit = edit;
        host.computations = 0;
        doc.SetModifiedFlag(false);
        doc.OnDataChange();
        EXPECT_EQ(host.computations, 1);
        EXPECT_TRUE(doc.IsModified());
        // the same values again: no change this time
        host.edit = nullptr;
        host.computations = 0;
        doc.OnDataChange();
        EXPECT_EQ(host.computations, 0);
        EXPECT_EQ(doc.m_bGeaendert, 0);
    }
}

TEST_F(DialogCycle, AllZeroAlfaAlwaysComputes)
{
    doc.m_fAlfa0 = doc.m_fAlfa1 = doc.m_fAlfa2 = doc.m_fAlfa3 = 0.0f;
    doc.OnDataChange();
    doc.OnDataChange();
    EXPECT_EQ(host.computations, 2);
    EXPECT_EQ(host.geaendertWhileComputing, 1);
    EXPECT_EQ(host.viewUpdates, 2);
}

TEST_F(DialogCycle, WarnungenAloneIsStoredWithoutComputing)
{
    host.edit = [](CDlgInputValues& v) { v.m_bWarnungen = 1; };
    doc.OnDataChange();
    EXPECT_EQ(host.computations, 0);
    EXPECT_EQ(doc.m_bWarnungen, 1);
    EXPECT_FALSE(doc.IsModified());

    host.edit = nullptr; // reopened unchecked, OK stores 0
    doc.OnDataChange();
    EXPECT_EQ(host.shownWarnungen, 0);
    EXPECT_EQ(doc.m_bWarnungen, 0);
}

TEST_F(DialogCycle, MeasurementsCopiedBackOnlyWhenThereAreSome)
{
    const auto before = doc.m_Messwerte;
    host.edit = [](CDlgInputValues& v) { v.m_Messwerte.clear(); };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Messwerte, before);

    // A new list alone is taken but is no change.
    host.edit = [](CDlgInputValues& v) { v.m_Messwerte = {"  1400.000      0.20000     0.30000"}; };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Messwerte, std::vector<std::string>{"  1400.000      0.20000     0.30000"});
    EXPECT_EQ(host.computations, 0);
}

TEST_F(DialogCycle, CancelLeavesTheDocumentAsItWas)
{
    doc.m_bGeaendert = 1;
    const auto messwerte = doc.m_Messwerte;
    const CKeldoInputs inputs = doc;
    host.ok = false;
    host.edit = [](CDlgInputValues& v) { // "Datei lesen" and edits, then "Abbrechen"
        v.m_Messwerte = {"  1400.000      0.20000     0.30000"};
        v.m_fTemperatur = 1.0f;
        v.m_bWarnungen = 1;
    };
    doc.OnDataChange();
    EXPECT_EQ(doc.m_Messwerte, messwerte);
    EXPECT_TRUE(static_cast<const CKeldoInputs&>(doc) == inputs);
    EXPECT_EQ(doc.m_bGeaendert, 1);
    EXPECT_EQ(doc.m_bWarnungen, 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.computations, 0);
    EXPECT_EQ(host.viewUpdates, 0);
}

TEST_F(DialogCycle, DateiNeuResetsBeforeTheDialog)
{
    host.ok = false;
    doc.OnDateiNeu();
    EXPECT_EQ(host.shown.m_strBohrung, "Name der Bohrung");
    EXPECT_EQ(host.shown.m_fCutoff, 0.06f);
    EXPECT_EQ(host.shown.m_Messwerte.size(), 2u);
    // "Abbrechen": the inputs stay reset, measurements and results stay.
    EXPECT_TRUE(static_cast<const CKeldoInputs&>(doc) == CKeldoInputs{});
    EXPECT_EQ(doc.m_Messwerte.size(), 2u);
    EXPECT_EQ(doc.m_Ergebnisse, std::vector<std::string>{"old report"});
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(host.computations, 0);
}

// The flag of depths below sea level and the shale values describe the
// lines of a LAS import: they stay while the lines stay and go with them.
TEST_F(DialogCycle, ImportFlagAndShaleValuesGoWithTheirLines)
{
    const std::vector<std::string> imported = doc.m_Messwerte;
    const std::vector<double> shale = {0.12, std::nan("")};
    const std::vector<std::string> textFile = {"  1400.000      0.20000     0.30000"};
    const struct {
        const char* what;
        bool ok;
        std::function<void(CDlgInputValues&)> edit;
        bool linesKept;
    } cases[] = {
        {"OK with the lines as they were", true, nullptr, true},
        {"a changed input only", true, [](CDlgInputValues& v) { v.m_fTemperatur += 1.0f; }, true},
        {"an empty list keeps the lines", true,
            [](CDlgInputValues& v) {
                v.m_Messwerte.clear();
                v.m_depthsBelowSeaLevel = false;
                v.m_shaleVolumes.clear();
            },
            true},
        {"a text file read in the dialog", true,
            [&](CDlgInputValues& v) {
                v.m_Messwerte = textFile;
                v.m_depthsBelowSeaLevel = false;
                v.m_shaleVolumes.clear();
            },
            false},
        {"a text file read, then Abbrechen", false,
            [&](CDlgInputValues& v) {
                v.m_Messwerte = textFile;
                v.m_depthsBelowSeaLevel = false;
                v.m_shaleVolumes.clear();
            },
            true},
    };
    for (const auto& c : cases) {
        doc.m_Messwerte = imported;
        doc.m_depthsBelowSeaLevel = true;
        doc.m_shaleVolumes = shale;
        host.ok = c.ok;
        host.edit = c.edit;
        doc.OnDataChange();
        EXPECT_EQ(host.shown.m_depthsBelowSeaLevel, true) << c.what;
        EXPECT_EQ(host.shown.m_shaleVolumes.size(), shale.size()) << c.what;
        EXPECT_EQ(doc.m_Messwerte, c.linesKept ? imported : textFile) << c.what;
        EXPECT_EQ(doc.m_depthsBelowSeaLevel, c.linesKept) << c.what;
        ASSERT_EQ(doc.m_shaleVolumes.size(), c.linesKept ? shale.size() : 0u) << c.what;
        if (c.linesKept) {
            EXPECT_EQ(doc.m_shaleVolumes[0], 0.12) << c.what;
            EXPECT_TRUE(std::isnan(doc.m_shaleVolumes[1])) << c.what;
        }
    }

    // "Neu" resets the inputs only: the lines stay, and with them their flag
    // and shale values.
    host.ok = true;
    host.edit = nullptr;
    doc.m_depthsBelowSeaLevel = true;
    doc.m_shaleVolumes = shale;
    doc.OnDateiNeu();
    EXPECT_EQ(doc.m_Messwerte, imported);
    EXPECT_TRUE(doc.m_depthsBelowSeaLevel);
    EXPECT_EQ(doc.m_shaleVolumes.size(), shale.size());
}

TEST(DialogCycleWithoutHost, DoesNothing)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    doc.OnNewDocument();
    doc.m_fTemperatur = 5.0f;
    doc.OnDataChange();
    EXPECT_EQ(doc.m_fTemperatur, 5.0f);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(box.shown.empty());
}
