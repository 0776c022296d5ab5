// The tops file: what it takes, and for each problem its kind, line and
// column as data and the one German message that words them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormationTops.h"
#include "ScratchFolder.h"

using keldo::TopReference;
using keldo::TopsColumn;
using keldo::TopsErrorKind;

TEST(FormationTops, ReadsTheTopsOfEveryWell)
{
    const std::string text = "\xEF\xBB\xBF# Volve\n"
                             "Well;Surface;DEPTH;Reference\n"
                             "15/9-F-11 A;Hugin;3010,5;TVDSS\n"
                             "\n"
                             "15/9-F-11 A;\"Sleipner; oben\";4021;md\n"
                             "15/9-F-12;Hugin;2880.25;\n"
                             ";;;\n";
    std::vector<keldo::FormationTop> tops;
    keldo::TopsError error;
    ASSERT_TRUE(keldo::ParseFormationTops(text, tops, error)) << keldo::TopsMessage(error, "t.csv");
    ASSERT_EQ(tops.size(), 3u);
    const struct {
        long long line;
        const char* well;
        const char* surface;
        double depth;
        TopReference reference;
    } expected[] = {
        {3, "15/9-F-11 A", "Hugin", 3010.5, TopReference::Tvdss},
        {5, "15/9-F-11 A", "Sleipner; oben", 4021, TopReference::Md},
        {6, "15/9-F-12", "Hugin", 2880.25, TopReference::WellDepth},
    };
    for (size_t i = 0; i < tops.size(); ++i) {
        EXPECT_EQ(tops[i].line, expected[i].line);
        EXPECT_EQ(tops[i].well, expected[i].well);
        EXPECT_EQ(tops[i].surface, expected[i].surface);
        EXPECT_EQ(tops[i].depth, expected[i].depth);
        EXPECT_EQ(tops[i].reference, expected[i].reference);
    }
    EXPECT_EQ(keldo::TopsOfWell(tops, "15/9-F-11 A").size(), 2u);
    EXPECT_EQ(keldo::TopsOfWell(tops, "15/9-f-11 a").size(), 0u);
}

TEST(FormationTops, EachProblemHasItsKindPlaceAndMessage)
{
    const std::string head = "well,surface,depth\n";
    const struct Case {
        std::string text;
        TopsErrorKind kind;
        long long line;
        std::optional<TopsColumn> column;
        int position;
        const char* message; // after "Die Datei der Formationsgrenzen "t.csv""
    } cases[] = {
        {"", TopsErrorKind::NoHeader, 0, {}, 0, " hat keine Kopfzeile (well, surface, depth)."},
        {"# nur Kommentar\n\n", TopsErrorKind::NoHeader, 0, {}, 0, " hat keine Kopfzeile (well, surface, depth)."},
        {head, TopsErrorKind::NoTop, 0, {}, 0, " nennt keine Formationsgrenze."},
        {"well,,depth\n", TopsErrorKind::UnnamedColumn, 1, {}, 2, ", Zeile 1, Spalte 2: Die Spalte hat keinen Namen."},
        {"well,surface,md\n", TopsErrorKind::UnknownColumn, 1, {}, 3,
            ", Zeile 1, Spalte 3: Die Spalte \"md\" ist unbekannt. Bekannt sind well, surface, depth und reference."},
        {"well,depth,surface,Depth\n", TopsErrorKind::RepeatedColumn, 1, TopsColumn::Depth, 4,
            ", Zeile 1, Spalte depth: Die Spalte steht schon als Spalte 2 in der Kopfzeile."},
        {"well,depth\nA,1\n", TopsErrorKind::MissingColumn, 1, TopsColumn::Surface, 0,
            ", Zeile 1, Spalte surface: Die Spalte fehlt in der Kopfzeile."},
        {head + "A,Hugin,1,2\n", TopsErrorKind::TooManyFields, 2, {}, 4,
            ", Zeile 2, Spalte 4: Die Kopfzeile hat nur 3 Spalten."},
        {head + ",Hugin,1\n", TopsErrorKind::MissingValue, 2, TopsColumn::Well, 0,
            ", Zeile 2, Spalte well: Der Name der Bohrung fehlt."},
        {head + "A,,1\n", TopsErrorKind::MissingValue, 2, TopsColumn::Surface, 0,
            ", Zeile 2, Spalte surface: Der Name der Formationsgrenze fehlt."},
        {head + "A,Hugin\n", TopsErrorKind::MissingValue, 2, TopsColumn::Depth, 0,
            ", Zeile 2, Spalte depth: Die Teufe fehlt."},
        {head + "A,Hugin,30x\n", TopsErrorKind::NotANumber, 2, TopsColumn::Depth, 0,
            ", Zeile 2, Spalte depth: \"30x\" ist keine Zahl."},
        {head + "A,Hugin,nan\n", TopsErrorKind::NotANumber, 2, TopsColumn::Depth, 0,
            ", Zeile 2, Spalte depth: \"nan\" ist keine Zahl."},
        {head + "A,Hugin,1e9\n", TopsErrorKind::DepthOutOfRange, 2, TopsColumn::Depth, 0,
            ", Zeile 2, Spalte depth: \"1e9\" liegt nicht zwischen -1000000 und 1000000 m."},
        {"well,surface,depth,reference\nA,Hugin,1,kb\n", TopsErrorKind::UnknownReference, 2, TopsColumn::Reference, 0,
            ", Zeile 2, Spalte reference: \"kb\" ist weder md noch tvdss."},
        {head + "A,Hugin,1\nB,Hugin,2\n# x\nA,Hugin,3\n", TopsErrorKind::RepeatedSurface, 5, TopsColumn::Surface, 0,
            ", Zeile 5, Spalte surface: Die Formationsgrenze \"Hugin\" steht für diese Bohrung schon in Zeile 2."},
        {head + "A,\"Hugin,1\n", TopsErrorKind::UnclosedQuote, 2, {}, 0,
            ", Zeile 2: Ein Anführungszeichen ist nicht geschlossen."},
        {head + "A,H\xF6gin,1\n", TopsErrorKind::NotUtf8, 2, {}, 0,
            ", Zeile 2: Die Zeile ist nicht in UTF-8 geschrieben."},
        {head + "A,Hugin,1\n" + std::string(70000, 'x') + "\n", TopsErrorKind::LineTooLong, 3, {}, 0,
            ", Zeile 3: Die Zeile ist länger als 65536 Zeichen."},
        // A bad row before a line that cannot be split is reported first.
        {head + "A,Hugin,x\nA,\"B,1\n", TopsErrorKind::NotANumber, 2, TopsColumn::Depth, 0,
            ", Zeile 2, Spalte depth: \"x\" ist keine Zahl."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::vector<keldo::FormationTop> tops;
        keldo::TopsError error;
        EXPECT_FALSE(keldo::ParseFormationTops(c.text, tops, error));
        EXPECT_TRUE(tops.empty());
        EXPECT_EQ(error.kind, c.kind);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.column, c.column);
        EXPECT_EQ(error.position, c.position);
        EXPECT_EQ(keldo::TopsMessage(error, "t.csv"), std::string("Die Datei der Formationsgrenzen \"t.csv\"") + c.message);
    }
}

TEST(FormationTops, FileThatCannotBeRead)
{
    ScratchFolder folder;
    std::vector<keldo::FormationTop> tops;
    keldo::TopsError error;
    const std::string missing = folder.file("fehlt.csv");
    EXPECT_FALSE(keldo::ReadFormationTopsFile(missing, tops, error));
    EXPECT_EQ(error.kind, TopsErrorKind::CannotRead);
    EXPECT_EQ(keldo::TopsMessage(error, missing), "Die Datei der Formationsgrenzen \"" + missing
            + "\" kann nicht gelesen werden.\nDie Datei oder der Ordner existiert nicht.");
    WriteBytes(folder.file("tops.csv"), "well,surface,depth\nA,Hugin,3010.5\n");
    EXPECT_TRUE(keldo::ReadFormationTopsFile(folder.file("tops.csv"), tops, error));
    EXPECT_EQ(tops.size(), 1u);
}
