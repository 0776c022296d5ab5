// A well's document made ready to compute: where the model and the
// measurements come from, the settings of the dialog, and what each failure
// leaves as data for the front end to word and decide on.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "DocumentFile.h"
#include "FileResultCheck.h"
#include "KeldoDoc.h"
#include "LasImport.h"
#include "RecordingMessageBox.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"
#include "WellPreparation.h"

using keldo::CurveRole;
using keldo::InputCheck;
using keldo::PreparationStatus;
using keldo::WellDataErrorKind;

namespace {

// What a preparation is made of; `model` is handed in when set.
struct Well {
    keldo::WellInputs inputs;
    keldo::WellSettings settings;
    std::optional<keldo::FieldTemplate> model;
    bool pairs = false;
};

struct Prepared {
    keldo::WellPreparation result;
    std::vector<std::string> shown;
    std::vector<std::string> lines;
    std::string name;
    float cutoff = 0, minTeufe = 0, maxTeufe = 0;
};

Prepared Prepare(const Well& well)
{
    RecordingMessageBox box;
    CKeldoDoc doc(box);
    Prepared out;
    out.result = keldo::PrepareWell({.inputs = well.inputs,
                                        .settings = well.settings,
                                        .model = well.model ? &*well.model : nullptr,
                                        .permeabilityPairs = well.pairs},
        doc, box);
    out.shown = box.shown;
    out.lines = doc.m_Messwerte;
    out.name = doc.m_strBohrung;
    out.cutoff = doc.m_fCutoff;
    out.minTeufe = doc.m_fMinTeufe;
    out.maxTeufe = doc.m_fMaxTeufe;
    return out;
}

keldo::FieldTemplate OilModel()
{
    keldo::FieldTemplate model;
    std::string error;
    EXPECT_TRUE(keldo::LoadFieldTemplate(OilExampleDocument(), model, error)) << error;
    return model;
}

// 15/9-F-11 A from its LAS file and survey, the elevation from the header.
Well VolveLasWell()
{
    Well well;
    well.inputs.lasFile = VolveWellLas("15_9-F-11_A");
    well.inputs.surveyFile = VolveWellSurvey("15_9-F-11_A");
    well.inputs.elevation.reset();
    well.model = OilModel();
    return well;
}

Well Document(const std::string& path)
{
    Well well;
    well.inputs.document = path;
    return well;
}

} // namespace

// Each way a preparation stops, with the data a front end decides on: the
// status, the well-data error's kind, file and curve role, the refused check.
TEST(WellPreparation, EachFailureLeavesItsKindAndPlace)
{
    ScratchFolder dir;
    WriteBytes(dir.file("kein.kld"), "kein Dokument");
    WriteBytes(dir.file("ohne-phi.las"), "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n GR. :\n SW. :\n~A\n 2900 20 0.3\n");
    WriteBytes(dir.file("eine-station.txt"), "MD INC AZI\n100 5 10\n");
    WriteBytes(dir.file("messwerte.txt"), "2850 0.2 0.3\n2849 0.2 0.3\n");
    {
        RecordingMessageBox box;
        CKeldoDoc water(box);
        ASSERT_TRUE(Succeeded(keldo::LoadDocument(GasExampleDocument(), water)));
        water.m_fWasserdichte = 0;
        ASSERT_TRUE(Succeeded(keldo::SaveDocument(dir.file("wasser.kld"), water)));
    }
    const struct {
        const char* what;
        std::function<void(Well&)> change; // of the Volve LAS well with the oil model
        PreparationStatus status;
        std::optional<WellDataErrorKind> kind; // WellDataUnusable
        std::string file;                      // WellDataUnusable: the file named
        std::optional<CurveRole> curve;
        InputCheck check;
    } rows[] = {
        {"the LAS well", [](Well&) {}, PreparationStatus::Prepared, {}, "", {}, InputCheck::Accepted},
        {"a document of its own", [](Well& w) { w = Document(GasExampleDocument()); }, PreparationStatus::Prepared, {},
            "", {}, InputCheck::Accepted},
        {"a missing document", [&](Well& w) { w = Document(dir.file("fehlt.kld")); },
            PreparationStatus::DocumentUnreadable, {}, "", {}, InputCheck::Accepted},
        {"a LAS well without a model", [](Well& w) { w.model.reset(); }, PreparationStatus::ModelMissing, {}, "", {},
            InputCheck::Accepted},
        {"a model that is no document",
            [&](Well& w) {
                w.model = keldo::FieldTemplate{"kein Dokument", "m.kld", ""};
            },
            PreparationStatus::ModelUnreadable, {}, "", {}, InputCheck::Accepted},
        {"a missing LAS file", [&](Well& w) { w.inputs.lasFile = dir.file("fehlt.las"); },
            PreparationStatus::WellDataUnusable, WellDataErrorKind::CannotRead, dir.file("fehlt.las"), {},
            InputCheck::Accepted},
        {"a survey of one station", [&](Well& w) { w.inputs.surveyFile = dir.file("eine-station.txt"); },
            PreparationStatus::WellDataUnusable, WellDataErrorKind::BadSurvey, dir.file("eine-station.txt"), {},
            InputCheck::Accepted},
        {"an unknown depth curve", [](Well& w) { w.inputs.depthCurve = "MD"; }, PreparationStatus::WellDataUnusable,
            WellDataErrorKind::UnknownCurve, VolveWellLas("15_9-F-11_A"), CurveRole::Depth, InputCheck::Accepted},
        {"an unknown Sw curve", [](Well& w) { w.inputs.swCurve = "SWX"; }, PreparationStatus::WellDataUnusable,
            WellDataErrorKind::UnknownCurve, VolveWellLas("15_9-F-11_A"), CurveRole::WaterSaturation,
            InputCheck::Accepted},
        {"no porosity curve to suggest",
            [&](Well& w) { w.inputs.lasFile = dir.file("ohne-phi.las"), w.inputs.surveyFile.clear(); },
            PreparationStatus::WellDataUnusable, WellDataErrorKind::NoSuggestion, dir.file("ohne-phi.las"),
            CurveRole::Porosity, InputCheck::Accepted},
        {"an unknown permeability curve", [](Well& w) { w.inputs.permeabilityCurve = "K", w.pairs = true; },
            PreparationStatus::WellDataUnusable, WellDataErrorKind::UnknownCurve, VolveWellLas("15_9-F-11_A"),
            CurveRole::Permeability, InputCheck::Accepted},
        {"a measurement file out of order",
            [&](Well& w) {
                w = Document(GasExampleDocument());
                w.inputs.measurementsFile = dir.file("messwerte.txt");
                w.inputs.descending = false;
            },
            PreparationStatus::MeasurementsRefused, {}, "", {}, InputCheck::Accepted},
        {"a cut-off of 0.5", [](Well& w) { w.settings.cutoff = 0.5f; }, PreparationStatus::InputsRefused, {}, "", {},
            InputCheck::CutoffTooLarge},
        {"a document refused by the checks", [&](Well& w) { w = Document(dir.file("wasser.kld")); },
            PreparationStatus::InputsRefused, {}, "", {}, InputCheck::WaterDensity},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Well well = VolveLasWell();
        row.change(well);
        const Prepared p = Prepare(well);
        const keldo::WellPreparation& r = p.result;
        EXPECT_EQ(r.status, row.status);
        EXPECT_EQ(r.Prepared(), row.status == PreparationStatus::Prepared);
        const bool fileFailed
            = row.status == PreparationStatus::DocumentUnreadable || row.status == PreparationStatus::ModelUnreadable;
        EXPECT_EQ(!r.file, fileFailed) << r.file.Message();
        if (row.kind) {
            EXPECT_EQ(r.wellData.kind, *row.kind);
            EXPECT_EQ(r.wellData.file, row.file);
            EXPECT_EQ(r.wellData.survey, *row.kind == WellDataErrorKind::BadSurvey);
        }
        EXPECT_EQ(r.wellData.curve, row.curve);
        EXPECT_EQ(r.refusal.check, row.check);
        // A refusal of the checks was said through the box, as its last message.
        if (r.refusal.Refused()) {
            ASSERT_FALSE(p.shown.empty());
            EXPECT_EQ(p.shown.back(), keldo::RefusalMessage(r.refusal));
        }
        if (row.check == InputCheck::CutoffTooLarge) {
            EXPECT_EQ(p.cutoff, 0.06f);
        }
    }
}

// The measurements and the window: the LAS rows as the one-call import gives
// them (and the well named after its ~W WELL), or the document's own when a
// measurement file is empty, as after OK in the dialog; the window as given,
// else from the first and last line. The gas example holds 304 lines from
// 2850.021 to 2959.795 m (examples/README.md, examples/F-12-measurements.txt).
TEST(WellPreparation, MeasurementsAndSettingsAreThoseOfTheDialog)
{
    ScratchFolder dir;
    WriteBytes(dir.file("leer.txt"), "");
    keldo::LasImportRequest request;
    request.lasFile = VolveWellLas("15_9-F-11_A");
    request.surveyFile = VolveWellSurvey("15_9-F-11_A");
    request.elevation = 0.0;
    keldo::LasImportResult imported;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(request, imported, error)) << error.Message();

    const struct {
        const char* what;
        std::function<void(Well&)> change;
        size_t lines;
        std::string first;
        std::string name;
        float minTeufe, maxTeufe;
    } rows[] = {
        {"a window given at one end",
            [](Well& w) {
                w.settings.minTeufe = 2900.0f;
                w.settings.cutoff = 0.1f;
            },
            304, "  2850.021      0.18810     0.19030", "15/9-F-12 Hugin, Gasfall", 2900.0f, 2959.795f},
        {"an empty measurement file keeps the document's lines",
            [&](Well& w) { w.inputs.measurementsFile = dir.file("leer.txt"); }, 304,
            "  2850.021      0.18810     0.19030", "15/9-F-12 Hugin, Gasfall", 2850.021f, 2959.795f},
        {"a LAS file with its survey, elevation 0",
            [](Well& w) {
                w.inputs.lasFile = VolveWellLas("15_9-F-11_A");
                w.inputs.surveyFile = VolveWellSurvey("15_9-F-11_A");
            },
            imported.rows.lines.size(), imported.rows.lines.front(), "15/9-F-11 A", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Well well = Document(GasExampleDocument());
        row.change(well);
        const Prepared p = Prepare(well);
        ASSERT_TRUE(p.result.Prepared());
        EXPECT_EQ(p.lines.size(), row.lines);
        ASSERT_FALSE(p.lines.empty());
        EXPECT_EQ(p.lines.front(), row.first);
        EXPECT_EQ(p.name, row.name);
        EXPECT_EQ(p.cutoff, well.settings.cutoff);
        if (!well.inputs.lasFile.empty()) {
            EXPECT_EQ(p.lines, imported.rows.lines);
            // The summary of the rows comes first.
            ASSERT_FALSE(p.shown.empty());
            EXPECT_EQ(p.shown.front(), keldo::SummaryMessage(imported.rows));
            continue;
        }
        EXPECT_EQ(p.minTeufe, row.minTeufe);
        EXPECT_EQ(p.maxTeufe, row.maxTeufe);
    }
}
