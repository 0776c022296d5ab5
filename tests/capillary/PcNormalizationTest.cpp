#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "DefaultParameters.h"
#include "PcFile.h"
#include "PcMessages.h"
#include "PcNormalization.h"
#include "PcTestSets.h"
#include "SyntheticPcSet.h"
#include "TextFormat.h"

using keldo::PcCoefficients;
using keldo::PcNormalization;

namespace {

std::array<double, 10> Flat(const PcCoefficients& c)
{
    return {c.alfa[0], c.alfa[1], c.alfa[2], c.alfa[3], c.beta[0], c.beta[1], c.swmin[0], c.swmin[1], c.pcsperr[0],
        c.pcsperr[1]};
}

void ExpectCoefficientsNear(const PcCoefficients& got, const PcCoefficients& want, double relative)
{
    const auto g = Flat(got), w = Flat(want);
    for (size_t i = 0; i < g.size(); ++i)
        EXPECT_NEAR(g[i], w[i], relative * std::fabs(w[i])) << "coefficient " << i;
}

// The height (m) above the contact at Sw for K as a run computes it: the
// document's gas (dialog defaults, 138 °C, 200 bar) with the coefficients.
double RunHeight(const PcCoefficients& c, float pcMax, double k, float sw)
{
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    keldo::WriteCoefficients(c, pcMax, in);
    return keldo::HeightAboveContact(keldo::CurveFor(keldo::ModelParametersFor(in), k), sw).metres;
}

} // namespace

TEST(PcNormalization, GivesBackTheCoefficientsOfANoiseFreeSet)
{
    struct Case {
        const char* what;
        keldo::SyntheticPcSpec spec;
        keldo::PcFitOptions options;
    } cases[] = {
        {"the dialog's defaults, 12 plugs 0.1-3000 mD", DefaultSpec(12), {}},
        {"the same, two-step set asked for", DefaultSpec(12), {std::nullopt, 3, true}},
        {"6 plugs 1-1000 mD",
            [] {
                auto s = DefaultSpec(6);
                s.permeabilities = LogSpread(6, 1, 1000);
                return s;
            }(),
            {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::PcTable table = keldo::MakeSyntheticPcTable(c.spec);
        const PcNormalization n = keldo::NormalizePc(table, c.options);
        ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
        EXPECT_EQ(n.pcMax, 141.7f);
        EXPECT_EQ(n.samples.size(), c.spec.permeabilities.size());
        ExpectCoefficientsNear(n.relations.coefficients, c.spec.coefficients, 1e-4);
        ExpectCoefficientsNear(n.Chosen(), c.spec.coefficients, 1e-4);
        EXPECT_LT(n.rmsTwoStep, 1e-5);
        EXPECT_EQ(n.refinedTaken, !c.options.twoStep);
    }
}

TEST(PcNormalization, NoisySetGivesTheHeightsWithinFivePercent)
{
    const PcCoefficients truth = DialogDefaultCoefficients();
    for (const unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        keldo::SyntheticPcSpec spec = DefaultSpec(12);
        spec.noise = 0.01;
        spec.seed = seed;
        const PcNormalization n = keldo::NormalizePc(keldo::MakeSyntheticPcTable(spec), {});
        ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
        EXPECT_NEAR(n.rmsRefined, 0.01, 0.003);
        for (const double k : {1.0, 10.0, 100.0, 1000.0})
            for (const float sw : {0.3f, 0.5f, 0.8f}) {
                const double want = RunHeight(truth, 141.7f, k, sw);
                EXPECT_NEAR(RunHeight(n.Chosen(), n.pcMax, k, sw), want, 0.05 * want) << "K " << k << " Sw " << sw;
            }
    }
}

TEST(PcNormalization, RemovesTheClosureEffect)
{
    // 4 % of mercury on the plug's surface up to 0.08 bar, below every
    // threshold pressure of the set (the lowest, at 3000 mD, is 0.14 bar).
    keldo::SyntheticPcSpec spec = DefaultSpec(12);
    spec.closure = 0.08;
    spec.conformance = 0.04;
    keldo::PcTable table = keldo::MakeSyntheticPcTable(spec);
    const PcNormalization corrected = keldo::NormalizePc(table, {});
    ASSERT_TRUE(corrected.ok) << keldo::PcRefusalMessage(corrected.refusal);
    ExpectCoefficientsNear(corrected.Chosen(), spec.coefficients, 1e-4);
    for (const keldo::PcSampleResult& s : corrected.samples)
        EXPECT_EQ(s.points.front().pressure, *table.samples[s.index].closure);

    // Without the closure pressures the surface mercury reads as intrusion
    // below every threshold: the thresholds come out unrelated to K, a set
    // the dialog refuses.
    for (keldo::PcSample& s : table.samples)
        s.closure.reset();
    const PcNormalization uncorrected = keldo::NormalizePc(table, {});
    EXPECT_FALSE(uncorrected.ok);
    EXPECT_EQ(uncorrected.refusal.kind, keldo::PcRefusalKind::PcsperrNotFalling);
}

TEST(PcNormalization, EveryUnitGivesTheSameResult)
{
    keldo::SyntheticPcSpec spec = DefaultSpec(8);
    spec.noise = 0.01;
    spec.closure = 0.08;
    spec.conformance = 0.04;
    const keldo::PcTable reference = keldo::MakeSyntheticPcTable(spec);
    const auto normalize = [&](const keldo::PcTableUnits& units) {
        const keldo::PcTableCells cells = keldo::WritePcTableCells(reference, units);
        const keldo::PcTableResult r = keldo::ReadPcTableText(keldo::JoinPcTableCells(cells, units.separator));
        EXPECT_TRUE(r.ok) << keldo::PcTableErrorMessage(r.error);
        return keldo::NormalizePc(r.table, {});
    };
    const PcNormalization bar = normalize({"bar", false, false, false, ','});
    ASSERT_TRUE(bar.ok) << keldo::PcRefusalMessage(bar.refusal);
    struct Case {
        const char* what;
        keldo::PcTableUnits units;
    } cases[] = {
        {"psi, percent", {"psi", true, false, false, ','}},
        {"psia, sw", {"psia", false, true, false, ';'}},
        {"kPa, sw in percent", {"kPa", true, true, false, ','}},
        {"MPa, darcy", {"MPa", false, false, true, '\t'}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PcNormalization n = normalize(c.units);
        ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
        EXPECT_EQ(n.pcMax, bar.pcMax);
        ExpectCoefficientsNear(n.relations.coefficients, bar.relations.coefficients, 1e-5);
        EXPECT_NEAR(n.rmsRefined, bar.rmsRefined, 1e-6);
        EXPECT_EQ(n.refinedTaken, bar.refinedTaken);
    }
}

TEST(PcNormalization, RefusesWithOneMessage)
{
    const auto spec = [](int samples, auto change) {
        keldo::SyntheticPcSpec s = DefaultSpec(samples);
        change(s);
        return keldo::MakeSyntheticPcTable(s);
    };
    const auto same = [](keldo::SyntheticPcSpec&) {};
    struct Case {
        const char* what;
        keldo::PcTable table;
        keldo::PcFitOptions options;
        keldo::PcRefusalKind kind;
        const char* inMessage;
    } cases[] = {
        {"alfa order 4", spec(12, same), {std::nullopt, 4, false}, keldo::PcRefusalKind::AlfaOrderInvalid,
            "0 bis 3 sein, nicht 4"},
        {"Pc max 10 bar given", spec(12, same), {10.0f, 3, false}, keldo::PcRefusalKind::PcMaxTooLow,
            "Max.Kapillardruck 10.0 bar ist zu niedrig"},
        {"largest pressure 8 bar", spec(12, [](keldo::SyntheticPcSpec& s) { s.pcMax = 8; }), {},
            keldo::PcRefusalKind::PcMaxTooLow, "8.0 bar"},
        {"two plugs", spec(2, same), {}, keldo::PcRefusalKind::TooFewSamples, "verwendbar sind 2"},
        {"four plugs, two with K = 0",
            spec(4, [](keldo::SyntheticPcSpec& s) { s.permeabilities[1] = s.permeabilities[3] = 0; }), {},
            keldo::PcRefusalKind::TooFewSamples, "verwendbar sind 2"},
        {"every plug 10 mD", spec(5, [](keldo::SyntheticPcSpec& s) { s.permeabilities.assign(5, 10.0); }), {},
            keldo::PcRefusalKind::PermeabilitiesEqual, "streuen zu wenig"},
        {"Swmin rising with K",
            spec(8,
                [](keldo::SyntheticPcSpec& s) {
                    s.coefficients.swmin = {-1.2, 0.1};
                }),
            {}, keldo::PcRefusalKind::SwminNotFalling, "log10(SwMin)=-1.2 +0.1*log10(K)"},
        {"Pcsperr rising with K",
            spec(8,
                [](keldo::SyntheticPcSpec& s) {
                    s.coefficients.pcsperr = {-0.5, 0.05};
                }),
            {}, keldo::PcRefusalKind::PcsperrNotFalling, "log10(PcSperr)=-0.5 +0.05*log10(K)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PcNormalization n = keldo::NormalizePc(c.table, c.options);
        EXPECT_FALSE(n.ok);
        EXPECT_EQ(n.refusal.kind, c.kind);
        const std::string message = keldo::PcRefusalMessage(n.refusal);
        EXPECT_EQ(message.rfind("ABBRUCH!!", 0), 0u) << message;
        EXPECT_NE(message.find(c.inMessage), std::string::npos) << message;
    }
}

TEST(PcNormalization, TakesOnlySetsTheDialogAccepts)
{
    const PcCoefficients defaults = DialogDefaultCoefficients();
    const auto with = [&](auto change) {
        PcCoefficients c = defaults;
        change(c);
        return c;
    };
    struct Case {
        const char* what;
        PcCoefficients c;
        keldo::PcRefusalKind kind;
    } cases[] = {
        {"the defaults", defaults, keldo::PcRefusalKind::None},
        {"beta 0 and 0", with([](PcCoefficients& c) {
             c.beta = {0, 0};
         }),
            keldo::PcRefusalKind::BetaMissing},
        {"beta0 0 alone", with([](PcCoefficients& c) { c.beta[0] = 0; }), keldo::PcRefusalKind::None},
        {"every alfa 0", with([](PcCoefficients& c) {
             c.alfa = {0, 0, 0, 0};
         }),
            keldo::PcRefusalKind::AlfaMissing},
        {"s1 = 0", with([](PcCoefficients& c) { c.swmin[1] = 0; }), keldo::PcRefusalKind::SwminNotFalling},
        {"p1 = 0", with([](PcCoefficients& c) { c.pcsperr[1] = 0; }), keldo::PcRefusalKind::PcsperrNotFalling},
        {"a coefficient beyond float", with([](PcCoefficients& c) { c.alfa[3] = 1e39; }),
            keldo::PcRefusalKind::NotRepresentable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(keldo::DialogRefusal(c.c), c.kind);
        if (c.kind != keldo::PcRefusalKind::None) {
            keldo::PcRefusal refusal;
            refusal.kind = c.kind;
            EXPECT_EQ(keldo::PcRefusalMessage(refusal).rfind("ABBRUCH!!", 0), 0u);
        }
    }
}

TEST(PcNormalization, LowersTheAlfaOrderToWhatTheSamplesCarry)
{
    struct Case {
        const char* what;
        int samples, requested, used;
        bool notice;
    } cases[] = {
        {"12 plugs, order 3", 12, 3, 3, false},
        {"12 plugs, order 1 asked", 12, 1, 1, false},
        {"5 plugs, order 3", 5, 3, 2, true},
        {"4 plugs, order 3", 4, 3, 1, true},
        {"3 plugs, order 2", 3, 2, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const PcNormalization n = keldo::NormalizePc(
            keldo::MakeSyntheticPcTable(DefaultSpec(c.samples)), {std::nullopt, c.requested, false});
        ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
        EXPECT_EQ(n.relations.alfaOrder, c.used);
        for (size_t i = static_cast<size_t>(c.used) + 1; i < 4; ++i)
            EXPECT_EQ(n.Chosen().alfa[i], 0.0);
        const bool lowered = std::any_of(n.notices.begin(), n.notices.end(),
            [](const keldo::PcNotice& x) { return x.kind == keldo::PcNoticeKind::AlfaOrderLowered; });
        EXPECT_EQ(lowered, c.notice);
        if (c.notice) {
            keldo::PcNotice notice;
            notice.kind = keldo::PcNoticeKind::AlfaOrderLowered;
            for (const keldo::PcNotice& x : n.notices)
                if (x.kind == notice.kind)
                    notice = x;
            EXPECT_NE(keldo::PcNoticeMessage(notice).find(keldo::Format("Ordnung %d statt %d", c.used, c.requested)),
                std::string::npos);
        }
    }
}

TEST(PcNormalization, OneBadPointDoesNotBendACurve)
{
    // One point of one plug off (a misread volume) as far as the plug stays
    // usable (a fall of SHg by more than 0.1 would leave it out): the plug's
    // own curve and the model's heights stay near the truth.
    struct Case {
        const char* what;
        size_t point;
        double error; // added to Sw
    } cases[] = {
        {"the last point 0.1 low", 39, -0.1},
        {"a point in the middle 0.09 high", 25, 0.09},
        {"the first intruded point 0.09 low", 19, -0.09},
    };
    const keldo::SyntheticPcSpec spec = DefaultSpec(12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        keldo::PcTable table = keldo::MakeSyntheticPcTable(spec);
        keldo::PcSample& plug = table.samples[5];
        plug.points[c.point].sw += c.error;
        const PcNormalization n = keldo::NormalizePc(table, {});
        ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
        ASSERT_EQ(n.samples.size(), 12u);
        const keldo::CapillaryCurve truth
            = keldo::CurveFor(keldo::MercuryModel(spec.coefficients, spec.pcMax), plug.permeability);
        const keldo::SampleCurveFit& fit = n.samples[5].fit;
        const keldo::CapillaryCurve fitted
            = keldo::SampleCurve(plug.permeability, n.pcMax, fit.swmin, fit.pcsperr, fit.alfa, fit.beta);
        for (size_t i = 0; i < plug.points.size(); ++i) {
            const double p = plug.points[i].pressure;
            if (i != c.point) {
                EXPECT_NEAR(keldo::SaturationAtPressure(fitted, p), keldo::SaturationAtPressure(truth, p), 0.015) << p;
            }
        }
        for (const double k : {1.0, 10.0, 100.0, 1000.0})
            for (const float sw : {0.3f, 0.5f, 0.8f}) {
                const double want = RunHeight(spec.coefficients, spec.pcMax, k, sw);
                EXPECT_NEAR(RunHeight(n.Chosen(), n.pcMax, k, sw), want, 0.01 * want) << "K " << k << " Sw " << sw;
            }
    }
}

TEST(PcNormalization, WarnsWhereSwminIsExtrapolatedAndListsWhatIsLeftOut)
{
    keldo::SyntheticPcSpec spec = DefaultSpec(6);
    spec.permeabilities[2] = -1;
    const keldo::PcTable table = keldo::MakeSyntheticPcTable(spec);
    // Pc max 160 bar: the highest pressure 141.7 bar lies below 144 bar.
    const PcNormalization n = keldo::NormalizePc(table, {160.0f, 3, false});
    ASSERT_TRUE(n.ok) << keldo::PcRefusalMessage(n.refusal);
    EXPECT_EQ(n.samplesRead, 6);
    ASSERT_EQ(n.samples.size(), 5u);
    ASSERT_EQ(n.excluded.size(), 1u);
    EXPECT_EQ(n.excluded[0].sample, "P03");
    int extrapolated = 0;
    for (const keldo::PcNotice& x : n.notices)
        if (x.kind == keldo::PcNoticeKind::SwminExtrapolated) {
            ++extrapolated;
            EXPECT_NE(
                keldo::PcNoticeMessage(x).find("141.7 bar liegt unter 90 % von Pc max (160.0 bar)"), std::string::npos);
        }
    EXPECT_EQ(extrapolated, 5);
    // At 150 bar the highest pressure reaches 90 %.
    const PcNormalization reached = keldo::NormalizePc(table, {150.0f, 3, false});
    EXPECT_TRUE(std::none_of(reached.notices.begin(), reached.notices.end(),
        [](const keldo::PcNotice& x) { return x.kind == keldo::PcNoticeKind::SwminExtrapolated; }));
}
