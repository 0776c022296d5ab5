#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CoreTable.h"
#include "ScratchFolder.h"
#include "VolveTable.h"

using keldo::PhiKSample;
using keldo::ReadCoreTableText;

namespace {

struct TableCase {
    const char* what;
    std::string text;
    std::vector<PhiKSample> samples; // when read
    const char* error;               // else: the message, exactly
    long long line = 0;              // and the bad line's number
};

const TableCase kTables[] = {
    {"three columns", "2850.5 0.21 120\n2851 0.19 85.5\n", {{2850.5, 0.21f, 120}, {2851, 0.19f, 85.5}}, nullptr, 0},
    {"column headings, comments and blank lines",
        "Teufe Porosität Permeabilität\n# Labor 2009\n\n  2850.5\t0.21\t120\n   \n# Ende\n", {{2850.5, 0.21f, 120}},
        nullptr, 0},
    {"Windows file: byte-order mark, CR LF", "\xEF\xBB\xBFTiefe;Phi;K\r\n2850.5 0.21 120\r\n2851 0.19 1.5e2\r\n",
        {{2850.5, 0.21f, 120}, {2851, 0.19f, 150}}, nullptr, 0},
    {"further columns are ignored", "2850.5 0.21 120 2.65 Kern-7\n", {{2850.5, 0.21f, 120}}, nullptr, 0},
    {"values outside the fit's ranges are read", "2850 0 -999.25\n2851 21.5 0\n",
        {{2850, 0, -999.25f}, {2851, 21.5f, 0}}, nullptr, 0},
    {"no line at all", "", {}, nullptr, 0},
    {"decimal comma", "# Kerndaten\n2850.5 0.21 120\n2851,0 0,19 85\n", {},
        "ABBRUCH in der 3.Zeile der Datei kern.txt\n2851,0 0,19 85\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        3},
    {"semicolons", "2850.5;0.21;120\n", {},
        "ABBRUCH in der 1.Zeile der Datei kern.txt\n2850.5;0.21;120\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        1},
    {"two numbers", "2850.5 0.21\n", {},
        "ABBRUCH in der 1.Zeile der Datei kern.txt\n2850.5 0.21\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        1},
    {"a heading after the numbers", "2850.5 0.21 120\r\nKern 2\r\n", {},
        "ABBRUCH in der 2.Zeile der Datei kern.txt\nKern 2\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        2},
    {"too large for a float", "2850.5 0.21 1e39\n", {},
        "ABBRUCH in der 1.Zeile der Datei kern.txt\n2850.5 0.21 1e39\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        1},
    {"unit text glued to the number", "2850.5m 0.21 120\n", {},
        "ABBRUCH in der 1.Zeile der Datei kern.txt\n2850.5m 0.21 120\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        1},
    {"Windows code page in the quoted line", "2850.5 0.21 120\n2851 0.19 85 \xB5m\xB2 x\n2852 \xE4\n", {},
        "ABBRUCH in der 3.Zeile der Datei kern.txt\n2852 ä\n"
        "Die Zeile enthält nicht Teufe, Porosität und Permeabilität (mD) als drei Zahlen!",
        3},
};

} // namespace

TEST(CoreTable, ReadsLinesOfThreeNumbers)
{
    for (const TableCase& c : kTables) {
        SCOPED_TRACE(c.what);
        std::vector<PhiKSample> samples{{1, 2, 3}};
        keldo::CoreTableError error;
        const bool read = ReadCoreTableText(c.text, "kern.txt", samples, error);
        EXPECT_EQ(read, c.error == nullptr);
        if (c.error) {
            EXPECT_EQ(error.Message(), c.error);
            EXPECT_EQ(error.kind, keldo::CoreTableErrorKind::BadLine);
            EXPECT_EQ(error.line, c.line);
            EXPECT_TRUE(samples.empty());
            continue;
        }
        ASSERT_EQ(samples.size(), c.samples.size());
        for (size_t i = 0; i < samples.size(); ++i) {
            // Every number goes through float, as the measurement files' numbers do.
            EXPECT_EQ(samples[i].depth, static_cast<float>(c.samples[i].depth));
            EXPECT_EQ(samples[i].porosity, static_cast<float>(c.samples[i].porosity));
            EXPECT_EQ(samples[i].permeability, static_cast<float>(c.samples[i].permeability));
        }
    }
}

// A line longer than any row of a core table stops the reading at once,
// with the line and the limit; a file that is a pipe or a device is refused
// before a byte is read (NonRegularInputTest).
TEST(CoreTable, ALineBeyondTheLimitIsRefused)
{
    std::vector<PhiKSample> samples;
    keldo::CoreTableError error;
    EXPECT_FALSE(ReadCoreTableText(
        "2800 0.2 1\n" + std::string(keldo::kLongestCoreTableLine + 1, '1') + "\n", "kern.txt", samples, error));
    EXPECT_EQ(error.kind, keldo::CoreTableErrorKind::LineTooLong);
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.Message(), "ABBRUCH in der 2.Zeile der Datei kern.txt\nDie Zeile ist länger als 65536 Zeichen!");
    EXPECT_TRUE(samples.empty());
}

TEST(CoreTable, ReadsTheVolveTableAndNamesAMissingFile)
{
    // The first and last rows as they stand in the file.
    std::string error;
    std::vector<PhiKSample> samples = ReadVolveTable(error);
    ASSERT_EQ(samples.size(), 2647u) << error;
    EXPECT_EQ(samples.front().depth, 2804.301f);
    EXPECT_EQ(samples.front().porosity, 0.2699f);
    EXPECT_EQ(samples.front().permeability, 0.001f);
    EXPECT_EQ(samples.back().depth, 3044.615f);

    ScratchFolder folder;
    keldo::CoreTableError missing;
    EXPECT_FALSE(keldo::ReadCoreTable(folder.file("fehlt.txt"), samples, missing));
    EXPECT_EQ(missing.Message(), "ABBRUCH!!Die Datei " + folder.file("fehlt.txt") + " kann nicht gelesen werden!");
    EXPECT_EQ(missing.kind, keldo::CoreTableErrorKind::CannotOpen);
    EXPECT_TRUE(samples.empty());
}
