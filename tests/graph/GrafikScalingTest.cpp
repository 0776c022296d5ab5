#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GrafikState.h"
#include "GraphTestData.h"
#include "KeldoDoc.h"
#include "RecordingMessageBox.h"

namespace {

class GrafikScaling : public ::testing::Test {
protected:
    RecordingMessageBox messages;
    CKeldoDoc doc{messages};
    CGrafikState state;
};

TEST(GrafikDelta, StepsForRangeWidths)
{
    const std::pair<double, double> cases[] = {
        {1, 0.2},
        {0.4, 0.04},
        {2, 0.4},
        {3, 0.4},
        {4.5, 0.5},
        {7, 1},
        {9, 1},
        {10, 2},
        {25, 5},
        {50, 10},
        {100, 20},
        {87.7, 10},
        {30, 5},
        {17, 2},
    };
    for (auto [width, step] : cases)
        EXPECT_DOUBLE_EQ(CGrafikState::delta(width), step) << "width " << width;
    EXPECT_EQ(CGrafikState::delta(0.0), 1.0);
    // No decade for a negative or undefined width: one unit.
    EXPECT_EQ(CGrafikState::delta(-5.0), 1.0);
    EXPECT_EQ(CGrafikState::delta(std::nan("")), 1.0);
}

TEST(GrafikStart, FirstTickAtOrBelowTheLowerEnd)
{
    EXPECT_DOUBLE_EQ(CGrafikState::start(0.3, 0.2), 0.2);
    EXPECT_DOUBLE_EQ(CGrafikState::start(1523.4, 10), 1520);
    EXPECT_DOUBLE_EQ(CGrafikState::start(-0.37, 0.2), -0.4);
    EXPECT_EQ(CGrafikState::start(1520, 20), 1520);
    EXPECT_EQ(CGrafikState::start(0.0, 0.2), 0.0);
    EXPECT_EQ(CGrafikState::start(0.0, 17), 0.0);
    EXPECT_DOUBLE_EQ(CGrafikState::start(250000.5, 1), 250000);
    EXPECT_DOUBLE_EQ(CGrafikState::start(0.0000033, 1), -0.99999);
    // A ratio that is itself a power of ten below 1e-5 gets one more step.
    EXPECT_NEAR(CGrafikState::start(0.000001, 1), 0.000001, 1e-12);
}

TEST(GrafikStart, FarFromZeroStillTheLargestMultipleBelow)
{
    // A ratio of 3e7: the count-up from the decade is long but ends right.
    EXPECT_DOUBLE_EQ(CGrafikState::start(3.0e9 + 50, 100), 3.0e9);
    EXPECT_DOUBLE_EQ(CGrafikState::start(123456.7, 1), 123456);
}

TEST(GrafikTrunc, IndefiniteIntegerForWhatDoesNotFit)
{
    EXPECT_EQ(keldo::Trunc32(-2.7), -2);
    EXPECT_EQ(keldo::Trunc32(2.7), 2);
    EXPECT_EQ(keldo::Trunc32(std::nan("")), std::numeric_limits<int>::min());
    EXPECT_EQ(keldo::Trunc32(3e9), std::numeric_limits<int>::min());
}

TEST_F(GrafikScaling, SaturationRunDepthAxisAndMatchedYAxes)
{
    FillSaturationGraph(doc);
    state.OnGraf(doc);
    EXPECT_EQ(doc.m_bSkaliert, 1);
    EXPECT_EQ(state.deltax, 10);
    EXPECT_EQ(state.xmin, 1500);
    EXPECT_EQ(state.xmax, 1590);
    EXPECT_DOUBLE_EQ(state.deltay, 0.2);
    EXPECT_DOUBLE_EQ(state.deltay1, 0.04);
    EXPECT_EQ(state.m_y1, 5);
    EXPECT_EQ(state.m_y2, 10);
    EXPECT_EQ(state.ymin, 0);
    EXPECT_EQ(state.ymax, 2.0); // lengthened by multiplication
    EXPECT_EQ(state.y1min, 0);
    double tenSteps = 0;
    for (int i = 0; i < 10; ++i)
        tenSteps += state.deltay1;
    EXPECT_EQ(state.y1max, tenSteps); // reached by addition
}

TEST_F(GrafikScaling, WholeDepthRangeKeepsItsEnds)
{
    FillSaturationGraph(doc, 2);
    doc.m_X[0] = 2000;
    doc.m_X[1] = 2100;
    state.OnGraf(doc);
    EXPECT_EQ(state.deltax, 20);
    EXPECT_EQ(state.xmin, 2000);
    EXPECT_EQ(state.xmax, 2100);
}

TEST_F(GrafikScaling, HistogramRangesComeFromTheData)
{
    FillHistogram(doc, 1480, 5, {0, 3, 17, 9, 4, 1, 2});
    state.OnGraf(doc);
    EXPECT_EQ(state.deltax, 5);
    EXPECT_EQ(state.xmin, 1480);
    EXPECT_EQ(state.xmax, 1510);
    EXPECT_EQ(state.deltay, 2);
    EXPECT_EQ(state.ymin, 0);
    EXPECT_EQ(state.ymax, 18);
    EXPECT_EQ(state.m_y1, 9);
}

TEST_F(GrafikScaling, SinglePointInContactModeIsWidened)
{
    FillHistogram(doc, 5.5f, 1, {3});
    state.OnGraf(doc);
    EXPECT_EQ(state.xmin, 5);
    EXPECT_EQ(state.xmax, 6);
    EXPECT_EQ(state.deltax, 1);
    EXPECT_EQ(state.ymin, 2);
    EXPECT_EQ(state.ymax, 4);
    EXPECT_EQ(state.ystart, 3);
    EXPECT_EQ(state.deltay, 1);
}

TEST_F(GrafikScaling, NoPointsGiveUnitRanges)
{
    FillHistogram(doc, 0, 1, {});
    state.OnGraf(doc);
    EXPECT_EQ(state.xmin, 0);
    EXPECT_DOUBLE_EQ(state.xmax, 1);
    EXPECT_EQ(state.ymin, 0);
    EXPECT_DOUBLE_EQ(state.ymax, 1);
    EXPECT_DOUBLE_EQ(state.deltax, 0.2);
    EXPECT_DOUBLE_EQ(state.deltay, 0.2);
}

TEST_F(GrafikScaling, NoPointsInSaturationModeKeepFixedYAxes)
{
    FillSaturationGraph(doc, 0);
    state.OnGraf(doc);
    EXPECT_EQ(state.xmin, 0);
    EXPECT_DOUBLE_EQ(state.xmax, 1);
    EXPECT_EQ(state.ymin, 0);
    EXPECT_DOUBLE_EQ(state.ymax, 2.0);
    EXPECT_DOUBLE_EQ(state.y1max, 0.4);
}

TEST_F(GrafikScaling, WholeSingleXValueGetsAnAxisAroundIt)
{
    FillHistogram(doc, 2500, 1, {4, 7});
    doc.m_X[1] = 2500; // both classes on one depth
    state.OnGraf(doc);
    EXPECT_EQ(state.xmin, 2499);
    EXPECT_EQ(state.xmax, 2501);
    // The page transform has a range: the points land in the middle.
    EXPECT_EQ(state.m_Punkte1[0].x, 650);
    EXPECT_EQ(state.m_Punkte1[1].x, 650);
}

TEST_F(GrafikScaling, UndefinedValuesNeverBecomeEnds)
{
    FillHistogram(doc, 1480, 5, {2, 3, 4});
    doc.m_X[1] = std::numeric_limits<float>::quiet_NaN();
    doc.m_Y[2] = std::numeric_limits<float>::quiet_NaN();
    state.OnGraf(doc);
    EXPECT_EQ(state.xmin, 1480);
    EXPECT_EQ(state.xmax, 1490);
    EXPECT_EQ(state.ymin, 2);
    EXPECT_NEAR(state.ymax, 3, 1e-9);
}

TEST_F(GrafikScaling, MagnifierToggleRescalesToTheSameRanges)
{
    FillSaturationGraph(doc);
    state.OnCompute(doc);
    const double xmax = state.xmax, ymax = state.ymax, y1max = state.y1max;
    state.m_bGrafiklupe = 1;
    state.OnCompute(doc);
    EXPECT_EQ(state.breite, 1950);
    EXPECT_EQ(state.hoehe, 1125);
    state.m_bGrafiklupe = 0;
    state.OnCompute(doc);
    EXPECT_EQ(state.breite, 1300);
    EXPECT_EQ(state.hoehe, 750);
    EXPECT_EQ(state.xmax, xmax);
    EXPECT_EQ(state.ymax, ymax);
    EXPECT_EQ(state.y1max, y1max);
}

} // namespace
