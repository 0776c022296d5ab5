#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PcFile.h"
#include "PcMessages.h"
#include "PcTable.h"
#include "TextFormat.h"

using keldo::PcColumn;
using keldo::PcTableErrorKind;

namespace {

const char* const kHeader = "sample,depth (m),porosity,permeability (mD),pressure (psia),hg_saturation (%),closure";

keldo::PcTableResult Interpret(const std::string& text) { return keldo::ReadPcTableText(text); }

} // namespace

TEST(PcTable, BadInputNamesLineAndColumn)
{
    struct Case {
        const char* what;
        std::string text;
        PcTableErrorKind kind;
        long long line;
        int column;
        PcColumn role;
    } cases[] = {
        {"no sample column", "depth,porosity,permeability,pressure,sw\n1,0.2,10,1,1\n", PcTableErrorKind::MissingColumn,
            1, 0, PcColumn::Sample},
        {"no porosity column", "sample,permeability,pressure,sw\nA,10,1,1\n", PcTableErrorKind::MissingColumn, 1, 0,
            PcColumn::Porosity},
        {"no permeability column", "sample,porosity,pressure,sw\nA,0.2,1,1\n", PcTableErrorKind::MissingColumn, 1, 0,
            PcColumn::Permeability},
        {"no pressure column", "sample,porosity,permeability,sw\nA,0.2,10,1\n", PcTableErrorKind::MissingColumn, 1, 0,
            PcColumn::Pressure},
        {"no saturation column", "# lab export\nsample,porosity,permeability,pressure\nA,0.2,10,1\n",
            PcTableErrorKind::MissingColumn, 2, 0, PcColumn::HgSaturation},
        {"pressure twice", "sample,porosity,permeability,pressure,sw,Pressure (bar)\nA,0.2,10,1,1,1\n",
            PcTableErrorKind::DuplicateColumn, 1, 6, PcColumn::Pressure},
        {"both saturations", "sample,porosity,permeability,pressure,hg_saturation,sw\nA,0.2,10,1,0,1\n",
            PcTableErrorKind::BothSaturations, 1, 6, PcColumn::Sw},
        {"pressure in atm", "sample,porosity,permeability,pressure (atm),sw\nA,0.2,10,1,1\n",
            PcTableErrorKind::UnknownUnit, 1, 4, PcColumn::Pressure},
        {"porosity in ppm", "sample,porosity [ppm],permeability,pressure,sw\nA,0.2,10,1,1\n",
            PcTableErrorKind::UnknownUnit, 1, 2, PcColumn::Porosity},
        {"depth in feet", "sample,depth (ft),porosity,permeability,pressure,sw\nA,1,0.2,10,1,1\n",
            PcTableErrorKind::UnknownUnit, 1, 2, PcColumn::Depth},
        {"header only", std::string(kHeader) + "\n\n# nothing measured\n", PcTableErrorKind::NoRows, 1, 0,
            PcColumn::Sample},
        {"empty porosity", std::string(kHeader) + "\nA,2901,0.2,10,5,0,\nA,2901,,10,10,5,\n",
            PcTableErrorKind::MissingValue, 3, 3, PcColumn::Porosity},
        {"short row", std::string(kHeader) + "\nA,2901,0.2,10,5\n", PcTableErrorKind::MissingValue, 2, 6,
            PcColumn::HgSaturation},
        {"empty sample name", std::string(kHeader) + "\n ,2901,0.2,10,5,0,\n", PcTableErrorKind::MissingValue, 2, 1,
            PcColumn::Sample},
        {"pressure not a number", std::string(kHeader) + "\nA,2901,0.2,10,5 psi,0,\n", PcTableErrorKind::NotANumber, 2,
            5, PcColumn::Pressure},
        {"a semicolon inside a cell of a comma file", std::string(kHeader) + "\nA,2901,0.2,10,5,0,0;5\n",
            PcTableErrorKind::NotANumber, 2, 7, PcColumn::Closure},
        {"nan is no number", std::string(kHeader) + "\nA,nan,0.2,10,5,0,\n", PcTableErrorKind::NotANumber, 2, 2,
            PcColumn::Depth},
        {"porosity above 1 without (%)", std::string(kHeader) + "\nA,2901,21,10,5,0,\n", PcTableErrorKind::OutOfRange,
            2, 3, PcColumn::Porosity},
        {"saturation above 100 %", std::string(kHeader) + "\nA,2901,0.2,10,5,100.5,\n", PcTableErrorKind::OutOfRange, 2,
            6, PcColumn::HgSaturation},
        {"negative sw", "sample,porosity,permeability,pressure,sw\nA,0.2,10,5,-0.01\n", PcTableErrorKind::OutOfRange, 2,
            5, PcColumn::Sw},
        {"pressure 0", std::string(kHeader) + "\nA,2901,0.2,10,0,0,\n", PcTableErrorKind::OutOfRange, 2, 5,
            PcColumn::Pressure},
        {"negative closure", std::string(kHeader) + "\nA,2901,0.2,10,5,0,-1\n", PcTableErrorKind::OutOfRange, 2, 7,
            PcColumn::Closure},
        {"a cell beyond the header", std::string(kHeader) + "\nA,2901,0.2,10,5,0,,x\n", PcTableErrorKind::ExtraCell, 2,
            8, PcColumn::Sample},
        {"porosity differs in the sample",
            std::string(kHeader) + "\nA,2901,0.2,10,5,0,\nB,2905,0.1,1,5,0,\nA,2901,0.21,10,10,5,\n",
            PcTableErrorKind::DiffersWithinSample, 4, 3, PcColumn::Porosity},
        {"depth missing on one row", std::string(kHeader) + "\nA,2901,0.2,10,5,0,\nA,,0.2,10,10,5,\n",
            PcTableErrorKind::DiffersWithinSample, 3, 2, PcColumn::Depth},
        {"closure on one row only", std::string(kHeader) + "\nA,2901,0.2,10,5,0,\nA,2901,0.2,10,10,5,3\n",
            PcTableErrorKind::DiffersWithinSample, 3, 7, PcColumn::Closure},
        {"permeability differs", std::string(kHeader) + "\nA,2901,0.2,10,5,0,\nA,2901,0.2,11,10,5,\n",
            PcTableErrorKind::DiffersWithinSample, 3, 4, PcColumn::Permeability},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::PcTableResult r = Interpret(c.text);
        ASSERT_FALSE(r.ok);
        EXPECT_EQ(r.error.kind, c.kind);
        EXPECT_EQ(r.error.line, c.line);
        EXPECT_EQ(r.error.column, c.column);
        EXPECT_EQ(r.error.role, c.role);
        // One message that names the line and, where there is one, the column.
        const std::string message = keldo::PcTableErrorMessage(r.error);
        EXPECT_EQ(message.rfind("ABBRUCH!!", 0), 0u) << message;
        EXPECT_NE(message.find(keldo::Format("Zeile %lld", c.line)), std::string::npos) << message;
        if (c.column > 0) {
            EXPECT_NE(message.find(keldo::Format("Spalte %d", c.column)), std::string::npos) << message;
        }
        if (c.kind == PcTableErrorKind::DiffersWithinSample) {
            EXPECT_NE(message.find("Zeile 2 der Probe \"A\""), std::string::npos) << message;
        }
    }
}

TEST(PcTable, ReadsUnitsSeparatorsAndScatteredSamples)
{
    // 1 psi = 6894.757293168 Pa: 14.5037738 psia are 1.0000000 bar.
    struct Case {
        const char* what;
        std::string text;
        double pressure, sw, porosity, permeability; // of sample B's first point
        double closure;                              // bar, 0: none
    } cases[] = {
        {"psia, percent, closure in psia",
            "Sample,Depth (m),Porosity (%),Permeability (mD),Pressure (psia),HG_Saturation (%),Closure\n"
            "A,2901,20,10,14.5037738,0,\nB,2905,12.5,0.5,100,4,14.5037738\n",
            6.894757293168, 0.96, 0.125, 0.5, 1.0},
        {"bar, fractions, sw, darcy",
            "sample;porosity [-];permeability [D];pressure [bar];sw;note\n"
            "B;0,125;0,0005;6,894757;0,96;first\nA;0,2;0,01;1;1;\n",
            6.894757, 0.96, 0.125, 0.5, 0},
        {"kPa, tab, closure in MPa",
            "sample\tporosity\tpermeability\tpressure (kPa)\tsw (%)\tclosure (MPa)\n"
            "B\t0.125\t0.5\t689.4757\t96\t0,1\n",
            6.894757, 0.96, 0.125, 0.5, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const keldo::PcTableResult r = Interpret(c.text);
        ASSERT_TRUE(r.ok) << keldo::PcTableErrorMessage(r.error);
        const keldo::PcSample* b = nullptr;
        for (const keldo::PcSample& s : r.table.samples)
            if (s.name == "B")
                b = &s;
        ASSERT_NE(b, nullptr);
        EXPECT_NEAR(b->points[0].pressure, c.pressure, 1e-6 * c.pressure);
        EXPECT_NEAR(b->points[0].sw, c.sw, 1e-7);
        EXPECT_NEAR(b->porosity, c.porosity, 1e-7);
        EXPECT_NEAR(b->permeability, c.permeability, 1e-6);
        EXPECT_NEAR(b->closure.value_or(0), c.closure, 1e-6);
    }
}

TEST(PcTable, GroupsASamplesRowsFromAnywhereInTheFile)
{
    const std::string text = std::string(kHeader)
        + "\nA,2901,0.2,10,50,40,\n# a comment between the rows\nB,2905,0.1,1,5,0,\n\nA,2901,0.2,10,5,0,\n"
          "C,2910,0.15,3,5,1,\nB,2905,0.1,1,50,10,\nA,2901,0.2,10,500,80,\n";
    const keldo::PcTableResult r = Interpret(text);
    ASSERT_TRUE(r.ok) << keldo::PcTableErrorMessage(r.error);
    ASSERT_EQ(r.table.samples.size(), 3u);
    struct Expect {
        const char* name;
        long long firstLine;
        std::vector<long long> lines;
    } expected[] = {{"A", 2, {2, 6, 9}}, {"B", 4, {4, 8}}, {"C", 7, {7}}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(expected[i].name);
        const keldo::PcSample& s = r.table.samples[i];
        EXPECT_EQ(s.name, expected[i].name);
        EXPECT_EQ(s.firstLine, expected[i].firstLine);
        std::vector<long long> lines;
        for (const keldo::PcPoint& p : s.points)
            lines.push_back(p.line);
        EXPECT_EQ(lines, expected[i].lines);
    }
    EXPECT_NEAR(r.table.maxPressure, 500 * 0.06894757293168, 1e-9);
}

// The whole file: what cannot be read, what is not a table, and the code of
// the text (UTF-8, else Windows-1252, as the LAS reader decides).
TEST(PcFile, ReadsRegularFilesWithinTheLimits)
{
    const std::string folder = ::testing::TempDir() + "keldo-pc-file";
    std::filesystem::create_directories(folder);
    const std::string longLine(keldo::kPcFileLimits.longestLine + 1, 'x');
    const std::string rows = "\nA,0.2,10,5,0\n";
    struct Case {
        const char* what;
        std::string path; // read from the disk; empty: `text` written to a file first
        std::string text;
        PcTableErrorKind kind;
        long long line;
        std::string sample; // the first sample's name when the file is read
    } cases[] = {
        {"missing", folder + "/none.csv", "", PcTableErrorKind::CannotRead, 0, ""},
        {"a folder", folder, "", PcTableErrorKind::CannotRead, 0, ""},
        {"a device", "/dev/zero", "", PcTableErrorKind::CannotRead, 0, ""},
        {"empty", "", "", PcTableErrorKind::NoHeader, 0, ""},
        {"comments only", "", "# Labor\n\n#\n", PcTableErrorKind::NoHeader, 0, ""},
        {"unclosed quote in the header", "", "\"sample,porosity\n", PcTableErrorKind::UnclosedQuote, 1, ""},
        {"unclosed quote in a row", "", "sample,porosity,permeability,pressure,sw\n\"A,0.2,10,5,0\n",
            PcTableErrorKind::UnclosedQuote, 2, ""},
        {"a bad row before an unclosed quote", "", "sample,porosity,permeability,pressure,sw\nA,x,10,5,0\n\"B\n",
            PcTableErrorKind::NotANumber, 2, ""},
        {"a line too long", "", "sample,porosity,permeability,pressure,sw" + rows + longLine + "\n",
            PcTableErrorKind::LineTooLong, 3, ""},
        {"utf-8 with its mark", "",
            "\xEF\xBB\xBFsample,porosity,permeability,pressure,sw\n"
            "Pr\xC3\xB6"
            "be 1,0.2,10,5,0\n",
            PcTableErrorKind::NoRows, 0,
            "Pr\xC3\xB6"
            "be 1"},
        {"windows-1252", "",
            "sample;porosity;permeability;pressure;sw\nPr\xF6"
            "be 1;0,2;10;5;0\n",
            PcTableErrorKind::NoRows, 0,
            "Pr\xC3\xB6"
            "be 1"},
        {"a number beyond single precision", "", "sample,porosity,permeability,pressure,sw\nA,0.2,1e39,5,0\n",
            PcTableErrorKind::NotANumber, 2, ""},
    };
    int written = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string path = c.path;
        if (path.empty()) {
            path = folder + keldo::Format("/table-%d.csv", written++);
            std::ofstream(path, std::ios::binary) << c.text;
        }
        const keldo::PcTableResult r = keldo::ReadPcFile(path);
        EXPECT_EQ(keldo::IsUnreadable(r.error), c.kind == PcTableErrorKind::CannotRead);
        if (!c.sample.empty()) {
            ASSERT_TRUE(r.ok) << keldo::PcTableErrorMessage(r.error);
            EXPECT_EQ(r.table.samples.front().name, c.sample);
            continue;
        }
        ASSERT_FALSE(r.ok);
        EXPECT_EQ(r.error.kind, c.kind);
        EXPECT_EQ(r.error.line, c.line);
        const std::string message = keldo::PcTableErrorMessage(r.error);
        EXPECT_EQ(message.rfind("ABBRUCH!!", 0), 0u) << message;
        if (c.kind == PcTableErrorKind::CannotRead) {
            EXPECT_NE(message.find(path), std::string::npos) << message;
        }
    }
}
