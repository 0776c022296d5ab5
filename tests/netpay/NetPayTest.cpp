// Net pay by hand: the rock of each row, the sums of a small well worked on
// paper, and the block and netpay.csv row that carry them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "NetPay.h"
#include "NetPayReport.h"
#include "RowThickness.h"

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

keldo::CurveRow Row(float depth, float phi = 0.2f, float sw = 0.3f, float modelSw = 0.3f, bool net = true,
    bool pay = true)
{
    keldo::CurveRow row;
    row.depth = depth;
    row.porosity = phi;
    row.sw = sw;
    row.modelSw = modelSw;
    row.net = net;
    row.pay = pay;
    return row;
}

std::vector<keldo::CurveRow> Rows(const std::vector<float>& depths)
{
    std::vector<keldo::CurveRow> rows;
    for (float d : depths)
        rows.push_back(Row(d));
    return rows;
}

// Six rows at depths a float holds exactly, with a gap of 1.5 m in the
// middle. Cut-offs: porosity 0.1, Vsh 0.4, Sw 0.5; the flags worked by hand:
//   depth    phi    Sw log  Sw model  Vsh   net  pay   rock h (m)
//   2000.00  0.25   0.25    0.2       0.1   yes  yes   0.125
//   2000.25  0.2    0.5     0.4       0.2   yes  yes   0.25
//   2000.50  0.05   0.9     0.9       0.1   no   no    0.125 + 0.5 = 0.625
//   2002.00  0.3    0.75    0.5       0.3   yes  no    0.5 + 0.125 = 0.625
//   2002.25  0.2    0.25    0.25      0.6   no   no    0.25
//   2002.50  0.125  0.125   0.125     0.0   yes  yes   0.125
std::vector<keldo::CurveRow> HandWell()
{
    return {
        Row(2000.0f, 0.25f, 0.25f, 0.2f, true, true),
        Row(2000.25f, 0.2f, 0.5f, 0.4f, true, true),
        Row(2000.5f, 0.05f, 0.9f, 0.9f, false, false),
        Row(2002.0f, 0.3f, 0.75f, 0.5f, true, false),
        Row(2002.25f, 0.2f, 0.25f, 0.25f, false, false),
        Row(2002.5f, 0.125f, 0.125f, 0.125f, true, true),
    };
}

} // namespace

TEST(RowThickness, HalfTheDistanceToEachNeighbourAtMostHalfAMetre)
{
    const struct {
        const char* what;
        std::vector<float> depths;
        std::vector<double> expected;
    } cases[] = {
        {"a regular step", {100, 100.25f, 100.5f, 100.75f}, {0.125, 0.25, 0.25, 0.125}},
        {"falling depths", {100.75f, 100.5f, 100.25f, 100}, {0.125, 0.25, 0.25, 0.125}},
        {"a gap of 1.5 m counts 0.5 m on each side", {100, 100.25f, 101.75f, 102}, {0.125, 0.625, 0.625, 0.125}},
        {"a gap of exactly 1 m is rock", {100, 101, 102}, {0.5, 1.0, 0.5}},
        {"one row stands for nothing", {100}, {0.0}},
        {"no row", {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keldo::RowThicknesses(Rows(c.depths)), c.expected);
    }
}

TEST(NetPay, SmallWellWorkedByHand)
{
    const keldo::NetPay n = keldo::ComputeNetPay(HandWell());
    // gross 0.125 + 0.25 + 0.625 + 0.625 + 0.25 + 0.125 = 2; net rows 1, 2, 4, 6.
    EXPECT_EQ(n.rows, 6);
    EXPECT_DOUBLE_EQ(n.gross, 2.0);
    EXPECT_DOUBLE_EQ(n.net, 1.125);
    EXPECT_DOUBLE_EQ(n.pay, 0.5);
    EXPECT_DOUBLE_EQ(n.netToGross, 0.5625);
    // Σφh = 0.03125 + 0.05 + 0.1875 + 0.015625 = 0.284375; / 1.125.
    EXPECT_NEAR(n.porosity, 0.284375 / 1.125, 1e-7);
    // Σφ·Sw·h = 0.0078125 + 0.025 + 0.140625 + 0.001953125 = 0.175390625; / Σφh.
    EXPECT_NEAR(n.sw, 0.175390625 / 0.284375, 1e-7);
    // Σφ(1 − Sw)h: 0.284375 − 0.175390625, and with the model's Sw
    // 0.284375 − (0.00625 + 0.02 + 0.09375 + 0.001953125).
    EXPECT_NEAR(n.hcptLog, 0.108984375, 1e-7);
    EXPECT_NEAR(n.hcptModel, 0.162421875, 1e-7);
}

TEST(NetPay, ValuesThatDoNotExist)
{
    const struct {
        const char* what;
        std::vector<keldo::CurveRow> rows;
        double gross, net, netToGross, porosity, hcptModel;
    } cases[] = {
        {"no row", {}, 0, 0, kNone, kNone, 0},
        {"one row has no rock", {Row(100)}, 0, 0, kNone, kNone, 0},
        {"no net rock", {Row(100, 0.2f, 0.3f, 0.3f, false, false), Row(100.5f, 0.2f, 0.3f, 0.3f, false, false)},
            0.5, 0, 0.0, kNone, 0},
        {"a net row without the model's Sw", {Row(100), Row(100.5f, 0.2f, 0.3f, NAN)}, 0.5, 0.5, 1.0, 0.2, kNone},
        {"a row without it outside the net rock", {Row(100), Row(100.5f), Row(101, 0.2f, 0.3f, NAN, false, false)},
            1.0, 0.75, 0.75, 0.2, 0.75 * 0.2 * 0.7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::NetPay n = keldo::ComputeNetPay(c.rows);
        auto same = [](double a, double b) { return std::isnan(a) ? std::isnan(b) : std::fabs(a - b) < 1e-7; };
        EXPECT_PRED2(same, c.gross, n.gross);
        EXPECT_PRED2(same, c.net, n.net);
        EXPECT_PRED2(same, c.netToGross, n.netToGross);
        EXPECT_PRED2(same, c.porosity, n.porosity);
        EXPECT_PRED2(same, c.hcptModel, n.hcptModel);
    }
}

TEST(NetPayReport, BlockAndCsvRowOfTheHandWell)
{
    const keldo::NetPay n = keldo::ComputeNetPay(HandWell());
    const keldo::NetPayCutoffs cutoffs{0.1f, 0.4, 0.5f};
    const std::vector<std::string> expected = {
        "",
        "  NETTO-, NUTZ- UND KW-PORENMÄCHTIGKEIT",
        "  Messwerte im Teufenbereich         (-):         6",
        "  Porositäts-Cutoff (netto ab)       (-):    0.1000",
        "  Tonanteil-Cutoff (netto bis)       (-):    0.4000",
        "  Sw-Cutoff (Pay bis)                (-):    0.5000",
        "  Bruttomächtigkeit                  (m):     2.000",
        "  Nettomächtigkeit                   (m):     1.125",
        "  Nutzmächtigkeit (Pay)              (m):     0.500",
        "  Netto/Brutto                       (-):    0.5625",
        "  Mittlere Porosität netto           (-):    0.2528",
        "  Mittlere Sw netto (Porenvolumen)   (-):    0.6168",
        "  KW-Porenmächtigkeit, Sw aus Log    (m):     0.109",
        "  KW-Porenmächtigkeit, Sw Modell     (m):     0.162",
    };
    EXPECT_EQ(keldo::NetPayBlock(n, cutoffs, true), expected);
    EXPECT_EQ(keldo::NetPayLines(n, cutoffs, false)[2], "  Ohne Tonanteilkurve: netto nach der Porosität allein");

    EXPECT_EQ(keldo::NetPayCsvHeader(), "well,gross,net,pay,ntg,phi_net,sw_net,hcpt_log,hcpt_model\n");
    EXPECT_EQ(keldo::NetPayCsvLine("15/9-F-11 A", n), "15/9-F-11 A,2.000,1.125,0.500,0.5625,0.2528,0.6168,0.109,0.162\n");
    // A name with a comma is quoted; a value that does not exist is empty.
    EXPECT_EQ(keldo::NetPayCsvLine("A,B", keldo::ComputeNetPay(std::vector<keldo::CurveRow>{})),
        "\"A,B\",0.000,0.000,0.000,,,,0.000,0.000\n");
}
