// The one-call import as keldo-batch uses it: names in, lines and counts out,
// each failure with its kind.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "CurveRole.h"
#include "LasImport.h"
#include "ScratchFolder.h"
#include "WellDataTestFiles.h"

namespace {

using Kind = keldo::WellDataErrorKind;

keldo::LasImportRequest VolveRequest()
{
    keldo::LasImportRequest request;
    request.lasFile = VolveLasPath("15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS");
    request.surveyFile = VolveSurveyPath("15_9-F-11_B_ACTUAL.txt");
    return request;
}

TEST(LasImport, SuggestionsAndTheHeadersElevationGiveTheVolveLines)
{
    keldo::LasImportResult result;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(VolveRequest(), result, error)) << error.Message();
    EXPECT_EQ(result.wellName, "15/9-F-11 B");
    EXPECT_EQ(result.elevation, 54.9);
    EXPECT_EQ(result.log.header.curves[result.curves.porosity].mnemonic, "PHIF");
    EXPECT_EQ(result.log.header.curves[result.curves.sw].mnemonic, "SW");
    // tests/data/volve/15_9-F-11_B.txt: first and last line, as the text import stores them
    ASSERT_EQ(result.rows.lines.size(), 13709u);
    EXPECT_EQ(result.rows.lines.front(), "  2791.782      0.05500     1.00000");
    EXPECT_EQ(result.rows.lines.back(), "  3182.238      0.12600     0.89800");
    EXPECT_EQ(keldo::SummaryMessage(result.rows),
        "13709 von 14077 Zeilen übernommen. Verworfen: 144 mit fehlendem Wert, 0 mit Wert außerhalb des Bereichs, 224 "
        "mit nicht fortschreitender Teufe.");
}

TEST(LasImport, ExtraCurvesAreKeptForTheKeptRows)
{
    keldo::LasImportRequest request = VolveRequest();
    request.extraCurves = {"klogh", ""};
    keldo::LasImportResult result;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(request, result, error)) << error.Message();
    ASSERT_EQ(result.extraCurves.size(), 1u);
    const auto permeability = keldo::ValuesAtRows(result.log, result.extraCurves[0], result.rows.rows);
    ASSERT_EQ(permeability.size(), result.rows.lines.size());
    // the first data line of the LAS file: KLOGH 0.001 mD at 3351.6 m MD
    EXPECT_EQ(permeability.front(), 0.001);
    EXPECT_FALSE(result.log.IsKept(1)) << "BVW was not asked for";
}

TEST(LasImport, AnElevationGivenOverridesTheHeaderAndNoneIsNoted)
{
    ScratchFolder folder;
    const std::string path = folder.file("no-elevation.las");
    WriteBytes(path, "~V\n VERS. 2.0 :\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1000 0.2 0.3\n");
    keldo::LasImportRequest request;
    request.lasFile = path;
    keldo::LasImportResult result;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ImportLas(request, result, error)) << error.Message();
    EXPECT_EQ(result.rows.lines, std::vector<std::string>{"  1000.000      0.20000     0.30000"});
    EXPECT_EQ(result.rows.notes.back(),
        "Der Kopf der LAS-Datei nennt keine Bezugshöhe (EKB, EDF, ELZ, EREF, ELEV); 0 m angenommen.");
    request.elevation = 25.5;
    ASSERT_TRUE(keldo::ImportLas(request, result, error)) << error.Message();
    EXPECT_EQ(result.rows.lines, std::vector<std::string>{"   974.500      0.20000     0.30000"});
}

// A study imports many wells at once: the imports share nothing, so each
// thread's result is the one a single import gives.
TEST(LasImport, WellsImportedInParallelGiveTheirOwnLines)
{
    const char* wells[][2] = {
        {"15_9-F-12_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-12_ACTUAL.txt"},
        {"15_9-F-11_A_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-11_A_ACTUAL.txt"},
        {"15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15_9-F-11_B_ACTUAL.txt"},
    };
    std::vector<keldo::LasImportRequest> requests;
    for (const auto& well : wells) {
        keldo::LasImportRequest request;
        request.lasFile = VolveLasPath(well[0]);
        request.surveyFile = VolveSurveyPath(well[1]);
        requests.push_back(request);
    }
    std::vector<keldo::LasImportResult> alone(requests.size()), together(requests.size());
    keldo::WellDataError error;
    for (size_t i = 0; i < requests.size(); ++i)
        ASSERT_TRUE(keldo::ImportLas(requests[i], alone[i], error)) << error.Message();
    std::vector<std::thread> threads;
    std::vector<char> ok(requests.size(), 0);
    for (size_t i = 0; i < requests.size(); ++i)
        threads.emplace_back([&, i] {
            keldo::WellDataError own;
            ok[i] = keldo::ImportLas(requests[i], together[i], own);
        });
    for (auto& t : threads)
        t.join();
    for (size_t i = 0; i < requests.size(); ++i) {
        EXPECT_TRUE(ok[i]);
        EXPECT_EQ(together[i].rows.lines, alone[i].rows.lines) << wells[i][0];
    }
}

struct FailureCase {
    const char* name;
    const char* las;
    const char* survey; // empty: none
    const char* porosityCurve;
    const char* extraCurve;
    Kind kind;
    bool survey_error;
    std::optional<keldo::CurveRole> curve; // the role of the curve at fault
    const char* detailStart;
};

const FailureCase kFailures[] = {
    {"unknown curve", "~V\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1 0.2 0.3\n", "", "PHIX", "", Kind::UnknownCurve,
        false, keldo::CurveRole::Porosity, "Die Kurve \"PHIX\" (Porosität) gibt es in der Datei nicht."},
    {"no suggestion", "~V\n~C\n DEPT.M :\n GR. :\n SW. :\n~A\n 1 20 0.3\n", "", "", "", Kind::NoSuggestion, false,
        keldo::CurveRole::Porosity, "Keine Kurve ist als Porosität zu erkennen"},
    {"no usable row", "~V\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1 0 0.3\n 2 -999.25 0.3\n", "", "", "",
        Kind::NoUsableRow, false, std::nullopt,
        "Keine Zeile ist verwertbar. 0 von 2 Zeilen übernommen. Verworfen: 1 mit fehlendem Wert, 1 mit Wert "
        "außerhalb des Bereichs"},
    {"bad survey", "~V\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1 0.2 0.3\n", "MD INC AZI\n100 0 0\n", "", "",
        Kind::BadSurvey, true, std::nullopt, "Die Datei hat 1 Station"},
    {"unknown extra curve", "~V\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1 0.2 0.3\n", "", "", "KLOGH",
        Kind::UnknownCurve, false, keldo::CurveRole::Other,
        "Die Kurve \"KLOGH\" (zusätzliche Kurve) gibt es in der Datei nicht."},
    {"malformed LAS", "~V\n~C\n DEPT.M :\n PHIE. :\n SW. :\n~A\n 1 0.2\n", "", "", "", Kind::Malformed, false,
        std::nullopt, "Die Zeile hat 2 Werte statt 3"},
};

TEST(LasImport, EachFailureHasItsKindAndNamesItsFile)
{
    ScratchFolder folder;
    for (const auto& c : kFailures) {
        SCOPED_TRACE(c.name);
        keldo::LasImportRequest request;
        request.lasFile = folder.file("well.las");
        WriteBytes(request.lasFile, c.las);
        if (*c.survey) {
            request.surveyFile = folder.file("survey.txt");
            WriteBytes(request.surveyFile, c.survey);
        }
        request.porosityCurve = c.porosityCurve;
        request.extraCurves = {c.extraCurve};
        keldo::LasImportResult result;
        keldo::WellDataError error;
        EXPECT_FALSE(keldo::ImportLas(request, result, error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.survey, c.survey_error);
        EXPECT_EQ(error.curve, c.curve);
        EXPECT_EQ(error.file, c.survey_error ? request.surveyFile : request.lasFile);
        EXPECT_EQ(error.detail.rfind(c.detailStart, 0), 0u) << error.detail;
    }
}

} // namespace
