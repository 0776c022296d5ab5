#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "SurveyReader.h"
#include "WellDataTestFiles.h"
#include "WellPath.h"

namespace {

using Station = keldo::SurveyStation;

double TvdAt(const keldo::WellPath& path, double md)
{
    size_t cursor = 0;
    return path.Tvd(md, cursor);
}

// A build from vertical to 30 degrees at constant curvature: a circular arc of
// radius R = 1000 m, so that at arc length s the TVD is R sin(s / R) (circle
// geometry, not the formula under test).
constexpr double kRadius = 1000.0;
const double kArc = kRadius * std::numbers::pi / 6.0;

struct PathCase {
    const char* name;
    std::vector<Station> stations;
    double md;
    double tvd;
};

const PathCase kPaths[] = {
    {"build arc, a third", {{0, 0, 0, {}}, {kArc, 30, 0, {}}}, kArc / 3, kRadius* std::sin(kArc / 3 / kRadius)},
    {"build arc, half way", {{0, 0, 0, {}}, {kArc, 30, 0, {}}}, kArc / 2, kRadius* std::sin(kArc / 2 / kRadius)},
    {"build arc, at the end", {{0, 0, 0, {}}, {kArc, 30, 0, {}}}, kArc, 500.0},
    {"build arc, any azimuth", {{0, 0, 77, {}}, {kArc, 30, 77, {}}}, kArc / 2, kRadius* std::sin(kArc / 2 / kRadius)},
    {"azimuths whole turns apart", {{0, 0, 77, {}}, {kArc, 30, 77 + 3 * 360, {}}}, kArc / 2,
        kRadius* std::sin(kArc / 2 / kRadius)},
    // a drop back to vertical: at arc length s the inclination is 30 degrees - s / R
    {"drop arc, half way", {{0, 30, 0, {0.0}}, {kArc, 0, 0, {}}}, kArc / 2,
        kRadius*(0.5 - std::sin(std::numbers::pi / 12))},
    // turning while horizontal keeps the TVD
    {"horizontal turn", {{1000, 90, 0, {900.0}}, {1100, 90, 90, {}}}, 1050, 900.0},
    {"straight at 60 degrees", {{100, 60, 10, {90.0}}, {300, 60, 10, {}}}, 250, 90.0 + 150 * 0.5},
    {"vertical", {{0, 0, 0, {}}, {500, 0, 0, {}}}, 123.25, 123.25},
    // beyond the ends: straight up above the first station, straight on below the last
    {"above the first station", {{100, 20, 0, {95.0}}, {300, 40, 0, {}}}, 40, 35.0},
    {"below the last station", {{0, 0, 0, {}}, {kArc, 30, 0, {}}}, kArc + 200, 500.0 + 200 * std::sqrt(3.0) / 2},
};

TEST(WellPath, MinimumCurvatureFollowsTheArcBetweenStations)
{
    for (const auto& c : kPaths) {
        SCOPED_TRACE(c.name);
        const keldo::WellPath path(c.stations);
        EXPECT_NEAR(TvdAt(path, c.md), c.tvd, 1e-9);
    }
}

TEST(WellPath, StationsKeepTheSurveysTvdAndTheArcStartsFromIt)
{
    // The survey says 505 m at the end of the build arc, where the arc gives
    // 500 m: the operator's figure is kept, and the stretch below starts from it.
    const keldo::WellPath path({{0, 0, 0, {}}, {kArc, 30, 0, {505.0}}, {kArc + 100, 30, 0, {}}});
    const struct {
        double md, tvd;
    } cases[] = {
        {kArc, 505.0},
        {kArc - 1e-6, 500.0},                         // still on the arc from the station above
        {kArc + 50, 505.0 + 50 * std::sqrt(3.0) / 2}, // straight on at 30 degrees from 505
        {kArc + 100, 505.0 + 100 * std::sqrt(3.0) / 2},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(TvdAt(path, c.md), c.tvd, 1e-6) << c.md;
    EXPECT_EQ(path.StationTvd(1), 505.0);
    EXPECT_NEAR(path.StationTvd(2), 505.0 + 100 * std::sqrt(3.0) / 2, 1e-9);
}

// The data set's README: recomputing the survey stations by minimum curvature
// reproduces the operator's TVD column to within 0.01 m.
TEST(WellPath, VolveStationsRecomputedMatchTheOperatorsTvd)
{
    for (const char* file : {"15_9-F-12_ACTUAL.txt", "15_9-F-11_A_ACTUAL.txt", "15_9-F-11_B_ACTUAL.txt"}) {
        SCOPED_TRACE(file);
        std::vector<Station> stations;
        keldo::WellDataError error;
        ASSERT_TRUE(keldo::ReadSurveyFile(VolveSurveyPath(file), stations, error));
        std::vector<Station> withoutTvd = stations;
        for (auto& s : withoutTvd)
            s.tvd.reset();
        const keldo::WellPath recomputed(withoutTvd);
        double worst = 0;
        for (size_t i = 0; i < stations.size(); ++i)
            worst = std::max(worst, std::fabs(recomputed.StationTvd(i) - *stations[i].tvd));
        EXPECT_LE(worst, 0.01);
    }
}

TEST(WellPath, TheCursorNeverChangesTheAnswer)
{
    std::vector<Station> stations;
    keldo::WellDataError error;
    ASSERT_TRUE(keldo::ReadSurveyFile(VolveSurveyPath("15_9-F-11_B_ACTUAL.txt"), stations, error));
    const keldo::WellPath path(stations);
    std::vector<double> mds;
    for (double md = 0; md < 5000; md += 7.3)
        mds.push_back(md);
    size_t down = 0, up = 0;
    for (size_t i = 0; i < mds.size(); ++i) {
        const double fresh = TvdAt(path, mds[i]);
        EXPECT_EQ(path.Tvd(mds[i], down), fresh);
        EXPECT_EQ(path.Tvd(mds[mds.size() - 1 - i], up), TvdAt(path, mds[mds.size() - 1 - i]));
    }
}

} // namespace
