// The German words for a failure of the tops file; which failure it is was
// decided by its kind, never by these words.
#include "FileAccess.h"
#include "FormationTops.h"
#include "QuotedFileText.h"
#include "TextFormat.h"

namespace keldo {
namespace {

std::string MissingText(TopsColumn column)
{
    switch (column) {
    case TopsColumn::Well:
        return "Der Name der Bohrung fehlt.";
    case TopsColumn::Surface:
        return "Der Name der Formationsgrenze fehlt.";
    case TopsColumn::Depth:
    case TopsColumn::Reference:
        break;
    }
    return "Die Teufe fehlt.";
}

// What is wrong, without the place.
std::string What(const TopsError& e)
{
    const std::string text = QuotedFileText(e.text);
    switch (e.kind) {
    case TopsErrorKind::None:
    case TopsErrorKind::CannotRead:
    case TopsErrorKind::NoHeader:
    case TopsErrorKind::NoTop:
        break;
    case TopsErrorKind::NotUtf8:
        return "Die Zeile ist nicht in UTF-8 geschrieben.";
    case TopsErrorKind::LineTooLong:
        return Format("Die Zeile ist länger als %zu Zeichen.", kTopsLineLimit);
    case TopsErrorKind::TooManyLines:
        return Format("Die Datei hat mehr als %zu Zeilen.", kTopsMostLines);
    case TopsErrorKind::UnclosedQuote:
        return "Ein Anführungszeichen ist nicht geschlossen.";
    case TopsErrorKind::UnnamedColumn:
        return "Die Spalte hat keinen Namen.";
    case TopsErrorKind::UnknownColumn:
        return "Die Spalte " + text + " ist unbekannt. Bekannt sind well, surface, depth und reference.";
    case TopsErrorKind::RepeatedColumn:
        return Format("Die Spalte steht schon als Spalte %d in der Kopfzeile.", e.otherPosition);
    case TopsErrorKind::MissingColumn:
        return "Die Spalte fehlt in der Kopfzeile.";
    case TopsErrorKind::TooManyFields:
        return Format("Die Kopfzeile hat nur %d Spalten.", e.position - 1);
    case TopsErrorKind::MissingValue:
        return MissingText(e.column.value_or(TopsColumn::Depth));
    case TopsErrorKind::NotANumber:
        return text + " ist keine Zahl.";
    case TopsErrorKind::DepthOutOfRange:
        return text + Format(" liegt nicht zwischen %.0f und %.0f m.", -kLargestTopDepth, kLargestTopDepth);
    case TopsErrorKind::UnknownReference:
        return text + " ist weder md noch tvdss.";
    case TopsErrorKind::RepeatedSurface:
        return "Die Formationsgrenze " + text + Format(" steht für diese Bohrung schon in Zeile %lld.", e.otherLine);
    }
    return {};
}

// "Zeile 4, Spalte depth", "Zeile 1, Spalte 3" or "Zeile 7".
std::string Place(const TopsError& e)
{
    std::string place = Format("Zeile %lld", e.line);
    if (e.column)
        place += std::string(", Spalte ") + TopsColumnName(*e.column);
    else if (e.position > 0)
        place += Format(", Spalte %d", e.position);
    return place;
}

} // namespace

std::string TopsMessage(const TopsError& e, const std::string& path)
{
    const std::string file = "Die Datei der Formationsgrenzen \"" + path + "\"";
    switch (e.kind) {
    case TopsErrorKind::CannotRead:
        return file + " kann nicht gelesen werden.\n" + SystemErrorReason(e.systemError);
    case TopsErrorKind::NoHeader:
        return file + " hat keine Kopfzeile (well, surface, depth).";
    case TopsErrorKind::NoTop:
        return file + " nennt keine Formationsgrenze.";
    default:
        break;
    }
    return file + ", " + Place(e) + ": " + What(e);
}

} // namespace keldo
