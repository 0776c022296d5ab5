#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "LasReader.h"
#include "NumberText.h"
#include "TextFormat.h"
#include "WellDataTestFiles.h"

namespace {

std::string Joined(const std::vector<keldo::LasHeaderItem>& items, std::string keldo::LasHeaderItem::*part)
{
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : " ") + item.*part;
    return text;
}

keldo::LasLog ReadText(const std::string& text, const keldo::KeptCurves& kept = keldo::KeepAllCurves())
{
    std::istringstream in(text);
    keldo::LasLog log;
    keldo::WellDataError error;
    EXPECT_TRUE(keldo::ReadLas(in, kept, log, error)) << error.detail;
    return log;
}

struct VolveHeaderCase {
    const char* file;
    const char* well;
    size_t rows;
    const char* curves;
    const char* phifUnit;
    size_t phifCount;
    double phifFirstMd, phifLastMd;
};

// tests/data/volve/README.md: the rows kept plus those dropped are the data
// records; PHIF is NULL exactly in the rows dropped for NULL values; the MD
// range of the kept rows is where PHIF has values.
const VolveHeaderCase kVolveHeaders[] = {
    {"15_9-F-12_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15/9-F-12", 2650, "DEPTH BVW KLOGH PHIF SW VSH", "v/v_decimal", 2647,
        3102.102, 3505.3524},
    {"15_9-F-11_A_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15/9-F-11 A", 1869,
        "DEPTH BVW CARB_FLAG COAL_FLAG KLOGH PHIF SAND_FLAG SW VSH", "v/v", 1533, 3575.0, 3736.7},
    {"15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS", "15/9-F-11 B", 14077,
        "DEPTH BVW CARB_FLAG COAL_FLAG KLOGH PHIF SAND_FLAG SW VSH", "v/v", 13933, 3351.6, 4744.8},
};

TEST(LasReader, VolveFilesReadAsTheDataSetDescribesThem)
{
    for (const auto& c : kVolveHeaders) {
        SCOPED_TRACE(c.file);
        keldo::LasLog log;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadLasFile(VolveLasPath(c.file), keldo::KeptCurves{}, log, error)) << error.Message();
        EXPECT_EQ(log.header.version, "2.0");
        EXPECT_FALSE(log.header.wrap);
        EXPECT_EQ(log.header.nullValue, -999.25);
        EXPECT_EQ(keldo::WellName(log.header), c.well);
        EXPECT_EQ(keldo::ElevationFromHeader(log.header), 54.9); // ELEV (F-12), EDF (F-11 A and B)
        EXPECT_EQ(log.rows, c.rows);
        EXPECT_EQ(Joined(log.header.curves, &keldo::LasHeaderItem::mnemonic), c.curves);
        const auto phif = static_cast<size_t>(std::find_if(log.header.curves.begin(), log.header.curves.end(),
                                                  [](const auto& curve) { return curve.mnemonic == "PHIF"; })
            - log.header.curves.begin());
        EXPECT_EQ(log.header.curves[phif].unit, c.phifUnit);
        EXPECT_EQ(log.statistics[phif].count, c.phifCount);
        EXPECT_EQ(log.statistics[phif].firstIndex, c.phifFirstMd);
        EXPECT_EQ(log.statistics[phif].lastIndex, c.phifLastMd);
        for (const auto& values : log.values)
            EXPECT_TRUE(values.empty()) << "no curve was to be kept";
    }
}

struct OwnFileCase {
    const char* file;
    const char* version;
    bool wrap;
    double nullValue;
    size_t rows;
    const char* mnemonics;
    const char* units;
    const char* well;
    double elevation;
};

// The files of tests/data/las (see its README); the elevations are the
// files' own items: EKB 82 ft = 24.9936 m, ELEV 31.5, EDF 30.5 (written value
// last), ELEV 12.25 after an EREF that is no number, none.
const OwnFileCase kOwnFiles[] = {
    {"feet-percent.las", "2.0", false, -999.25, 7, "DEPT PHIE SW PERM", "FT PU % D", "FEET-PERCENT 1", 24.9936},
    {"wrapped.las", "2.0", true, -999.25, 3, "DEPT GR RHOB NPHI DT RT PHIT SWT", "M GAPI G/C3 V/V US/F OHMM V/V V/V",
        "WRAPPED WELL 2", 31.5},
    {"las12.las", "1.20", false, -999.25, 3, "DEPT PHI SW", "M V/V V/V", "OLD STYLE 12", 30.5},
    {"cp1252-crlf-tabs.las", "2.0", false, -9999, 3, "DEPT DT TEMP PHIE SW", "M µS/FT °C  ", "SÜD-3", 12.25},
    {"utf8-bom.las", "2.0", false, -999.25, 2, "DEPT DT", "M µs/ft", "Königsberg 1", NAN},
};

TEST(LasReader, OwnFilesReadAsWritten)
{
    for (const auto& c : kOwnFiles) {
        SCOPED_TRACE(c.file);
        keldo::LasLog log;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadLasFile(TestLasPath(c.file), keldo::KeepAllCurves(), log, error)) << error.Message();
        EXPECT_EQ(log.header.version, c.version);
        EXPECT_EQ(log.header.wrap, c.wrap);
        EXPECT_EQ(log.header.nullValue, c.nullValue);
        EXPECT_EQ(log.rows, c.rows);
        EXPECT_EQ(Joined(log.header.curves, &keldo::LasHeaderItem::mnemonic), c.mnemonics);
        EXPECT_EQ(Joined(log.header.curves, &keldo::LasHeaderItem::unit), c.units);
        EXPECT_EQ(keldo::WellName(log.header), c.well);
        const auto elevation = keldo::ElevationFromHeader(log.header);
        if (std::isnan(c.elevation))
            EXPECT_FALSE(elevation.has_value());
        else
            EXPECT_NEAR(elevation.value_or(NAN), c.elevation, 1e-12);
        for (const auto& values : log.values)
            EXPECT_EQ(values.size(), log.rows);
    }
}

TEST(LasReader, HeaderTextKeepsItsPartsAndReadsWindows1252AsSuch)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ReadLasFile(TestLasPath("cp1252-crlf-tabs.las"), keldo::KeptCurves{}, log, error));
    EXPECT_EQ(log.header.curves[3].description, "Porosität");
    EXPECT_EQ(keldo::FindHeaderItem(log.header.well, "ELEV")->description, "Höhe über NN");
    ASSERT_TRUE(keldo::ReadLasFile(TestLasPath("las12.las"), keldo::KeptCurves{}, log, error));
    EXPECT_EQ(keldo::FindHeaderItem(log.header.well, "COMP")->value, "OLD STYLE OIL COMPANY");
    EXPECT_EQ(keldo::FindHeaderItem(log.header.well, "LOC")->value, "12-34-56-78W5M");
    ASSERT_TRUE(keldo::ReadLasFile(TestLasPath("feet-percent.las"), keldo::KeptCurves{}, log, error));
    EXPECT_EQ(keldo::FindHeaderItem(log.header.well, "DATE")->value, "2024-03-05 13:45");
    EXPECT_EQ(keldo::FindHeaderItem(log.header.parameters, "RMF")->value, "0.216");
}

struct ValuesCase {
    const char* file;
    size_t curve;
    std::vector<double> values; // NaN: missing
};

// The values as the files write them (tests/data/las); NULL, "nan" and text
// are missing, the index column counts whatever STRT/STOP say.
const ValuesCase kValues[] = {
    {"cp1252-crlf-tabs.las", 1, {90.5, NAN, 91.0}}, // -9999 is NULL
    {"cp1252-crlf-tabs.las", 2, {40.1, 40.2, NAN}}, // -9999.0 equals NULL
    {"cp1252-crlf-tabs.las", 3, {0.21, NAN, 0.22}}, // nan
    {"cp1252-crlf-tabs.las", 4, {0.5, 0.6, NAN}},   // abc
    {"wrapped.las", 0, {1500.0, 1500.1, 1500.2}},   // the depth on its own line
    {"wrapped.las", 5, {12.5, NAN, 10.0}},          // RT: second line, NULL, then first line
    {"wrapped.las", 7, {0.35, 0.40, 0.45}},         // SWT: always the last value of a record
    {"feet-percent.las", 2, {35, NAN, 100, 50, 47.5, 101, 8}},
    {"utf8-bom.las", 1, {55.5, 56.5}},
};

TEST(LasReader, ValuesOfEachRecordWithMissingOnesAsNaN)
{
    for (const auto& c : kValues) {
        SCOPED_TRACE(std::string(c.file) + " curve " + std::to_string(c.curve));
        keldo::LasLog log;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadLasFile(TestLasPath(c.file), keldo::KeepCurves({c.curve}), log, error));
        ASSERT_EQ(log.values[c.curve].size(), c.values.size());
        for (size_t i = 0; i < c.values.size(); ++i) {
            if (std::isnan(c.values[i]))
                EXPECT_TRUE(std::isnan(log.values[c.curve][i])) << "row " << i;
            else
                EXPECT_EQ(log.values[c.curve][i], c.values[i]) << "row " << i;
        }
        for (size_t other = 0; other < log.values.size(); ++other)
            EXPECT_TRUE(other == c.curve || log.values[other].empty()) << "curve " << other;
    }
}

struct StatisticsCase {
    const char* file;
    size_t curve;
    size_t count;
    double min, max, firstIndex, lastIndex;
};

const StatisticsCase kStatistics[] = {
    {"cp1252-crlf-tabs.las", 2, 2, 40.1, 40.2, 800.0, 800.1},
    {"cp1252-crlf-tabs.las", 4, 2, 0.5, 0.6, 800.0, 800.1},
    {"wrapped.las", 5, 2, 10.0, 12.5, 1500.0, 1500.2},
    {"feet-percent.las", 1, 7, 0.0, 30.125, 9000.0, 9003.0},
};

TEST(LasReader, StatisticsCountEveryCurveWhetherKeptOrNot)
{
    for (const auto& c : kStatistics) {
        SCOPED_TRACE(std::string(c.file) + " curve " + std::to_string(c.curve));
        for (const keldo::KeptCurves& kept : {keldo::KeepAllCurves(), keldo::KeptCurves{}}) {
            keldo::LasLog log;
            keldo::WellDataError error;
            ASSERT_TRUE(keldo::ReadLasFile(TestLasPath(c.file), kept, log, error));
            const keldo::LasCurveStatistics& s = log.statistics[c.curve];
            EXPECT_EQ(s.count, c.count);
            EXPECT_EQ(s.min, c.min);
            EXPECT_EQ(s.max, c.max);
            EXPECT_EQ(s.firstIndex, c.firstIndex);
            EXPECT_EQ(s.lastIndex, c.lastIndex);
        }
    }
}

struct NullCase {
    const char* nullItem; // the ~W line, or "" for none
    const char* token;
    double value; // NaN: missing
};

// Which values are missing for which NULL.
const NullCase kNullCases[] = {
    {" NULL. -999.25 :", "-999.2500", NAN},
    {" NULL. -999.2500 :", "-999.25", NAN},
    {" NULL. -9999 :", "-9999.0", NAN},
    {" NULL. 9999 :", "9999", NAN},
    {" NULL. 9999 :", "-999.25", -999.25},
    {"", "-999.25", NAN}, // no NULL: -999.25
    {" NULL. :", "-999.25", NAN},
    {" NULL. -999.25 :", "-999.250001", -999.250001},
    {" NULL. -999.25 :", "nan", NAN},
    {" NULL. -999.25 :", "NaN", NAN},
    {" NULL. -999.25 :", "inf", NAN},
    {" NULL. -999.25 :", "1e999", NAN},
    {" NULL. -999.25 :", "1,5", NAN},
    {" NULL. -999.25 :", "0x10", NAN},
    {" NULL. -999.25 :", "1.5abc", NAN},
    {" NULL. -999.25 :", "--1", NAN},
    {" NULL. -999.25 :", "+0.5", 0.5},
    {" NULL. -999.25 :", ".5", 0.5},
    {" NULL. -999.25 :", "2.", 2.0},
    {" NULL. -999.25 :", "1E-3", 0.001},
    {" NULL. -999.25 :", "-0", -0.0},
};

TEST(LasReader, NullInAnySpellingAndTextThatIsNoNumberAreMissing)
{
    for (const auto& c : kNullCases) {
        SCOPED_TRACE(std::string(c.nullItem) + " / " + c.token);
        const std::string text
            = std::string("~V\n VERS. 2.0 :\n~W\n") + c.nullItem + "\n~C\n DEPT.M :\n X. :\n~A\n 1.0 " + c.token + "\n";
        const keldo::LasLog log = ReadText(text);
        ASSERT_EQ(log.values[1].size(), 1u);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(log.values[1][0]));
        else
            EXPECT_EQ(log.values[1][0], c.value);
        EXPECT_EQ(log.statistics[1].count, std::isnan(c.value) ? 0u : 1u);
    }
}

TEST(LasReader, DuplicateAndEmptyMnemonicsAreMadeUnique)
{
    const keldo::LasLog log
        = ReadText("~V\n VERS. 2.0 :\n~C\n DEPT.M :\n GR.GAPI :\n GR.GAPI : again\n .V/V :\n GR. :\n"
                   " NPHI. :\n ~A\n 1 2 3 4 5 6\n");
    EXPECT_EQ(Joined(log.header.curves, &keldo::LasHeaderItem::mnemonic), "DEPT GR:1 GR:2 UNKNOWN GR:3 NPHI");
    EXPECT_EQ(log.values[4], std::vector<double>{5});
}

TEST(LasReader, SectionsAreKnownByTheirFirstLetterAndUnknownOnesSkipped)
{
    for (const char* dataLine : {"~A", "~ASCII", "~Ascii Log Data", "~a", "  ~A  DEPT GR"}) {
        SCOPED_TRACE(dataLine);
        const keldo::LasLog log
            = ReadText(std::string("~VERSION\n VERS. 2.0 :\n~Tops\n TOP1. 1200 : should be skipped\n"
                                   "~Other\n free text: with colons\n~Curves\n DEPT.M :\n GR. :\n")
                + dataLine + "\n 1 2\n\n # comment\n 3 4\n~Z after the data\n 5 6 7\n");
        EXPECT_EQ(log.rows, 2u);
        EXPECT_EQ(log.header.other, "free text: with colons");
        EXPECT_EQ(log.header.curves.size(), 2u);
        EXPECT_EQ(log.values[1], (std::vector<double>{2, 4}));
    }
}

TEST(LasReader, ChosenCurvesAreKeptOthersOnlyCounted)
{
    const std::string text = "~V\n~C\n DEPT.M :\n A. :\n B. :\n C. :\n~A\n 1 2 3 4\n 5 6 7 8\n";
    const keldo::LasLog log = ReadText(text, keldo::KeepCurves({2, 0, 17}));
    EXPECT_EQ(log.values[0], (std::vector<double>{1, 5}));
    EXPECT_TRUE(log.values[1].empty());
    EXPECT_EQ(log.values[2], (std::vector<double>{3, 7}));
    EXPECT_TRUE(log.values[3].empty());
    EXPECT_EQ(log.statistics[3].count, 2u);
    EXPECT_EQ(log.statistics[3].max, 8);
}

struct FloatTieCase {
    const char* token;
    float asTextImportReads; // strtof of the token
};

// Decimal texts whose nearest double lies exactly halfway between two floats:
// 1 + 2^-24 and 0.5 + 2^-25 are such halfway points; texts a hair above them
// round up as floats, although their doubles round (to even) down.
const FloatTieCase kFloatTies[] = {
    {"1.0000000596046447753906251", 1.00000011920928955078125f},
    {"1.0000000596046447753906249", 1.0f},
    {"1.000000059604644775390625", 1.0f}, // exactly halfway: to even, both ways
    {"0.5000000298023223876953126", 0.500000059604644775390625f},
    {"0.2699", 0.2699f},
    {"0.26989999", 0.26989999f},
};

TEST(LasReader, KeptValuesBecomeTheFloatTheTextImportReads)
{
    for (const auto& c : kFloatTies) {
        SCOPED_TRACE(c.token);
        const keldo::LasLog log = ReadText(std::string("~V\n~C\n DEPT.M :\n PHI. :\n~A\n 1 ") + c.token + "\n");
        ASSERT_EQ(log.values[1].size(), 1u);
        EXPECT_EQ(static_cast<float>(log.values[1][0]), c.asTextImportReads);
        double nearest = 0;
        ASSERT_TRUE(keldo::ParseNumber(c.token, nearest));
        EXPECT_LE(std::fabs(log.values[1][0] - nearest), std::fabs(std::nextafter(nearest, 2.0) - nearest));
    }
}

} // namespace
