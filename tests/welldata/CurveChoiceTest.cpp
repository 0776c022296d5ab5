#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "CurveChoice.h"
#include "CurveUnits.h"

namespace {

std::vector<keldo::LasHeaderItem> Curves(const std::string& mnemonics)
{
    std::vector<keldo::LasHeaderItem> curves;
    std::istringstream words(mnemonics);
    std::string word;
    while (words >> word)
        curves.push_back({word, "", "", ""});
    return curves;
}

std::string Suggested(const std::vector<keldo::LasHeaderItem>& curves, keldo::CurveRole role)
{
    const auto index = keldo::SuggestCurve(curves, role);
    return index ? curves[*index].mnemonic : "-";
}

struct SuggestionCase {
    const char* curves;
    const char* porosity;
    const char* sw;
    const char* permeability;
    const char* shale = "-";
};

const SuggestionCase kSuggestions[] = {
    {"DEPTH BVW KLOGH PHIF SW VSH", "PHIF", "SW", "KLOGH", "VSH"}, // the Volve F-12 file
    {"DEPT GR PHIT PHIE SWT SW", "PHIE", "SW", "-"},               // effective porosity before total
    {"DEPT SWA SWT PHI POR VCLAY VCL", "POR", "SWT", "-", "VCL"},  // the list's order, not the file's
    {"DEPT phie_2 sw_ar perm_h vshale_gr", "phie_2", "sw_ar", "perm_h", "vshale_gr"}, // any case; a suffix
    {"DEPT PHIE:1 PHIE:2 SW:1 SW:2", "PHIE:1", "SW:1", "-"},                           // duplicates: the first
    {"DEPT KH K", "-", "-", "K"}, {"DEPT GR RHOB NPHI", "-", "-", "-"},
    {"DEPT POROSITY SWATER SWEEP PHIX SHALE VSHX", "-", "-", "-"}, // no guessing beyond the lists
};

TEST(CurveChoice, SuggestionsFollowThePreferenceLists)
{
    for (const auto& c : kSuggestions) {
        SCOPED_TRACE(c.curves);
        const auto curves = Curves(c.curves);
        EXPECT_EQ(Suggested(curves, keldo::CurveRole::Depth), curves.front().mnemonic);
        EXPECT_EQ(Suggested(curves, keldo::CurveRole::Porosity), c.porosity);
        EXPECT_EQ(Suggested(curves, keldo::CurveRole::WaterSaturation), c.sw);
        EXPECT_EQ(Suggested(curves, keldo::CurveRole::Permeability), c.permeability);
        EXPECT_EQ(Suggested(curves, keldo::CurveRole::Shale), c.shale);
    }
}

struct ResolveCase {
    const char* name;
    keldo::CurveRole role;
    std::optional<size_t> index;
    keldo::WellDataErrorKind kind;
    const char* detail;
};

TEST(CurveChoice, NamesAreFoundWithoutRegardToCaseElseTheMessageListsTheCurves)
{
    const auto curves = Curves("DEPT GR:1 GR:2 RHOB");
    const ResolveCase cases[] = {
        {"rhob", keldo::CurveRole::Porosity, 3, {}, ""},
        {"GR:2", keldo::CurveRole::Porosity, 2, {}, ""},
        {"", keldo::CurveRole::Depth, 0, {}, ""},
        {"GR", keldo::CurveRole::WaterSaturation, std::nullopt, keldo::WellDataErrorKind::UnknownCurve,
            "Die Kurve \"GR\" (Wassersättigung) gibt es in der Datei nicht. Kurven der Datei: DEPT, GR:1, GR:2, RHOB."},
        {"", keldo::CurveRole::Porosity, std::nullopt, keldo::WellDataErrorKind::NoSuggestion,
            "Keine Kurve ist als Porosität zu erkennen; bitte eine wählen. Kurven der Datei: DEPT, GR:1, GR:2, RHOB."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        size_t index = 99;
        keldo::WellDataError error;
        EXPECT_EQ(keldo::ResolveCurve(curves, c.name, c.role, index, error), c.index.has_value());
        if (c.index) {
            EXPECT_EQ(index, *c.index);
        } else {
            EXPECT_EQ(error.kind, c.kind);
            EXPECT_EQ(error.curve, c.role);
            EXPECT_EQ(error.detail, c.detail);
            EXPECT_EQ(keldo::GroupOf(error.kind), keldo::WellDataErrorGroup::NothingToUse);
        }
    }
}

// A file of 2000 curves: the message names the first ten and counts the
// rest, so that it stays one readable line.
TEST(CurveChoice, ALongListOfCurvesIsCutInTheMessage)
{
    std::string names = "DEPT";
    for (int i = 1; i < 2000; ++i)
        names += " C" + std::to_string(i);
    size_t index = 0;
    keldo::WellDataError error;
    EXPECT_FALSE(keldo::ResolveCurve(Curves(names), "PHIX", keldo::CurveRole::Porosity, index, error));
    EXPECT_EQ(error.detail,
        "Die Kurve \"PHIX\" (Porosität) gibt es in der Datei nicht. Kurven der Datei: DEPT, C1, C2, C3, C4, C5, C6, "
        "C7, C8, C9 … und 1990 weitere.");
}

struct DepthKindCase {
    const char* mnemonic;
    keldo::DepthKind kind;
};

TEST(CurveChoice, DepthCurvesAreMeasuredUnlessNamedTvd)
{
    const DepthKindCase cases[] = {
        {"DEPTH", keldo::DepthKind::Measured},
        {"DEPT", keldo::DepthKind::Measured},
        {"MD", keldo::DepthKind::Measured},
        {"TVD", keldo::DepthKind::TrueVertical},
        {"tvd_rkb", keldo::DepthKind::TrueVertical},
        {"TVDSS", keldo::DepthKind::BelowSeaLevel},
        {"SSTVD", keldo::DepthKind::BelowSeaLevel},
        {"TVD_MSL", keldo::DepthKind::BelowSeaLevel},
        {"TVDSS:2", keldo::DepthKind::BelowSeaLevel},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keldo::DepthKindOf(c.mnemonic), c.kind) << c.mnemonic;
}

struct UnitCase {
    const char* unit;
    keldo::UnitConversion (*table)(std::string_view);
    double value;
    double converted;
    bool known;
};

// 0.3048 m to the foot exactly; percent divided by 100 rounds once, so 7 %
// is the double nearest 0.07 (7 * 0.01 would be 0.07000000000000001).
const UnitCase kUnits[] = {
    {"M", keldo::DepthUnit, 1234.5, 1234.5, true},
    {" metres ", keldo::DepthUnit, 1234.5, 1234.5, true},
    {"ft", keldo::DepthUnit, 1000, 304.8, true},
    {"F", keldo::DepthUnit, 10, 3.048, true},
    {"", keldo::DepthUnit, 5, 5, false},
    {"v/v_decimal", keldo::FractionUnit, 0.25, 0.25, true},
    {"-", keldo::FractionUnit, 0.25, 0.25, true},
    {"", keldo::FractionUnit, 0.25, 0.25, true},
    {"PU", keldo::FractionUnit, 7, 0.07, true},
    {"p.u.", keldo::FractionUnit, 25, 0.25, true},
    {"%", keldo::FractionUnit, 12.345, 0.12345, true},
    {"UNKNOWN", keldo::FractionUnit, 0.3, 0.3, false},
    {"mD", keldo::PermeabilityUnit, 150, 150, true},
    {"D", keldo::PermeabilityUnit, 0.15, 150, true},
    {"m2", keldo::PermeabilityUnit, 1, 1, false},
};

TEST(CurveChoice, UnitsConvertToMetresFractionsAndMillidarcy)
{
    for (const auto& c : kUnits) {
        SCOPED_TRACE(c.unit);
        const keldo::UnitConversion unit = c.table(c.unit);
        EXPECT_EQ(unit.Apply(c.value), c.converted);
        EXPECT_EQ(unit.known, c.known);
    }
}

} // namespace
