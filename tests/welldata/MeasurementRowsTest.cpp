#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CurveChoice.h"
#include "LasReader.h"
#include "MeasurementRows.h"
#include "WellDataTestFiles.h"

namespace {

// A LAS file with the curves DEPT, PHI and SW in the given units and one data
// line per entry of `rows`.
keldo::LasLog LogOf(const std::vector<std::string>& rows, const std::string& depthCurve = "DEPT.M",
    const std::string& porosityUnit = "V/V", const std::string& swUnit = "V/V")
{
    std::string text = "~V\n VERS. 2.0 :\n~W\n NULL. -999.25 :\n~C\n " + depthCurve + " :\n PHI." + porosityUnit
        + " :\n SW." + swUnit + " :\n~A\n";
    for (const auto& row : rows)
        text += row + "\n";
    std::istringstream in(text);
    keldo::LasLog log;
    keldo::WellDataError error;
    EXPECT_TRUE(keldo::ReadLas(in, keldo::KeepAllCurves(), log, error)) << error.detail;
    return log;
}

keldo::RowSettings Settings(const keldo::WellPath* survey = nullptr, double elevation = 0)
{
    keldo::RowSettings settings;
    settings.curves = {0, 1, 2};
    settings.survey = survey;
    settings.elevation = elevation;
    return settings;
}

struct RowRuleCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<std::string> lines;
    size_t missing, outOfRange, notMonotonic;
};

const RowRuleCase kRowRules[] = {
    {"increasing", {"1000 0.2 0.3", "1000.5 0.25 0.35"},
        {"  1000.000      0.20000     0.30000", "  1000.500      0.25000     0.35000"}, 0, 0, 0},
    {"decreasing, kept in file order", {"1000.5 0.2 0.3", "1000 0.25 0.35", "999.999 0.1 1"},
        {"  1000.500      0.20000     0.30000", "  1000.000      0.25000     0.35000",
            "   999.999      0.10000     1.00000"},
        0, 0, 0},
    // the second kept row sets the direction; one with the first row's
    // stored TVD before it is dropped
    {"second row as deep as the first", {"1000 0.2 0.3", "1000.0004 0.2 0.3", "999 0.2 0.3", "1001 0.2 0.3"},
        {"  1000.000      0.20000     0.30000", "   999.000      0.20000     0.30000"}, 0, 0, 2},
    // printf rounds the double nearest 1000.0005 (1000.000499999999988...) down
    {"equal once stored", {"1000 0.2 0.3", "1000.0005 0.2 0.3", "1000.0006 0.2 0.3"},
        {"  1000.000      0.20000     0.30000", "  1000.001      0.20000     0.30000"}, 0, 0, 1},
    {"turning back", {"1000 0.2 0.3", "1001 0.2 0.3", "1000.5 0.2 0.3", "1001 0.2 0.3", "1002 0.2 0.3"},
        {"  1000.000      0.20000     0.30000", "  1001.000      0.20000     0.30000",
            "  1002.000      0.20000     0.30000"},
        0, 0, 2},
    {"values out of range",
        {"1 0 0.5", "2 1 0.5", "3 -0.1 0.5", "4 0.2 0", "5 0.2 1.0001", "6 0.2 1", "7 0.999 0.001", "8 1e-9 0.5"},
        {"     6.000      0.20000     1.00000", "     7.000      0.99900     0.00100",
            "     8.000      0.00000     0.50000"},
        0, 5, 0},
    // below the smallest normal float (1.17549435e-38) a value is 0 to the
    // single-precision computation; just above it the row stays
    {"values that underflow as a float", {"1 1e-45 0.5", "2 0.2 1e-45", "3 1e-39 0.5", "4 2e-38 0.5"},
        {"     4.000      0.00000     0.50000"}, 0, 3, 0},
    {"missing values", {"-999.25 0.2 0.3", "1 -999.25 0.3", "2 0.2 abc", "3 nan 0.3", "4 0.2 0.3"},
        {"     4.000      0.20000     0.30000"}, 4, 0, 0},
    // missing before out of range before the depth order
    {"first reason counts", {"5 0.2 0.3", "1 0 -999.25", "2 0 0.3", "5 0.2 0.3"},
        {"     5.000      0.20000     0.30000"}, 1, 1, 1},
    {"no row usable", {"1 0 0.3", "2 -999.25 0.3"}, {}, 1, 1, 0},
};

TEST(MeasurementRows, RowsAreKeptByValueRangeAndStrictDepthOrder)
{
    for (const auto& c : kRowRules) {
        SCOPED_TRACE(c.name);
        const keldo::LasLog log = LogOf(c.rows);
        const keldo::MeasurementRows rows = keldo::DeriveMeasurementRows(log, Settings());
        EXPECT_EQ(rows.lines, c.lines);
        EXPECT_EQ(rows.counts.kept, c.lines.size());
        EXPECT_EQ(rows.rows.size(), c.lines.size());
        EXPECT_EQ(rows.counts.missing, c.missing);
        EXPECT_EQ(rows.counts.outOfRange, c.outOfRange);
        EXPECT_EQ(rows.counts.notMonotonic, c.notMonotonic);
        EXPECT_EQ(rows.counts.kept + rows.counts.Dropped(), log.rows);
    }
}

struct OwnFileCase {
    const char* file;
    const char* porosity;
    const char* sw;
    double elevation;
    std::vector<std::string> lines;
    size_t missing, outOfRange;
};

// Worked by hand from the files in tests/data/las: feet times 0.3048 less the
// elevation (EKB 82 ft = 24.9936 m): 9000 ft = 2743.2 m gives 2718.2064 m;
// 12.345 PU = 0.12345; 100 % = 1 is kept, 101 % is not.
const OwnFileCase kOwnFiles[] = {
    {"feet-percent.las", "PHIE", "SW", 24.9936,
        {"  2718.206      0.25000     0.35000", "  2718.511      0.12345     1.00000",
            "  2718.816      0.18250     0.47500", "  2719.121      0.30125     0.08000"},
        1, 2},
    // the wrapped records, less ELEV 31.5 m; RT is NULL in the second but not chosen
    {"wrapped.las", "PHIT", "SWT", 31.5,
        {"  1468.500      0.21500     0.35000", "  1468.600      0.20500     0.40000",
            "  1468.700      0.19500     0.45000"},
        0, 0},
    // LAS 1.2, EDF 30.5 m written value last
    {"las12.las", "PHI", "SW", 30.5,
        {"  1169.500      0.25000     0.30000", "  1169.750      0.24000     0.33000",
            "  1170.000      0.23000     0.36000"},
        0, 0},
};

TEST(MeasurementRows, OwnFilesGiveTheLinesWorkedByHand)
{
    for (const auto& c : kOwnFiles) {
        SCOPED_TRACE(c.file);
        keldo::LasLog log;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadLasFile(TestLasPath(c.file), keldo::KeepAllCurves(), log, error));
        keldo::RowSettings settings;
        const auto& curves = log.header.curves;
        ASSERT_TRUE(keldo::ResolveCurve(curves, "", keldo::CurveRole::Depth, settings.curves.depth, error));
        ASSERT_TRUE(keldo::ResolveCurve(curves, "", keldo::CurveRole::Porosity, settings.curves.porosity, error));
        ASSERT_TRUE(keldo::ResolveCurve(curves, "", keldo::CurveRole::WaterSaturation, settings.curves.sw, error));
        EXPECT_EQ(curves[settings.curves.porosity].mnemonic, c.porosity);
        EXPECT_EQ(curves[settings.curves.sw].mnemonic, c.sw);
        settings.elevation = keldo::ElevationFromHeader(log.header).value_or(0);
        EXPECT_NEAR(settings.elevation, c.elevation, 1e-12);
        const keldo::MeasurementRows rows = keldo::DeriveMeasurementRows(log, settings);
        EXPECT_EQ(rows.lines, c.lines);
        EXPECT_EQ(rows.counts.missing, c.missing);
        EXPECT_EQ(rows.counts.outOfRange, c.outOfRange);
    }
}

TEST(MeasurementRows, ExtraCurvesAtTheKeptRowsInTheirConvertedUnit)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ReadLasFile(TestLasPath("feet-percent.las"), keldo::KeepAllCurves(), log, error));
    const keldo::MeasurementRows rows = keldo::DeriveMeasurementRows(log, Settings());
    EXPECT_EQ(rows.rows, (std::vector<size_t>{0, 2, 4, 6}));
    const auto perm = *keldo::SuggestCurve(log.header.curves, keldo::CurveRole::Permeability);
    // PERM in darcy: 0.150, 0.020, 0.080, 1.250 D
    EXPECT_EQ(keldo::ValuesAtRows(log, perm, rows.rows, keldo::PermeabilityUnit(log.header.curves[perm].unit)),
        (std::vector<double>{150, 20, 80, 1250}));
}

struct DepthCase {
    const char* name;
    const char* depthCurve;
    bool survey;
    double elevation;
    const char* firstLine;
    std::vector<std::string> notes;
    bool belowSeaLevel; // an elevation subtracted, or a TVDSS curve
};

// Survey: vertical to 1000 m, then straight at 60 degrees (TVD = 1000 + (MD - 1000) / 2).
const DepthCase kDepthCases[] = {
    {"MD with survey", "DEPT.M", true, 10, "  1090.000      0.20000     0.30000", {}, true},
    {"MD without survey", "DEPT.M", false, 10, "  1190.000      0.20000     0.30000",
        {"Ohne Bohrpfad wird die Teufenkurve DEPT (gemessene Teufe MD) als TVD genommen, wie bei einer senkrechten "
         "Bohrung."},
        true},
    {"TVD ignores the survey", "TVD.M", true, 10, "  1190.000      0.20000     0.30000",
        {"Die Teufenkurve TVD ist schon eine Vertikalteufe; der Bohrpfad wird nicht benutzt."}, true},
    {"TVD without survey", "TVD.M", false, 10, "  1190.000      0.20000     0.30000", {}, true},
    {"TVD at elevation 0", "TVD.M", false, 0, "  1200.000      0.20000     0.30000", {}, false},
    {"TVDSS keeps its datum", "TVDSS.M", false, 10, "  1200.000      0.20000     0.30000",
        {"Die Teufenkurve TVDSS ist schon auf den Meeresspiegel bezogen; die Bezugshöhe wird nicht abgezogen."}, true},
    {"TVDSS at elevation 0", "TVDSS.M", false, 0, "  1200.000      0.20000     0.30000", {}, true},
    {"feet", "DEPT.FT", false, 0, "   365.760      0.20000     0.30000",
        {"Ohne Bohrpfad wird die Teufenkurve DEPT (gemessene Teufe MD) als TVD genommen, wie bei einer senkrechten "
         "Bohrung.",
            "Teufe in FT, umgerechnet in m."},
        false},
    {"unknown depth unit", "DEPT.KM", true, 0, "  1100.000      0.20000     0.30000",
        {"Die Einheit \"KM\" der Teufenkurve DEPT ist unbekannt; die Werte werden als Meter genommen."}, false},
};

TEST(MeasurementRows, DepthBecomesTvdssAsItsCurveAndTheSurveyAllow)
{
    const keldo::WellPath survey({{0, 0, 0, {}}, {1000, 0, 0, {}}, {1000.001, 60, 0, {}}, {3000, 60, 0, {}}});
    for (const auto& c : kDepthCases) {
        SCOPED_TRACE(c.name);
        const keldo::LasLog log = LogOf({"1200 0.2 0.3"}, c.depthCurve);
        const auto rows = keldo::DeriveMeasurementRows(log, Settings(c.survey ? &survey : nullptr, c.elevation));
        ASSERT_EQ(rows.lines.size(), 1u);
        EXPECT_EQ(rows.lines[0], c.firstLine);
        EXPECT_EQ(rows.notes, c.notes);
        EXPECT_EQ(rows.belowSeaLevel, c.belowSeaLevel);
    }
}

TEST(MeasurementRows, UnknownFractionUnitsAreNotedAndTakenAsFractions)
{
    const keldo::LasLog log = LogOf({"1 0.2 0.3"}, "DEPT.M", "unitless", "");
    keldo::RowSettings settings = Settings();
    const auto rows = keldo::DeriveMeasurementRows(log, settings);
    EXPECT_EQ(rows.lines, std::vector<std::string>{"     1.000      0.20000     0.30000"});
    ASSERT_EQ(rows.notes.size(), 2u);
    EXPECT_EQ(rows.notes[1],
        "Die Einheit \"unitless\" der Porositätskurve PHI ist unbekannt; die Werte werden als Anteil (v/v) genommen.");
}

TEST(MeasurementRows, RowsBeyondTheSurveyAreCountedAndSummarised)
{
    const keldo::WellPath survey({{100, 0, 0, {}}, {200, 0, 0, {}}});
    const keldo::LasLog log = LogOf({"50 0.2 0.3", "60 0.2 -999.25", "150 0.2 0.3", "250 0.2 0.3", "260 0.2 0.3"});
    const auto rows = keldo::DeriveMeasurementRows(log, Settings(&survey));
    EXPECT_EQ(rows.counts.aboveSurvey, 1u);
    EXPECT_EQ(rows.counts.belowSurvey, 2u);
    EXPECT_EQ(keldo::SummaryMessage(rows),
        "4 von 5 Zeilen übernommen. Verworfen: 1 mit fehlendem Wert, 0 mit Wert außerhalb des Bereichs, 0 mit nicht "
        "fortschreitender Teufe.\n"
        "1 übernommene Zeile über der ersten Station des Bohrpfads: dort senkrecht darüber angenommen.\n"
        "2 übernommene Zeilen unter der letzten Station des Bohrpfads: dort in ihrer Richtung geradeaus verlängert.");
}

TEST(MeasurementRows, APreviewFormatsOnlyTheFirstLinesButCountsEveryRow)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ReadLasFile(
        VolveLasPath("15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS"), keldo::KeepCurves({0, 5, 7}), log, error));
    keldo::RowSettings settings = Settings();
    settings.curves = {0, 5, 7};
    const auto all = keldo::DeriveMeasurementRows(log, settings);
    settings.lineLimit = 20;
    const auto preview = keldo::DeriveMeasurementRows(log, settings);
    EXPECT_EQ(preview.lines, std::vector<std::string>(all.lines.begin(), all.lines.begin() + 20));
    EXPECT_EQ(preview.rows, all.rows);
    EXPECT_EQ(preview.counts.kept, all.counts.kept);
    EXPECT_EQ(preview.counts.missing, all.counts.missing);
}

TEST(MeasurementRows, CurvesNotKeptGiveNoRows)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ReadLasFile(TestLasPath("las12.las"), keldo::KeepCurves({0, 1}), log, error));
    const auto rows = keldo::DeriveMeasurementRows(log, Settings());
    EXPECT_TRUE(rows.lines.empty());
    EXPECT_EQ(rows.counts.missing, log.rows);
}

} // namespace
