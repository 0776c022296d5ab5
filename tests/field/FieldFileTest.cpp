// The field file: its grammar, the errors of single rows, the errors of the
// file as a whole.
#include <gtest/gtest.h>

#include "FieldFile.h"
#include "ScratchFolder.h"

using keldo::FieldStudy;
using keldo::FieldWell;

namespace {

FieldStudy Parse(const std::string& text, const std::string& path = "/daten/feld/feld.csv")
{
    FieldStudy study;
    std::string error;
    EXPECT_TRUE(keldo::ParseFieldFile(text, path, study, error)) << error;
    return study;
}

std::string Repeated(const std::string& line, size_t times)
{
    std::string text;
    for (size_t i = 0; i < times; ++i)
        text += line;
    return text;
}

// W0 … W11, then the same twelve again.
std::string TwelveNamesTwice()
{
    std::string text;
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < 12; ++i)
            text += "W" + std::to_string(i) + ",w.kld\n";
    return text;
}

std::string Errors(const FieldWell& well)
{
    std::string all;
    for (const std::string& e : well.errors)
        all += e + "\n";
    return all;
}

// The values of a row that the grammar decides.
struct Want {
    int line;
    std::string name, document, las, survey;
    std::optional<double> elevation;
    std::string depthCurve, porosityCurve, swCurve;
    std::optional<float> contact, cutoff;
};

} // namespace

TEST(FieldFile, GrammarOfTheRows)
{
    const struct Case {
        const char* what;
        const char* text;
        const char* path;
        std::vector<Want> wells;
    } cases[] = {
        {"comma, header and one row", "well,document\nA,a.kld\n", "/daten/feld.csv",
            {{2, "A", "/daten/a.kld", "", "", 0.0, "", "", "", {}, {}}}},
        {"semicolon, columns in any order and case", "Contact;WELL;Las;Survey;Elevation\n3027,5;B;b.las;b.txt;auto\n",
            "/daten/feld.csv", {{2, "B", "", "/daten/b.las", "/daten/b.txt", {}, "", "", "", 3027.5f, {}}}},
        {"comments, blank lines and CRLF; line numbers of the file",
            "# Feld\r\n\r\nwell,document,cutoff\r\n  # noch ein Kommentar\r\nA,a.kld,0.1\r\n\r\nB,b.kld,\r\n",
            "/daten/feld.csv",
            {{5, "A", "/daten/a.kld", "", "", 0.0, "", "", "", {}, 0.1f},
                {7, "B", "/daten/b.kld", "", "", 0.0, "", "", "", {}, {}}}},
        {"absolute paths stay, relative ones go below the file's folder; no folder, no change",
            "well,document\nA,/abs/a.kld\nB,sub/b.kld\n", "feld.csv",
            {{2, "A", "/abs/a.kld", "", "", 0.0, "", "", "", {}, {}},
                {3, "B", "sub/b.kld", "", "", 0.0, "", "", "", {}, {}}}},
        {"quoted fields hold the separator and quotes; blanks around fields go",
            "well , las , porosity_curve, elevation\n\"15/9-F-11 A, \"\"alt\"\"\" , \"a,b.las\" , PHIF , 54.9\n",
            "/d/f.csv", {{2, "15/9-F-11 A, \"alt\"", "", "/d/a,b.las", "", 54.9, "", "PHIF", "", {}, {}}}},
        {"a byte-order mark, a row of separators only, fewer fields than columns",
            "\xEF\xBB\xBFwell;document;contact;cutoff\n;;;\nA;a.kld\n", "/d/f.csv",
            {{3, "A", "/d/a.kld", "", "", 0.0, "", "", "", {}, {}}}},
        {"curves and an empty elevation (0, as keldo-batch)",
            "well,las,depth_curve,porosity_curve,sw_curve,elevation\nA,a.las,TVD,PHIE,SWT,\n", "/d/f.csv",
            {{2, "A", "", "/d/a.las", "", 0.0, "TVD", "PHIE", "SWT", {}, {}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FieldStudy study = Parse(c.text, c.path);
        ASSERT_EQ(study.wells.size(), c.wells.size());
        for (size_t i = 0; i < c.wells.size(); ++i) {
            const FieldWell& got = study.wells[i];
            const Want& want = c.wells[i];
            EXPECT_EQ(got.line, want.line);
            EXPECT_EQ(got.name, want.name);
            EXPECT_EQ(got.inputs.document, want.document);
            EXPECT_EQ(got.inputs.lasFile, want.las);
            EXPECT_EQ(got.inputs.surveyFile, want.survey);
            EXPECT_EQ(got.inputs.elevation, want.elevation);
            EXPECT_EQ(got.inputs.depthCurve, want.depthCurve);
            EXPECT_EQ(got.inputs.porosityCurve, want.porosityCurve);
            EXPECT_EQ(got.inputs.swCurve, want.swCurve);
            EXPECT_EQ(got.contact, want.contact);
            EXPECT_EQ(got.cutoff, want.cutoff);
            EXPECT_EQ(Errors(got), "");
        }
    }
}

// Each problem of a row is one message naming the line and the column; the
// row stays in the study (it is reported when run), and so do the others.
TEST(FieldFile, RowErrorsNameLineAndColumn)
{
    const struct Case {
        const char* row; // below "well,document,las,survey,elevation,contact,cutoff"
        const char* error;
    } cases[] = {
        {",a.kld,,,,,", "Zeile 2, Spalte well: Der Name der Bohrung fehlt."},
        {"A,a.kld,a.las,,,,",
            "Zeile 2, Spalte las: Eine Bohrung hat entweder ein Dokument (document) oder eine LAS-Datei (las), nicht "
            "beides."},
        {"A,,,,,,", "Zeile 2, Spalte document: Weder ein Dokument (document) noch eine LAS-Datei (las) angegeben."},
        {"A,a.kld,,a.txt,,,",
            "Zeile 2, Spalte survey: Gilt nur für eine LAS-Datei (Spalte las); ein Dokument hat seine Messwerte "
            "schon."},
        {"A,a.kld,,,auto,,",
            "Zeile 2, Spalte elevation: Gilt nur für eine LAS-Datei (Spalte las); ein Dokument hat seine Messwerte "
            "schon."},
        {"A,,a.las,,hoch,,", "Zeile 2, Spalte elevation: \"hoch\" ist weder eine Zahl noch auto."},
        {"A,a.kld,,,,3027 m,", "Zeile 2, Spalte contact: \"3027 m\" ist keine Zahl."},
        {"A,a.kld,,,,,nan", "Zeile 2, Spalte cutoff: \"nan\" ist keine Zahl."},
        {"A,a.kld,,,,,,zuviel", "Zeile 2, Spalte 8: Die Kopfzeile hat nur 7 Spalten."},
        {"A,\"a.kld", "Zeile 2, Spalte document: Ein Anführungszeichen ist nicht geschlossen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const FieldStudy study
            = Parse(std::string("well,document,las,survey,elevation,contact,cutoff\n") + c.row + "\nB,b.kld,,,,,\n");
        ASSERT_EQ(study.wells.size(), 2u);
        EXPECT_EQ(Errors(study.wells[0]), std::string(c.error) + "\n");
        EXPECT_EQ(Errors(study.wells[1]), "");
    }
}

// A quoted value may hold line breaks, as spreadsheets write them: the row
// runs on to the line that closes the quote and is refused whole, so its
// tail never becomes a well of its own. A quote that no line closes ends at
// its own line, and the lines after it are rows again.
TEST(FieldFile, AQuotedLineBreakIsOneRowRefusedWhole)
{
    const struct {
        const char* what;
        const char* text;
        std::vector<std::string> names;
        std::vector<std::string> errors;
    } cases[] = {
        {"a line break in the name", "well,document\n\"A\nB,b.kld\",a.kld\nC,c.kld\n", {"A", "C"},
            {"Zeile 2, Spalte well: Ein Wert in Anführungszeichen reicht über das Zeilenende hinaus; die Zeilen 2 "
             "bis 3 werden als eine Zeile verworfen.\n",
                ""}},
        {"two line breaks in a later cell", "well,document,contact\nA,\"a\n\nb\",3000\nC,c.kld,\n", {"A", "C"},
            {"Zeile 2, Spalte document: Ein Wert in Anführungszeichen reicht über das Zeilenende hinaus; die Zeilen 2 "
             "bis 4 werden als eine Zeile verworfen.\n",
                ""}},
        {"a quote that no line closes", "well,document\nA,\"a.kld\nC,c.kld\n", {"A", "C"},
            {"Zeile 2, Spalte document: Ein Anführungszeichen ist nicht geschlossen.\n", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FieldStudy study = Parse(c.text);
        ASSERT_EQ(study.wells.size(), c.names.size());
        for (size_t i = 0; i < c.names.size(); ++i) {
            EXPECT_EQ(study.wells[i].name, c.names[i]);
            EXPECT_EQ(Errors(study.wells[i]), c.errors[i]);
        }
    }
}

// A file the study cannot start from at all: one message, no wells.
TEST(FieldFile, ErrorsOfTheWholeFile)
{
    const struct Case {
        const char* what;
        std::string text;
        const char* error;
    } cases[] = {
        {"empty", "", "Die Felddatei \"f.csv\" hat keine Kopfzeile (well, document oder las, …)."},
        {"comments only", "# nichts\n\n", "Die Felddatei \"f.csv\" hat keine Kopfzeile (well, document oder las, …)."},
        {"no well", "well,document\n# später\n", "Die Felddatei \"f.csv\" nennt keine Bohrung."},
        {"no well column", "name,document\nA,a.kld\n",
            "Die Felddatei \"f.csv\", Zeile 1, Spalte 1: Die Spalte \"name\" ist unbekannt. Bekannt sind well, "
            "document, "
            "las, survey, elevation, depth_curve, porosity_curve, sw_curve, contact, cutoff, pressure und vsh."},
        {"neither document nor las", "well,contact\nA,3000\n",
            "Die Felddatei \"f.csv\", Zeile 1: Es fehlt eine Spalte document oder las."},
        {"well column missing", "document\na.kld\n",
            "Die Felddatei \"f.csv\", Zeile 1: Die Spalte well (Name der Bohrung) fehlt."},
        {"a column twice", "well;las;LAS\n",
            "Die Felddatei \"f.csv\", Zeile 1, Spalte 3: Die Spalte LAS steht schon als Spalte 2 in der Kopfzeile."},
        {"a column without name", "well,,las\n",
            "Die Felddatei \"f.csv\", Zeile 1, Spalte 2: Die Spalte hat keinen Namen."},
        {"not UTF-8", "well,document\nB\xF6hrung,a.kld\n", "Die Felddatei \"f.csv\" ist keine UTF-8-Datei (Zeile 2)."},
        {"a zero byte in a cell", std::string("well,document\nA\0B,a.kld\n", 25),
            "Die Felddatei \"f.csv\" enthält ein Nullzeichen (Byte 0) in Zeile 2; sie ist keine Textdatei."},
        {"a well's name twice", "well,document\nA,a.kld\nB,b.kld\nA,c.kld\n",
            "Die Felddatei \"f.csv\" nennt Bohrungen mehrfach: \"A\" in den Zeilen 2, 4. Jede Bohrung braucht einen "
            "eigenen Namen (Spalte well)."},
        {"10,000 rows of one name", "well,document\n" + Repeated("A,a.kld\n", 10000),
            "Die Felddatei \"f.csv\" nennt Bohrungen mehrfach: \"A\" in den Zeilen 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 … "
            "und 9990 weitere. Jede Bohrung braucht einen eigenen Namen (Spalte well)."},
        {"many names twice", "well,document\n" + TwelveNamesTwice(),
            "Die Felddatei \"f.csv\" nennt Bohrungen mehrfach: \"W0\" in den Zeilen 2, 14, \"W1\" in den Zeilen 3, 15, "
            "\"W2\" in den Zeilen 4, 16, \"W3\" in den Zeilen 5, 17, \"W4\" in den Zeilen 6, 18, \"W5\" in den Zeilen "
            "7, 19, \"W6\" in den Zeilen 8, 20, \"W7\" in den Zeilen 9, 21, \"W8\" in den Zeilen 10, 22, \"W9\" in den "
            "Zeilen 11, 23 … und 2 weitere. Jede Bohrung braucht einen eigenen Namen (Spalte well)."},
        {"a line beyond the limit", "well,document\nA," + std::string(keldo::kLongestFieldFileLine, 'a') + "\n",
            "Die Felddatei \"f.csv\", Zeile 2: Die Zeile ist länger als 65536 Zeichen."},
        {"more lines than the limit", "well,document\n" + Repeated("#\n", keldo::kMostFieldFileLines),
            "Die Felddatei \"f.csv\", Zeile 100001: Die Datei hat mehr als 100000 Zeilen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FieldStudy study;
        std::string error;
        EXPECT_FALSE(keldo::ParseFieldFile(c.text, "f.csv", study, error));
        EXPECT_EQ(error, c.error);
    }
}

TEST(FieldFile, AFileThatCannotBeReadSaysWhy)
{
    ScratchFolder dir;
    const struct {
        std::string path;
        const char* reason;
    } cases[] = {
        {dir.file("fehlt.csv"), "Die Datei oder der Ordner existiert nicht."},
        {dir.path().string(), "Unter diesem Namen gibt es einen Ordner, keine Datei."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        FieldStudy study;
        std::string error;
        EXPECT_FALSE(keldo::ReadFieldFile(c.path, study, error));
        EXPECT_EQ(error, "Die Felddatei \"" + c.path + "\" kann nicht gelesen werden.\n" + c.reason);
    }
}

// The program's table of wells keeps a row's cells as written and reads
// them with the file's grammar.
TEST(FieldFile, RowsKeepTheirCellsAndReadThemAgain)
{
    const FieldStudy study = Parse("well;las;elevation;contact\nA;sub/a.las;auto;3027,5\n", "/d/feld.csv");
    ASSERT_EQ(study.wells.size(), 1u);
    const auto& cells = study.wells[0].cells;
    EXPECT_EQ(cells[static_cast<size_t>(keldo::FieldColumn::Las)], "sub/a.las");
    EXPECT_EQ(cells[static_cast<size_t>(keldo::FieldColumn::Contact)], "3027,5");
    EXPECT_EQ(cells[static_cast<size_t>(keldo::FieldColumn::Document)], "");

    std::vector<FieldWell> wells = {keldo::ReadFieldRow(0, cells, "/d"), keldo::ReadFieldRow(0, cells, "/d")};
    EXPECT_EQ(wells[0].inputs.lasFile, "/d/sub/a.las");
    EXPECT_EQ(wells[0].contact, 3027.5f);
    keldo::CheckWellNames(wells);
    EXPECT_EQ(Errors(wells[0]), "");
    EXPECT_EQ(Errors(wells[1]), "Spalte well: Die Bohrung \"A\" steht schon in der Liste.\n");
}

// The pressure file is a path like the others (relative to the field file);
// the shale-volume curve, like the other curves, only with a LAS file.
TEST(FieldFile, PressureAndShaleColumns)
{
    const struct Case {
        const char* row; // below "well,document,las,pressure,vsh"
        const char* error;
        const char* pressureFile;
        const char* shaleCurve;
    } cases[] = {
        {"A,,a.las,druck.csv,VSH", "", "/daten/druck.csv", "VSH"},
        {"A,a.kld,,/anders/druck.csv,", "", "/anders/druck.csv", ""},
        {"A,,a.las,,", "", "", ""},
        {"A,a.kld,,,VSH",
            "Zeile 2, Spalte vsh: Gilt nur für eine LAS-Datei (Spalte las); ein Dokument hat seine Messwerte schon.\n",
            "", "VSH"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        FieldStudy study;
        std::string error;
        ASSERT_TRUE(keldo::ParseFieldFile(
            std::string("well,document,las,pressure,vsh\n") + c.row + "\n", "/daten/feld.csv", study, error))
            << error;
        ASSERT_EQ(study.wells.size(), 1u);
        EXPECT_EQ(Errors(study.wells[0]), c.error);
        EXPECT_EQ(study.wells[0].pressureFile, c.pressureFile);
        EXPECT_EQ(study.wells[0].inputs.shaleCurve, c.shaleCurve);
    }
}
