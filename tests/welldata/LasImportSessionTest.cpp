// A LAS file opened for choosing: the suggestions and the header's elevation
// first, then the rows of every other choice, as the one-call import of the
// batch tool gives them for the same choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "LasImport.h"
#include "LasImportSession.h"
#include "NumberText.h"
#include "ScratchFolder.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"

namespace {

using keldo::CurveRole;

std::string Mnemonic(const keldo::LasImportSession& session, CurveRole role)
{
    const auto curve = session.Curve(role);
    return curve ? session.Curves()[*curve].mnemonic : "(keine)";
}

keldo::LasImportSession Opened(const std::string& path)
{
    keldo::LasImportSession session;
    keldo::WellDataError error;
    EXPECT_TRUE(session.Open(path, error)) << error.Message();
    return session;
}

std::optional<size_t> CurveNamed(const keldo::LasImportSession& session, const std::string& mnemonic)
{
    for (size_t i = 0; i < session.Curves().size(); ++i)
        if (session.Curves()[i].mnemonic == mnemonic)
            return i;
    return std::nullopt;
}

// A LAS file whose header names no elevation.
std::string NoElevation(const ScratchFolder& folder)
{
    const std::string path = folder.file("no-elevation.las");
    WriteBytes(
        path, "~V\n VERS. 2.0 :\n~W\n WELL. X :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000 0.2 0.3\n 1001 0.2 0.3\n");
    return path;
}

} // namespace

TEST(LasImportSession, OpeningChoosesTheSuggestionsAndTheHeadersElevation)
{
    const struct {
        std::string file;
        const char* depth;
        const char* porosity;
        const char* sw;
        const char* permeability;
        std::optional<double> elevation;
        const char* well;
    } cases[] = {
        // the Volve header: EDF .M 54.900, ELZ .M 54.900
        {VolveWellLas("15_9-F-11_B"), "DEPTH", "PHIF", "SW", "KLOGH", 54.9, "15/9-F-11 B"},
        // EKB .FT 82.0
        {TestLasPath("feet-percent.las"), "DEPT", "PHIE", "SW", "PERM", 82 * 0.3048, "FEET-PERCENT 1"},
        // LAS 1.2: "EDF .M  DERRICK FLOOR   :   30.5"
        {TestLasPath("las12.las"), "DEPT", "PHI", "SW", "(keine)", 30.5, "OLD STYLE 12"},
        {TestLasPath("wrapped.las"), "DEPT", "PHIT", "SWT", "(keine)", 31.5, "WRAPPED WELL 2"},
        // no porosity, no Sw, no elevation
        {TestLasPath("utf8-bom.las"), "DEPT", "(keine)", "(keine)", "(keine)", std::nullopt, "Königsberg 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const keldo::LasImportSession session = Opened(c.file);
        EXPECT_EQ(Mnemonic(session, CurveRole::Depth), c.depth);
        EXPECT_EQ(Mnemonic(session, CurveRole::Porosity), c.porosity);
        EXPECT_EQ(Mnemonic(session, CurveRole::WaterSaturation), c.sw);
        EXPECT_EQ(Mnemonic(session, CurveRole::Permeability), c.permeability);
        EXPECT_EQ(session.HeaderElevation(), c.elevation);
        EXPECT_EQ(session.Elevation(), c.elevation.value_or(0.0));
        EXPECT_EQ(session.WellName(), c.well);
        EXPECT_EQ(session.SurveyFile(), "");
    }
}

// The batch tool reads only the curves it needs; the session reads them all.
// For the same choice both give the same lines, counts and notes.
TEST(LasImportSession, EveryChoiceGivesTheRowsOfTheOneCallImport)
{
    ScratchFolder folder;
    const struct {
        const char* what;
        std::string las;
        std::string survey;
        const char* porosity; // empty: the suggestion
        const char* sw;
        std::optional<double> elevation; // nothing: the header's
    } cases[] = {
        {"F-12 as suggested", VolveWellLas("15_9-F-12"), VolveWellSurvey("15_9-F-12"), "", "", std::nullopt},
        {"F-11 A, elevation 0", VolveWellLas("15_9-F-11_A"), VolveWellSurvey("15_9-F-11_A"), "", "", 0.0},
        {"F-11 B, BVW as porosity", VolveWellLas("15_9-F-11_B"), VolveWellSurvey("15_9-F-11_B"), "BVW", "",
            std::nullopt},
        {"F-11 B without survey", VolveWellLas("15_9-F-11_B"), "", "", "", 12.25},
        {"feet and percent", TestLasPath("feet-percent.las"), "", "", "", std::nullopt},
        {"wrapped, NPHI as porosity", TestLasPath("wrapped.las"), "", "NPHI", "SWT", std::nullopt},
        {"Windows-1252, tabs, CR LF", TestLasPath("cp1252-crlf-tabs.las"), "", "", "", std::nullopt},
        // The header's missing elevation is noted until the user gives one, 0 too.
        {"no elevation in the header", NoElevation(folder), "", "", "", std::nullopt},
        {"no elevation in the header, 0 given", NoElevation(folder), "", "", "", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::LasImportRequest request;
        request.lasFile = c.las;
        request.surveyFile = c.survey;
        request.porosityCurve = c.porosity;
        request.swCurve = c.sw;
        request.elevation = c.elevation;
        keldo::LasImportResult expected;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ImportLas(request, expected, error)) << error.Message();

        keldo::LasImportSession session = Opened(c.las);
        if (!c.survey.empty()) {
            ASSERT_TRUE(session.LoadSurvey(c.survey, error)) << error.Message();
        }
        if (*c.porosity)
            session.ChooseCurve(CurveRole::Porosity, CurveNamed(session, c.porosity));
        if (*c.sw)
            session.ChooseCurve(CurveRole::WaterSaturation, CurveNamed(session, c.sw));
        if (c.elevation)
            session.SetElevation(*c.elevation);
        const keldo::MeasurementRows rows = session.DeriveRows();
        EXPECT_EQ(rows.lines, expected.rows.lines);
        EXPECT_EQ(rows.rows, expected.rows.rows);
        EXPECT_EQ(keldo::SummaryMessage(rows), keldo::SummaryMessage(expected.rows));

        // A preview formats only its lines, but counts every row.
        const keldo::MeasurementRows preview = session.DeriveRows(5);
        EXPECT_EQ(preview.lines.size(), std::min<size_t>(5, expected.rows.lines.size()));
        EXPECT_EQ(keldo::SummaryMessage(preview), keldo::SummaryMessage(expected.rows));
    }
}

TEST(LasImportSession, ASurveyThatCannotBeReadKeepsTheOneBefore)
{
    ScratchFolder folder;
    const std::string backwards = folder.file("rueckwaerts.txt");
    WriteBytes(backwards, "MD INC AZI\n100 5 10\n90 5 10\n");
    keldo::LasImportSession session = Opened(VolveWellLas("15_9-F-11_B"));
    keldo::WellDataError error;

    // Steps in order; the counts of tests/data/volve/README.md for 15_9-F-11_B.
    const struct {
        const char* step;
        std::string survey; // "-": ClearSurvey
        bool read;
        std::string surveyAfter;
        size_t notMonotonic;
    } steps[] = {
        {"no survey: MD as TVD", "", true, "", 0},
        {"MD going back", backwards, false, "", 0},
        {"the operator's survey", VolveWellSurvey("15_9-F-11_B"), true, VolveWellSurvey("15_9-F-11_B"), 224},
        {"MD going back again", backwards, false, VolveWellSurvey("15_9-F-11_B"), 224},
        {"a missing file", folder.file("fehlt.txt"), false, VolveWellSurvey("15_9-F-11_B"), 224},
        {"survey removed", "-", true, "", 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        if (s.survey == "-") {
            session.ClearSurvey();
        } else if (!s.survey.empty()) {
            EXPECT_EQ(session.LoadSurvey(s.survey, error), s.read);
        }
        if (!s.read) {
            EXPECT_TRUE(error.survey);
            EXPECT_EQ(error.Message().rfind("ABBRUCH!!Bohrpfaddatei " + s.survey, 0), 0u) << error.Message();
        }
        EXPECT_EQ(session.SurveyFile(), s.surveyAfter);
        const keldo::MeasurementRows rows = session.DeriveRows(0);
        EXPECT_EQ(rows.counts.notMonotonic, s.notMonotonic);
        EXPECT_EQ(rows.counts.missing, 144u);
        const bool saysVertical = !rows.notes.empty() && rows.notes.front().rfind("Ohne Bohrpfad", 0) == 0;
        EXPECT_EQ(saysVertical, s.surveyAfter.empty());
    }
}

TEST(LasImportSession, WithoutTheThreeCurvesThereAreNoRows)
{
    keldo::LasImportSession session = Opened(TestLasPath("utf8-bom.las"));
    EXPECT_EQ(session.UnchosenRole(), CurveRole::Porosity);
    EXPECT_EQ(session.DeriveRows().counts.kept + session.DeriveRows().counts.Dropped(), 0u);
    session.ChooseCurve(CurveRole::Porosity, 1);
    EXPECT_EQ(session.UnchosenRole(), CurveRole::WaterSaturation);
    session.ChooseCurve(CurveRole::WaterSaturation, 7); // beyond the two curves: none
    EXPECT_EQ(session.UnchosenRole(), CurveRole::WaterSaturation);
    session.ChooseCurve(CurveRole::WaterSaturation, 1);
    EXPECT_EQ(session.UnchosenRole(), std::nullopt);
    // DT (55.5 and 56.5 µs/ft) taken as fractions: out of range.
    EXPECT_EQ(session.DeriveRows().counts.outOfRange, 2u);
    session.ChooseCurve(CurveRole::Depth, std::nullopt);
    EXPECT_EQ(session.UnchosenRole(), CurveRole::Depth);
}

TEST(LasImportSession, AFileThatCannotBeReadLeavesTheSessionAsItWas)
{
    ScratchFolder folder;
    const std::string las3 = folder.file("v3.las");
    WriteBytes(las3, "~V\n VERS. 3.0 :\n WRAP. NO :\n");
    keldo::LasImportSession session = Opened(VolveWellLas("15_9-F-12"));
    keldo::WellDataError error;
    for (const std::string& bad : {las3, folder.file("fehlt.las")}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(session.Open(bad, error));
        EXPECT_EQ(error.Message().rfind("ABBRUCH!!LAS-Datei " + bad, 0), 0u) << error.Message();
        EXPECT_EQ(session.LasFile(), VolveWellLas("15_9-F-12"));
        EXPECT_EQ(session.DeriveRows(0).counts.kept, 2647u);
    }
}

// tests/data/volve/klogh/15_9-F-12_phif_klogh.txt holds, for every kept row
// of 15/9-F-12, the TVDSS and PHIF of the measurement file and the KLOGH of
// the LAS file: the values of the kept rows the Phi-K fit takes.
TEST(LasImportSession, KeptRowsGiveDepthPorosityAndPermeabilityOfTheKloghTable)
{
    keldo::LasImportSession session = Opened(VolveWellLas("15_9-F-12"));
    keldo::WellDataError error;
    ASSERT_TRUE(session.LoadSurvey(VolveWellSurvey("15_9-F-12"), error)) << error.Message();
    const keldo::KeptRowValues values = session.ValuesOfKeptRows(session.DeriveRows());

    std::ifstream table(VolveMeasurementPath("klogh/15_9-F-12_phif_klogh.txt"));
    std::string heading;
    std::getline(table, heading);
    std::vector<std::string> depths, porosities, permeabilities;
    for (std::string d, p, k; table >> d >> p >> k;) {
        depths.push_back(d);
        porosities.push_back(p);
        permeabilities.push_back(k);
    }
    ASSERT_EQ(depths.size(), 2647u);
    ASSERT_EQ(values.depths.size(), depths.size());
    ASSERT_EQ(values.porosities.size(), depths.size());
    ASSERT_EQ(values.permeabilities.size(), depths.size());
    for (size_t i = 0; i < depths.size(); ++i) {
        SCOPED_TRACE(depths[i]);
        float depth = 0, porosity = 0;
        double permeability = 0;
        ASSERT_TRUE(keldo::ParseWholeFloat(depths[i], depth) && keldo::ParseWholeFloat(porosities[i], porosity)
            && keldo::ParseNumber(permeabilities[i], permeability));
        EXPECT_EQ(values.depths[i], depth);
        EXPECT_EQ(values.porosities[i], porosity);
        EXPECT_EQ(values.permeabilities[i], permeability);
    }

    session.ChooseCurve(CurveRole::Permeability, std::nullopt);
    EXPECT_TRUE(session.ValuesOfKeptRows(session.DeriveRows()).permeabilities.empty());
}

TEST(LasImportSession, PermeabilityInDarcyComesInMillidarcy)
{
    // tests/data/las/feet-percent.las: PERM.D, kept rows 9000.0, 9001.0, 9002.0, 9003.0 ft
    keldo::LasImportSession session = Opened(TestLasPath("feet-percent.las"));
    const keldo::KeptRowValues values = session.ValuesOfKeptRows(session.DeriveRows());
    EXPECT_EQ(values.permeabilities, (std::vector<double>{150, 20, 80, 1250}));
}
