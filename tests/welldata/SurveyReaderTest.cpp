#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "SurveyReader.h"
#include "WellDataTestFiles.h"

namespace {

using Kind = keldo::WellDataErrorKind;

struct VolveSurveyCase {
    const char* file;
    size_t stations;
    double lastMd, lastInclination, lastAzimuth, lastTvd;
};

// The last rows of the operator's surveys (examples/volve/trajectories); every
// one starts at 145.90 m RKB, vertical, with TVD 145.90.
const VolveSurveyCase kVolveSurveys[] = {
    {"15_9-F-12_ACTUAL.txt", 211, 3520.00, 52.87, 105.59, 3108.36},
    {"15_9-F-11_A_ACTUAL.txt", 319, 3762.00, 39.98, 38.48, 3126.49},
    {"15_9-F-11_B_ACTUAL.txt", 299, 4770.00, 36.80, 64.18, 3257.30},
};

TEST(SurveyReader, VolveSurveysReadAsTheyAre)
{
    for (const auto& c : kVolveSurveys) {
        SCOPED_TRACE(c.file);
        std::vector<keldo::SurveyStation> stations;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadSurveyFile(VolveSurveyPath(c.file), stations, error)) << error.Message();
        ASSERT_EQ(stations.size(), c.stations);
        EXPECT_EQ(stations.front().md, 145.90);
        EXPECT_EQ(stations.front().inclination, 0.0);
        EXPECT_EQ(stations.front().tvd, 145.90);
        EXPECT_EQ(stations.back().md, c.lastMd);
        EXPECT_EQ(stations.back().inclination, c.lastInclination);
        EXPECT_EQ(stations.back().azimuth, c.lastAzimuth);
        EXPECT_EQ(stations.back().tvd, c.lastTvd);
    }
}

struct LayoutCase {
    const char* name;
    const char* text;
    double secondMd;  // m
    double secondTvd; // m; NaN: the station has none
};

// 0.3048 m per foot: 1000 ft = 304.8 m, 990 ft = 301.752 m.
const LayoutCase kLayouts[] = {
    {"blanks, unit line in metres", "MD Inc Azim TVD\nm RKB deg deg m RKB\n0 0 0 0\n1000 1 45 999.9\n", 1000, 999.9},
    {"tabs, no unit line", "MD\tINC\tAZI\tTVD\n0\t0\t0\t0\n1000\t1\t45\t999.9\n", 1000, 999.9},
    {"commas with blanks", "md, inclination, azimuth, tvd\n0, 0, 0, 0\n1000, 1, 45, 999.9\n", 1000, 999.9},
    {"semicolons", "Azimuth;MD;Inclination\n0;0;0\n45;1000;1\n", 1000, NAN},
    {"unit line in feet", "MD INC AZI TVD\nft deg deg ft\n0 0 0 0\n1000 1 45 990\n", 304.8, 301.752},
    {"bracketed feet", "MD INCL AZIM\n[ft] [deg] [deg]\n0 0 0\n1000 1 45\n", 304.8, NAN},
    {"unit line naming no length", "MD INC AZI\ndeg deg deg\n0 0 0\n1000 1 45\n", 1000, NAN},
    {"empty TVD field", "MD,INC,AZI,TVD\n0,0,0,0\n1000,1,45,\n", 1000, NAN},
    {"TVD not a number", "MD INC AZI TVD\n0 0 0 0\n1000 1 45 -\n", 1000, NAN},
    {"comments, blank lines, CR LF", "# survey\r\n\r\nMD INC AZI\r\n# tie-in\r\n0 0 0\r\n\r\n1000 1 45\r\n", 1000, NAN},
};

TEST(SurveyReader, ColumnsByNameInAnyLayoutAndUnitsFromTheUnitLine)
{
    for (const auto& c : kLayouts) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        std::vector<keldo::SurveyStation> stations;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadSurvey(in, stations, error)) << error.detail;
        ASSERT_EQ(stations.size(), 2u);
        EXPECT_EQ(stations[1].md, c.secondMd);
        EXPECT_EQ(stations[1].inclination, 1.0);
        EXPECT_EQ(stations[1].azimuth, 45.0);
        if (std::isnan(c.secondTvd))
            EXPECT_FALSE(stations[1].tvd.has_value());
        else
            EXPECT_DOUBLE_EQ(stations[1].tvd.value_or(NAN), c.secondTvd);
    }
}

struct BadSurveyCase {
    const char* name;
    const char* text;
    long long line;
    const char* detail;
};

const BadSurveyCase kBadSurveys[] = {
    {"one station", "MD INC AZI\n100 0 0\n", 0,
        "Die Datei hat 1 Station; für einen Bohrpfad werden mindestens zwei gebraucht."},
    {"no station", "MD INC AZI\nm deg deg\n", 0,
        "Die Datei hat 0 Stationen; für einen Bohrpfad werden mindestens zwei gebraucht."},
    {"empty", "\n\n", 0, "Die Datei ist leer."},
    {"MD going back", "MD INC AZI\n100 0 0\n200 1 10\n150 2 10\n", 4,
        "MD \"150\" nimmt gegenüber der Station davor nicht zu."},
    {"MD repeated", "MD INC AZI\n100 0 0\n100 1 10\n", 3, "MD \"100\" nimmt gegenüber der Station davor nicht zu."},
    {"inclination above 180", "MD INC AZI\n100 0 0\n200 180.5 10\n", 3,
        "Die Neigung \"180.5\" liegt nicht zwischen 0 und 180 Grad."},
    {"negative inclination", "MD INC AZI\n100 -1 0\n", 2, "Die Neigung \"-1\" liegt nicht zwischen 0 und 180 Grad."},
    {"azimuth not finite", "MD INC AZI\n100 0 0\n200 1 nan\n", 3,
        "Der Wert \"nan\" in der Spalte AZI (Azimut) ist keine Zahl."},
    {"text among the stations", "MD INC AZI\n100 0 0\nend of survey\n", 3,
        "Der Wert \"end\" in der Spalte MD ist keine Zahl."},
    {"field missing", "MD INC AZI\n100 0 0\n200 1\n", 3, "Die Zeile hat keinen Wert in der Spalte AZI (Azimut)."},
    {"decimal commas", "MD;INC;AZI\n100;0;0\n200,5;1;10\n", 3, "Der Wert \"200,5\" in der Spalte MD ist keine Zahl."},
    {"MD beyond 1000 km", "MD INC AZI\n100 0 0\n1e9 1 10\n", 3,
        "MD \"1e9\" liegt nicht zwischen -1000000 und 1000000 m."},
    {"TVD beyond 1000 km", "MD INC AZI TVD\n100 0 0 -2e6\n", 2,
        "TVD \"-2e6\" liegt nicht zwischen -1000000 und 1000000 m."},
    {"no azimuth column", "MD INC DLS\n100 0 0\n", 1,
        "Die Kopfzeile nennt nicht die Spalten MD, INC (Neigung) und AZI (Azimut)."},
    {"no header", "100 0 0\n200 1 10\n", 1,
        "Die Kopfzeile nennt nicht die Spalten MD, INC (Neigung) und AZI (Azimut)."},
};

TEST(SurveyReader, EachBadSurveyGivesOneErrorNamingTheLine)
{
    for (const auto& c : kBadSurveys) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        std::vector<keldo::SurveyStation> stations;
        keldo::WellDataError error;
        EXPECT_FALSE(keldo::ReadSurvey(in, stations, error));
        EXPECT_EQ(error.kind, Kind::BadSurvey);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.detail, c.detail);
    }
}

TEST(SurveyReader, MessageNamesTheSurveyFile)
{
    std::vector<keldo::SurveyStation> stations;
    keldo::WellDataError error;
    const std::string path = VolveSurveyPath("no-such-survey.txt");
    EXPECT_FALSE(keldo::ReadSurveyFile(path, stations, error));
    EXPECT_EQ(error.Message(),
        "ABBRUCH!!Bohrpfaddatei " + path
            + ": Die Datei kann nicht gelesen werden. Die Datei oder der Ordner existiert nicht.");
}

} // namespace
