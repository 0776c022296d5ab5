#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "PressureMessages.h"
#include "PressureTable.h"
#include "PressureTables.h"

using keldo::PressureFluid;
using keldo::PressureTableErrorKind;

namespace {

struct Point {
    long long line;
    double depth;
    double pressure; // bar
    std::optional<PressureFluid> fluid;
};

struct ReadCase {
    const char* what;
    std::string text;
    char separator;
    const char* well;
    std::vector<Point> points;
    std::vector<long long> leftOut; // lines of the left-out points that can be shown
    int leftOutRows;
};

// 4500 psi: 1 psi = 0.45359237 kg · 9.80665 m/s² / (0.0254 m)² = 6894.757293168 Pa (exact by the
// definitions of the pound, standard gravity and the inch).
constexpr double k4500PsiInBar = 310.26407819256;

const ReadCase kReadable[] = {
    {"names in any case and order, bar without a unit", "Pressure;DEPTH\n301.25;2921.5\n300;2911\n", ';', "",
        {{2, 2921.5, 301.25, {}}, {3, 2911, 300, {}}}, {}, 0},
    {"psi, depth in m, a comment and a blank line", "# RFT 2009\n\ndepth (m),pressure (psi)\n2921.5,4500\n", ',', "",
        {{4, 2921.5, k4500PsiInBar, {}}}, {}, 0},
    {"kPa, tab separator, unit names in any case", "Depth (M)\tPressure (KPA)\n2921.5\t30125\n", '\t', "",
        {{2, 2921.5, 301.25, {}}}, {}, 0},
    {"MPa with blanks in the parentheses, decimal commas", "depth;pressure ( MPa )\n2921,5;30,125\n", ';', "",
        {{2, 2921.5, 301.25, {}}}, {}, 0},
    {"every spelling of the fluids",
        "depth;pressure;fluid\n2900;290;water\n2901;290.1;W\n2902;290.2;Oil\n2903;290.3;o\n2904;290.4;GAS\n2905;290.5;"
        "g\n",
        ';', "",
        {{2, 2900, 290, PressureFluid::Water}, {3, 2901, 290.1, PressureFluid::Water},
            {4, 2902, 290.2, PressureFluid::Oil}, {5, 2903, 290.3, PressureFluid::Oil},
            {6, 2904, 290.4, PressureFluid::Gas}, {7, 2905, 290.5, PressureFluid::Gas}},
        {}, 0},
    {"the document's well only; other wells' rows are not looked at",
        "well;depth;pressure\n15/9-F-12;2900;290\n15/9-F-11 A;2901;xyz\n  15/9-f-12 ;2902;290.2\n15/9-F-12  "
        "A;2903;290\n",
        ';', "15/9-F-12", {{2, 2900, 290, {}}, {4, 2902, 290.2, {}}}, {}, 0},
    {"well names: blank runs inside count as one, letters in any case",
        "well;depth;pressure\n15/9-F-11 A;2901;290.1\n15/9-F-11A;2902;290.2\n", ';', "15/9-F-11  a",
        {{2, 2901, 290.1, {}}}, {}, 0},
    {"use: 0 leaves a point out, 1, 1.0 and empty keep it",
        "depth;pressure;use\n2900;290;1\n2901;290.1;0\n2902;290.2;\n2903;n/a;0\n2904;290.4;1.0\n", ';', "",
        {{2, 2900, 290, {}}, {4, 2902, 290.2, {}}, {6, 2904, 290.4, {}}}, {3}, 2},
    {"unknown and unnamed columns are ignored, so are empty cells beyond the header",
        "depth;mobility (mD/cP);;pressure;fluid (-)\n2900;12.5;x;290;gas;;\n", ';', "",
        {{2, 2900, 290, PressureFluid::Gas}}, {}, 0},
    {"rows of separators only are skipped", "depth;pressure\n;\n2900;290\n", ';', "", {{3, 2900, 290, {}}}, {}, 0},
};

} // namespace

TEST(PressureTable, ReadsThePointsOfTheDocumentsWell)
{
    for (const ReadCase& c : kReadable) {
        SCOPED_TRACE(c.what);
        const keldo::CsvTable split = Split(c.text, c.separator);
        keldo::PressureTable table;
        keldo::PressureTableError error;
        ASSERT_TRUE(keldo::ReadPressureTable(split, c.well, table, error))
            << keldo::PressureTableMessage(error, "druck.csv");
        ASSERT_EQ(table.points.size(), c.points.size());
        for (size_t i = 0; i < c.points.size(); ++i) {
            EXPECT_EQ(table.points[i].line, c.points[i].line);
            EXPECT_DOUBLE_EQ(table.points[i].depth, c.points[i].depth);
            EXPECT_NEAR(table.points[i].pressure, c.points[i].pressure, 1e-10);
            EXPECT_EQ(table.points[i].fluid, c.points[i].fluid);
        }
        EXPECT_EQ(table.fluidColumn, c.points.front().fluid.has_value());
        ASSERT_EQ(table.leftOut.size(), c.leftOut.size());
        for (size_t i = 0; i < c.leftOut.size(); ++i)
            EXPECT_EQ(table.leftOut[i].line, c.leftOut[i]);
        EXPECT_EQ(table.leftOutRows, c.leftOutRows);
    }
}

namespace {

struct BadCase {
    const char* what;
    std::string text;
    char separator;
    const char* well;
    PressureTableErrorKind kind;
    long long line;
    int column;
    const char* message;
    char splitAt = 0; // where the test splits the text, when not at the separator
};

const BadCase kBad[] = {
    {"an empty file", "", ';', "", PressureTableErrorKind::NoHeader, 0, 0,
        "ABBRUCH!!Druckdatei druck.csv: Die Datei hat keine Kopfzeile (depth, pressure, …)."},
    {"a header of separators", " ; \n2900;290\n", ';', "", PressureTableErrorKind::NoHeader, 1, 0,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 1: Die Datei hat keine Kopfzeile (depth, pressure, …)."},
    {"a column twice", "depth;pressure;Depth (m)\n2900;290;2900\n", ';', "", PressureTableErrorKind::RepeatedColumn, 1,
        3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 1, Spalte 3 (depth): Die Spalte depth steht schon als Spalte 1 in der "
        "Kopfzeile."},
    {"no pressure column", "# RFT\ndepth;druck\n2900;290\n", ';', "", PressureTableErrorKind::MissingColumn, 2, 0,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2: Die Spalte pressure fehlt; die Kopfzeile braucht depth und pressure."},
    {"depth in feet", "depth (ft);pressure\n9583;290\n", ';', "", PressureTableErrorKind::UnknownUnit, 1, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 1, Spalte 1 (depth): Die Einheit \"ft\" ist unbekannt; die Teufe wird "
        "in m angegeben."},
    {"pressure in atmospheres", "depth;pressure (atm)\n2900;286\n", ';', "", PressureTableErrorKind::UnknownUnit, 1, 2,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 1, Spalte 2 (pressure): Die Einheit \"atm\" ist unbekannt; bekannt sind "
        "bar, psi, kPa und MPa (auch bara, barg, psia, psig)."},
    {"a unit without its closing parenthesis", "depth;pressure (psi\n2900;4500\n", ';', "",
        PressureTableErrorKind::UnknownUnit, 1, 2,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 1, Spalte 2 (pressure): Die Einheit \"(psi\" ist unbekannt; bekannt sind "
        "bar, psi, kPa und MPa (auch bara, barg, psia, psig)."},
    {"a value beyond the header", "depth;pressure\n2900;290\n2901;290.1;;5\n", ';', "",
        PressureTableErrorKind::TooManyCells, 3, 4,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 3, Spalte 4: Die Zeile hat mehr Werte als die Kopfzeile Spalten."},
    {"a depth with letters", "depth;pressure\n2900;290\n29OO;291\n", ';', "", PressureTableErrorKind::BadNumber, 3, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 3, Spalte 1 (depth): \"29OO\" ist keine Zahl."},
    {"an empty pressure", "pressure;depth\n;2900\n", ';', "", PressureTableErrorKind::BadNumber, 2, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 1 (pressure): Der Wert fehlt."},
    {"a row shorter than the header", "depth\tpressure\n2900\n", '\t', "", PressureTableErrorKind::BadNumber, 2, 2,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 2 (pressure): Der Wert fehlt."},
    {"a decimal comma in a comma-separated file", "depth|pressure\n2921,5|301.25\n", ',', "",
        PressureTableErrorKind::BadNumber, 2, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 1 (depth): \"2921,5\" ist keine Zahl.", '|'},
    {"the null value of a tester's export", "depth;pressure (psi)\n2900;-999.25\n", ';', "",
        PressureTableErrorKind::PressureNotPositive, 2, 2,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 2 (pressure): \"-999.25\" ist kein Druck über 0."},
    {"a depth beyond 100 km", "depth;pressure\n1e300;290\n", ';', "", PressureTableErrorKind::OutOfRange, 2, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 1 (depth): \"1e300\" liegt nicht zwischen -100000 und 100000 "
        "m."},
    {"a pressure above 100000 bar, given in MPa", "depth;pressure (MPa)\n2900;10000.1\n", ';', "",
        PressureTableErrorKind::OutOfRange, 2, 2,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 2 (pressure): \"10000.1\" ist kein Druck unter 100000 bar."},
    {"an unknown fluid", "depth;pressure;fluid\n2900;290;brine\n", ';', "", PressureTableErrorKind::BadFluid, 2, 3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 3 (fluid): \"brine\" ist kein Fluid; bekannt sind water, oil, "
        "gas und w, o, g."},
    {"a fluid in the Windows code page", "depth;pressure;fluid\n2900;290;S\xFC\xDFwasser\n", ';', "",
        PressureTableErrorKind::BadFluid, 2, 3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 3 (fluid): \"Süßwasser\" ist kein Fluid; bekannt sind water, "
        "oil, gas und w, o, g."},
    {"no fluid in a fluid column", "fluid;depth;pressure\ngas;2900;290\n;2910;291\n", ';', "",
        PressureTableErrorKind::BadFluid, 3, 1,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 3, Spalte 1 (fluid): Das Fluid fehlt; bekannt sind water, oil, gas und "
        "w, o, g."},
    {"use 2", "depth;pressure;use\n2900;290;2\n", ';', "", PressureTableErrorKind::BadUse, 2, 3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 3 (use): \"2\" ist weder 0 noch 1."},
    {"use as a word", "depth;pressure;use\n2900;290;ja\n", ';', "", PressureTableErrorKind::BadUse, 2, 3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 3 (use): \"ja\" ist weder 0 noch 1."},
    {"the bad row is the document's well's, after another well's", "well;depth;pressure\nA;2900;x\nB;2901;y\n", ';',
        "B", PressureTableErrorKind::BadNumber, 3, 3,
        "ABBRUCH!!Druckdatei druck.csv, Zeile 3, Spalte 3 (pressure): \"y\" ist keine Zahl."},
    {"no row of the document's well", "well;depth;pressure\n15/9-F-11;2900;290\n", ';', "15/9-F-12",
        PressureTableErrorKind::NoRowOfWell, 0, 0,
        "ABBRUCH!!Druckdatei druck.csv: Keine Zeile gehört zur Bohrung \"15/9-F-12\"."},
    {"every point left out", "depth;pressure;use\n2900;290;0\n", ';', "", PressureTableErrorKind::NoPoint, 0, 0,
        "ABBRUCH!!Druckdatei druck.csv: Die Datei enthält keinen Druckpunkt, der verwendet wird."},
    {"a header only", "depth;pressure\n", ';', "", PressureTableErrorKind::NoPoint, 0, 0,
        "ABBRUCH!!Druckdatei druck.csv: Die Datei enthält keinen Druckpunkt, der verwendet wird."},
};

} // namespace

TEST(PressureTable, StopsAtTheFirstBadCellWithItsLineAndColumn)
{
    for (const BadCase& c : kBad) {
        SCOPED_TRACE(c.what);
        keldo::CsvTable split = Split(c.text, c.splitAt ? c.splitAt : c.separator);
        split.separator = c.separator;
        keldo::PressureTable table;
        table.points.resize(1);
        keldo::PressureTableError error;
        EXPECT_FALSE(keldo::ReadPressureTable(split, c.well, table, error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.column, c.column);
        EXPECT_EQ(keldo::PressureTableMessage(error, "druck.csv"), c.message);
        EXPECT_TRUE(table.points.empty());
    }
}
