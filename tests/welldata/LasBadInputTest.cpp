// Every bad LAS file gives one error: its kind (which decides keldo-batch's
// exit status), the line where there is one, and one German sentence.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "LasReader.h"
#include "ScratchFolder.h"

namespace {

std::string Lines(const std::string& line, size_t times)
{
    std::string text;
    for (size_t i = 0; i < times; ++i)
        text += line;
    return text;
}

using Kind = keldo::WellDataErrorKind;

const std::string kHeader
    = "~VERSION\n VERS. 2.0 :\n WRAP. NO :\n~WELL\n NULL. -999.25 :\n~CURVE\n DEPT.M :\n GR.GAPI :\n";
const std::string kWrappedHeader
    = "~VERSION\n VERS. 2.0 :\n WRAP. YES :\n~WELL\n NULL. -999.25 :\n~CURVE\n DEPT.M :\n GR. :\n RT. :\n";

std::string TenMegabyteLine()
{
    std::string line;
    while (line.size() < 10'000'000)
        line += "1.5 ";
    return line;
}

struct BadLasCase {
    const char* name;
    std::string text;
    Kind kind;
    long long line;
    const char* detail;
};

const BadLasCase kBadFiles[] = {
    {"no ~A", kHeader, Kind::Malformed, 0, "Der Datenabschnitt ~A fehlt."},
    {"~A before ~C", "~V\n VERS. 2.0 :\n~A\n 1 2\n~C\n DEPT.M :\n GR. :\n", Kind::Malformed, 3,
        "Der Datenabschnitt ~A steht vor der Kurvenbeschreibung ~C; die Werte lassen sich keiner Kurve zuordnen."},
    {"no ~C at all", "~V\n VERS. 2.0 :\n~A\n 1 2\n", Kind::Malformed, 0, "Die Kurvenbeschreibung ~C fehlt."},
    {"no curves in ~C", "~V\n VERS. 2.0 :\n~C\n# none\n~A\n 1 2\n", Kind::Malformed, 0,
        "Die Kurvenbeschreibung ~C nennt keine Kurve."},
    {"row with too few values", kHeader + "~A\n 1 2\n 3\n", Kind::Malformed, 11,
        "Die Zeile hat 1 Wert statt 2 (einen je Kurve)."},
    {"row with too many values", kHeader + "~A\n 1 2\n\n 3 4 5\n", Kind::Malformed, 12,
        "Die Zeile hat 3 Werte statt 2 (einen je Kurve)."},
    {"truncated wrapped record", kWrappedHeader + "~A\n 1\n 2 3\n 4\n 5\n", Kind::Malformed, 13,
        "Der letzte Datensatz ist unvollständig: er hat 2 der 3 Werte."},
    {"wrapped record running over", kWrappedHeader + "~A\n 1\n 2 3\n 4\n 5 6 7\n", Kind::Malformed, 14,
        "Der Datensatz aus Zeile 13 hat mehr Werte als die 3 Kurven der Datei."},
    {"NULL that is no number", "~V\n VERS. 2.0 :\n~W\n NULL. none : null value\n~C\n DEPT.M :\n~A\n 1\n",
        Kind::Malformed, 4, "Der Nullwert NULL \"none\" ist keine Zahl."},
    {"NULL too long to quote whole", "~V\n~W\n NULL. " + std::string(80, 'x') + " :\n", Kind::Malformed, 3,
        "Der Nullwert NULL \"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx…\" ist keine Zahl."},
    {"NULL in Windows-1252", "~V\n~W\n NULL. \xb5 :\n", Kind::Malformed, 3, "Der Nullwert NULL \"µ\" ist keine Zahl."},
    {"10 MB line", kHeader + "~A\n" + TenMegabyteLine() + "\n", Kind::Malformed, 10,
        "Die Zeile ist länger als 1048576 Zeichen."},
    {"10 MB line in the header", "~V\n" + TenMegabyteLine(), Kind::Malformed, 2,
        "Die Zeile ist länger als 1048576 Zeichen."},
    // A header far beyond any log's is refused at the line that passes its
    // limit, before it fills the memory.
    {"more curves than the limit", "~V\n VERS. 2.0 :\n~C\n" + Lines(" C.M : curve\n", keldo::kMostLasCurves + 1),
        Kind::Malformed, 10004, "Die Kurvenbeschreibung ~C nennt mehr als 10000 Kurven."},
    {"more header lines than the limit", "~V\n" + Lines("#\n", keldo::kMostLasHeaderLines), Kind::Malformed, 100001,
        "Der Dateikopf vor dem Datenabschnitt ~A hat mehr als 100000 Zeilen."},
    {"a header longer than the limit", "~V\n" + Lines("#" + std::string(1'000'000, 'x') + "\n", 17), Kind::Malformed,
        18, "Der Dateikopf vor dem Datenabschnitt ~A ist länger als 16777216 Zeichen."},
    {"binary garbage",
        std::string("\x7f"
                    "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x03\0>\0\x01\0\0\0",
            24),
        Kind::NotLas, 1, "Die Datei beginnt nicht mit einem LAS-Abschnitt wie ~VERSION; sie ist keine LAS-Datei."},
    {"text before the first section", "Depth Porosity Sw\n~V\n", Kind::NotLas, 1,
        "Die Datei beginnt nicht mit einem LAS-Abschnitt wie ~VERSION; sie ist keine LAS-Datei."},
    {"empty file", "", Kind::NotLas, 0, "Die Datei enthält keinen LAS-Abschnitt; sie ist keine LAS-Datei."},
    {"only comments", "# LAS file\n\n# nothing else\n", Kind::NotLas, 0,
        "Die Datei enthält keinen LAS-Abschnitt; sie ist keine LAS-Datei."},
    {"LAS 3.0", "~Version\n VERS. 3.0 : CWLS LOG ASCII STANDARD -VERSION 3.0\n WRAP. NO :\n DLM . COMMA :\n",
        Kind::UnsupportedVersion, 2,
        "Die Datei ist im LAS-Format \"3.0\" geschrieben; gelesen werden die Versionen 1.2 und 2.0."},
};

TEST(LasBadInput, EachBadFileGivesOneErrorWithItsKindLineAndSentence)
{
    for (const auto& c : kBadFiles) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        keldo::LasLog log;
        keldo::WellDataError error;
        EXPECT_FALSE(keldo::ReadLas(in, keldo::KeepAllCurves(), log, error));
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.detail, c.detail);
        EXPECT_EQ(keldo::GroupOf(error.kind), keldo::WellDataErrorGroup::UnreadableFile);
    }
}

// A file read from disk: the message names the file, and the line where
// there is one; a header that is sound reads alone.
TEST(LasBadInput, MessageNamesTheFileAndWhyOrTheLine)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path() / "folder.las");
    WriteBytes(folder.file("short row.las"), kHeader + "~A\n 1 2\n 3\n");
    const struct {
        const char* name;
        Kind kind;
        const char* after; // the message after "ABBRUCH!!LAS-Datei <path>"
        bool headerSound;
    } cases[] = {
        {"missing.las", Kind::CannotRead,
            ": Die Datei kann nicht gelesen werden. Die Datei oder der Ordner existiert nicht.", false},
        {"folder.las", Kind::CannotRead,
            ": Die Datei kann nicht gelesen werden. Unter diesem Namen gibt es einen Ordner, keine Datei.", false},
        {"short row.las", Kind::Malformed, ", Zeile 11: Die Zeile hat 1 Wert statt 2 (einen je Kurve).", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file(c.name);
        keldo::LasHeader header;
        keldo::WellDataError error;
        EXPECT_EQ(keldo::ReadLasHeaderFile(path, header, error), c.headerSound);
        keldo::LasLog log;
        EXPECT_FALSE(keldo::ReadLasFile(path, keldo::KeptCurves{}, log, error)); // counted even when none is kept
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.Message(), "ABBRUCH!!LAS-Datei " + path + c.after);
    }
}

} // namespace
