// The pressure file on disk: what the CSV reader and the limits refuse
// before the table is looked at, and whose rows a document's well takes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PressureFile.h"
#include "PressureMessages.h"
#include "ScratchFolder.h"

using keldo::PressureFileErrorKind;

TEST(PressureFile, RefusesWhatIsNoPressureTable)
{
    const std::string longLine(70000, 'x');
    std::string manyLines = "depth;pressure\n";
    for (int i = 0; i < 100000; ++i)
        manyLines += "# \n";
    const struct Case {
        const char* what;
        std::string text; // empty with `folder`: a folder in the file's place
        bool folder;
        PressureFileErrorKind kind;
        const char* message;
    } cases[] = {
        {"a folder", "", true, PressureFileErrorKind::CannotRead,
            "ABBRUCH!!Druckdatei druck.csv: Die Datei kann nicht gelesen werden. Unter diesem Namen gibt es einen "
            "Ordner, keine Datei."},
        {"a line beyond 64 KiB", "depth;pressure\n" + longLine + "\n", false, PressureFileErrorKind::LineTooLong,
            "ABBRUCH!!Druckdatei druck.csv, Zeile 2: Die Zeile ist länger als 65536 Bytes."},
        {"more than 100000 lines", manyLines, false, PressureFileErrorKind::TooManyLines,
            "ABBRUCH!!Druckdatei druck.csv, Zeile 100001: Die Datei hat mehr als 100000 Zeilen."},
        {"a quote not closed", "depth,pressure,well\n2900,290,\"F-12\n", false, PressureFileErrorKind::UnclosedQuote,
            "ABBRUCH!!Druckdatei druck.csv, Zeile 2: Ein Anführungszeichen ist nicht geschlossen."},
        {"a bad cell, through the table's message", "\xEF\xBB\xBF" "depth\tpressure\r\n2900\tabc\r\n", false,
            PressureFileErrorKind::BadTable,
            "ABBRUCH!!Druckdatei druck.csv, Zeile 2, Spalte 2 (pressure): \"abc\" ist keine Zahl."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder dir;
        const std::string path = dir.file("druck.csv");
        if (c.folder)
            std::filesystem::create_directory(path);
        else
            std::ofstream(path, std::ios::binary) << c.text;
        keldo::PressureTable table;
        keldo::PressureFileError error;
        EXPECT_FALSE(keldo::ReadPressureFile(path, "", table, error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(keldo::PressureFileMessage(error, "druck.csv"), c.message);
        EXPECT_TRUE(table.points.empty());
    }
}

TEST(PressureFile, ReadsEachSeparatorWithByteOrderMarkAndCrLf)
{
    const struct Case {
        const char* text;
        double depth, pressure;
    } cases[] = {
        {"\xEF\xBB\xBF" "depth,pressure (MPa)\r\n2921.5,30.125\r\n", 2921.5, 301.25},
        {"depth;pressure\r\n2921,5;301,25\r\n", 2921.5, 301.25},
        {"# tab\ndepth\tpressure (kPa)\n2921,5\t30125\n", 2921.5, 301.25},
        {"\"depth\",\"pressure\"\n\"2921.5\",\"301.25\"", 2921.5, 301.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        keldo::PressureTable table;
        keldo::PressureFileError error;
        ASSERT_TRUE(keldo::ReadPressureText(c.text, "", table, error))
            << keldo::PressureFileMessage(error, "druck.csv");
        ASSERT_EQ(table.points.size(), 1u);
        EXPECT_DOUBLE_EQ(table.points[0].depth, c.depth);
        EXPECT_NEAR(table.points[0].pressure, c.pressure, 1e-12);
    }
}

// A document's name field often holds more than the well: the file's
// longest name the document's begins with is its well.
TEST(PressureFile, TakesTheRowsOfTheLongestWellNameTheDocumentBeginsWith)
{
    const char* const text = "well;depth;pressure\n15/9-F-11;2900;290\n15/9-F-11 A;2901;291\n15/9-F-12;2902;292\n";
    const struct Case {
        const char* document;
        std::vector<long long> lines; // of the points read; none: refused
    } cases[] = {
        {"15/9-F-11 A Hugin, Ölfall", {3}},
        {"15/9-F-11, Hugin", {2}},
        {"15/9-f-12", {4}},
        {"15/9-F-12A", {}},
        {"Hugin 15/9-F-12", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.document);
        keldo::PressureTable table;
        keldo::PressureFileError error;
        const bool read = keldo::ReadPressureText(text, c.document, table, error);
        EXPECT_EQ(read, !c.lines.empty());
        std::vector<long long> lines;
        for (const keldo::PressurePoint& p : table.points)
            lines.push_back(p.line);
        EXPECT_EQ(lines, c.lines);
        if (!read) {
            EXPECT_EQ(error.table.kind, keldo::PressureTableErrorKind::NoRowOfWell);
        }
    }
}
