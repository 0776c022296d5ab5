// Whether a message tells of work done (and gets the information icon) is
// decided where it is made, not read from its words: the completion of a run
// comes through Inform, every abort and warning through Show.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "DocumentFile.h"
#include "InputChecks.h"
#include "KeldoDoc.h"
#include "MeasurementLine.h"
#include "WellDataTestFiles.h"

namespace {

struct Told {
    bool informed; // Inform, else Show
    std::string text;
    bool operator==(const Told&) const = default;
};

void PrintTo(const Told& told, std::ostream* out) { *out << (told.informed ? "Inform: " : "Show: ") << told.text; }

class KindRecorder : public keldo::IMessageBox {
public:
    void Show(const std::string& text) override { told.push_back({false, text}); }
    void Inform(const std::string& text) override { told.push_back({true, text}); }
    bool AskYesNo(const std::string&) override { return true; }
    std::vector<Told> told;
};

} // namespace

TEST(MessageKind, WorkDoneIsInformedProblemsAreShown)
{
    const struct {
        const char* what;
        std::function<void(CKeldoDoc&)> act; // on the gas example
        std::vector<Told> told;
    } rows[] = {
        {"a saturation run that completes",
            [](CKeldoDoc& doc) {
                doc.m_nModus = 0;
                doc.Compute();
            },
            {{true, "Berechnung der Saettigung abgeschlossen"}}},
        {"a saturation run without measurements",
            [](CKeldoDoc& doc) {
                doc.m_nModus = 0;
                doc.m_Messwerte.clear();
                doc.Compute();
            },
            {{false, "ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!"}}},
        {"a contact run",
            [](CKeldoDoc& doc) {
                doc.m_nModus = 1;
                doc.Compute();
            },
            {}},
        {"inputs the checks refuse",
            [](CKeldoDoc& doc) {
                doc.m_fCutoff = 0.5f;
                keldo::CheckInputs(doc, doc.Messages());
            },
            {{false, "Der Porositäts-Cutoff muss kleiner 0.4 sein!"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        KindRecorder box;
        CKeldoDoc doc(box);
        ASSERT_TRUE(keldo::LoadDocument(GasExampleDocument(), doc));
        // As keldo-batch computes it: the window of the whole list, no warnings.
        keldo::DepthWindowFromLines(doc.m_Messwerte, doc.m_fMinTeufe, doc.m_fMaxTeufe);
        doc.m_bWarnungen = 0;
        row.act(doc);
        EXPECT_EQ(box.told, row.told);
    }
}
