// The LAS and CSV files of the curves: LAS 2.0 as the program's reader and
// others take it, the same bytes whatever the locale, and one place that
// writes them to disk.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "CurvesCsv.h"
#include "CurvesFile.h"
#include "CurvesLas.h"
#include "DefaultParameters.h"
#include "LasReader.h"
#include "LocaleGuard.h"
#include "MeasurementCurves.h"
#include "MeasurementLine.h"
#include "ScratchFolder.h"
#include "TextFormat.h"

namespace {

// A short gas well, the default model, contact 1950 m; the last line lies
// below the cut-off, so it has no contact.
keldo::MeasurementCurves SmallWell(std::vector<float> depths, const std::string& name = "Bohrung Süd 1")
{
    CKeldoInputs in;
    SetDefaultGasParameters(in);
    in.m_strBohrung = name;
    in.m_fKontakt = 1950;
    in.m_fMinTeufe = std::min(depths.front(), depths.back());
    in.m_fMaxTeufe = std::max(depths.front(), depths.back());
    std::vector<std::string> lines;
    for (size_t i = 0; i < depths.size(); ++i)
        lines.push_back(keldo::FormatMeasurementLine(depths[i], i + 1 < depths.size() ? 0.2f : 0.04f, 0.35f));
    return keldo::ComputeCurves({in, lines});
}

keldo::LasLog ReadBack(const std::string& text)
{
    keldo::LasLog log;
    keldo::WellDataError error;
    std::istringstream in(text);
    EXPECT_TRUE(keldo::ReadLas(in, keldo::KeepAllCurves(), log, error)) << error.Message();
    return log;
}

std::string Item(const std::vector<keldo::LasHeaderItem>& items, const char* mnemonic)
{
    const keldo::LasHeaderItem* item = keldo::FindHeaderItem(items, mnemonic);
    return item ? item->value : "(fehlt)";
}

} // namespace

TEST(CurvesLas, IsLas20ThatTheReaderTakes)
{
    const struct Case {
        const char* what;
        std::vector<float> depths;
        keldo::DepthReference reference;
        const char* depthCurve;
        const char* step;
    } cases[] = {
        {"regular step, TVD of a document", {1900, 1900.5f, 1901, 1901.5f}, keldo::DepthReference::Tvd, "TVD", "0.500"},
        {"irregular step, TVDSS of a log", {1900, 1900.5f, 1901.2f}, keldo::DepthReference::Tvdss, "TVDSS", "0.000"},
        {"falling depths", {1901.5f, 1901, 1900.5f}, keldo::DepthReference::Tvd, "TVD", "-0.500"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::MeasurementCurves curves = SmallWell(c.depths);
        const keldo::LasLog log = ReadBack(keldo::CurvesLasText(curves, c.reference));
        EXPECT_EQ(log.header.version, "2.0");
        EXPECT_FALSE(log.header.wrap);
        EXPECT_EQ(log.header.nullValue, -999.25);
        EXPECT_EQ(keldo::WellName(log.header), "Bohrung Süd 1");
        EXPECT_EQ(Item(log.header.well, "STEP"), c.step);
        EXPECT_EQ(Item(log.header.well, "STRT"), keldo::Format("%.3f", c.depths.front()));
        EXPECT_EQ(Item(log.header.well, "STOP"), keldo::Format("%.3f", c.depths.back()));

        std::vector<std::string> mnemonics, units;
        for (const auto& curve : log.header.curves) {
            mnemonics.push_back(curve.mnemonic);
            units.push_back(curve.unit);
        }
        EXPECT_EQ(mnemonics, (std::vector<std::string>{c.depthCurve, "PHI", "SW", "SW_MOD", "KEFF", "SWMIN", "HAC",
                                 "CONTACT", "NET", "PAY"}));
        EXPECT_EQ(units, (std::vector<std::string>{"M", "V/V", "V/V", "V/V", "MD", "V/V", "M", "M", "", ""}));

        ASSERT_EQ(log.rows, c.depths.size());
        for (size_t i = 0; i < c.depths.size(); ++i) {
            const keldo::CurveRow& row = curves.rows[i];
            EXPECT_EQ(static_cast<float>(log.values[0][i]), row.depth);
            EXPECT_NEAR(log.values[3][i], row.modelSw, 0.51e-5);
            EXPECT_NEAR(log.values[4][i], row.keff, 0.51e-4);
            EXPECT_NEAR(log.values[5][i], row.swmin, 0.51e-5);
            EXPECT_NEAR(log.values[6][i], row.heightAboveContact, 0.51e-3);
            EXPECT_EQ(log.values[8][i], row.net ? 1 : 0);
            EXPECT_EQ(log.values[9][i], row.pay ? 1 : 0);
        }
        // The last row lies below the porosity cut-off: no contact, NULL.
        EXPECT_NEAR(log.values[7][0], curves.rows[0].contact, 0.51e-3);
        EXPECT_TRUE(std::isnan(log.values[7].back()));
    }
}

// The model goes into ~P: contact, fluid, reservoir, the coefficients as
// entered, the cut-offs (that of the shale only with a shale curve).
TEST(CurvesLas, ParametersHoldTheModel)
{
    keldo::MeasurementCurves curves = SmallWell({1900, 1901});
    const struct {
        const char* mnemonic;
        const char* value;
    } expected[] = {
        {"FLUID", "GAS"}, {"CONTACT", "1950"}, {"PI", "200"}, {"TEMP", "138"}, {"RHOW", "1070"}, {"GASREL", "0.6"},
        {"PCMAX", "141.7"}, {"PRESDEP", "1"}, {"PHIK0", "-2.56554"}, {"PHIK1", "22.0004"}, {"PHIK2", "0"},
        {"ALFA0", "8.29083"}, {"ALFA3", "-0.0412589"}, {"BETA0", "-0.853872"}, {"SWMIN1", "-0.231293"},
        {"PCSP0", "0.503791"}, {"PHICUT", "0.06"}, {"SWCUT", "0.5"}, {"VSHCUT", "(fehlt)"}, {"ANGLE", "(fehlt)"},
    };
    const keldo::LasLog log = ReadBack(keldo::CurvesLasText(curves, keldo::DepthReference::Tvd));
    for (const auto& e : expected)
        EXPECT_EQ(Item(log.header.parameters, e.mnemonic), e.value) << e.mnemonic;
    curves.shaleCurve = true;
    curves.cutoffs.shale = 0.35;
    const keldo::LasLog withShale = ReadBack(keldo::CurvesLasText(curves, keldo::DepthReference::Tvd));
    EXPECT_EQ(Item(withShale.header.parameters, "VSHCUT"), "0.35");
}

// The CSV table holds the LAS file's numbers, with empty fields for the
// missing ones; both are the same bytes under a German locale.
TEST(CurvesCsv, HoldsTheLasNumbersWhateverTheLocale)
{
    const keldo::MeasurementCurves curves = SmallWell({1900, 1900.5f});
    const std::string csv = keldo::CurvesCsvText(curves, keldo::DepthReference::Tvdss);
    const std::string las = keldo::CurvesLasText(curves, keldo::DepthReference::Tvdss);
    std::istringstream lines(csv);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "TVDSS,PHI,SW,SW_MOD,KEFF,SWMIN,HAC,CONTACT,NET,PAY");
    const keldo::CurveRow& row = curves.rows[0];
    EXPECT_EQ(first, keldo::Format("1900.000,0.20000,0.35000,%.5f,%.4f,%.5f,50.000,%.3f,1,1", row.modelSw, row.keff,
                         row.swmin, row.contact));
    EXPECT_EQ(second.substr(second.size() - 11), "49.500,,0,0");

    GermanLocale german;
    if (!german.active())
        GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(keldo::CurvesCsvText(curves, keldo::DepthReference::Tvdss), csv);
    EXPECT_EQ(keldo::CurvesLasText(curves, keldo::DepthReference::Tvdss), las);
}

// The file on disk is the text, in the code page of the program's files.
TEST(CurvesFile, SavesTheTextAsAWhole)
{
    ScratchFolder folder;
    const keldo::MeasurementCurves curves = SmallWell({1900, 1900.5f});
    for (const auto format : {keldo::CurveFileFormat::Las, keldo::CurveFileFormat::Csv}) {
        const std::string path = folder.file(format == keldo::CurveFileFormat::Las ? "curves.las" : "curves.csv");
        int err = 0;
        ASSERT_TRUE(keldo::SaveCurves(path, format, curves, keldo::DepthReference::Tvd, err)) << err;
        EXPECT_EQ(ReadBytes(path),
            format == keldo::CurveFileFormat::Las ? keldo::CurvesLasText(curves, keldo::DepthReference::Tvd)
                                                  : keldo::CurvesCsvText(curves, keldo::DepthReference::Tvd));
    }
    EXPECT_NE(ReadBytes(folder.file("curves.las")).find("Bohrung S\xFC" "d 1"), std::string::npos);
    int err = 0;
    EXPECT_FALSE(keldo::SaveCurves(folder.file("kein/curves.las"), keldo::CurveFileFormat::Las, curves,
        keldo::DepthReference::Tvd, err));
    EXPECT_NE(err, 0);
}
