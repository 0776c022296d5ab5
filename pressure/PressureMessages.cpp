#include "PressureMessages.h"

#include "TextFormat.h"
#include "TextHelpers.h"

namespace keldo {
namespace {

std::string TableDetail(const PressureTableError& error)
{
    const std::string quoted = QuotedFileText(error.text);
    const char* role = error.role ? PressureColumnName(*error.role) : "";
    switch (error.kind) {
    case PressureTableErrorKind::NoHeader:
        return "Die Datei hat keine Kopfzeile (depth, pressure, …).";
    case PressureTableErrorKind::RepeatedColumn:
        return Format("Die Spalte %s steht schon als Spalte %d in der Kopfzeile.", role, error.otherColumn);
    case PressureTableErrorKind::MissingColumn:
        return Format("Die Spalte %s fehlt; die Kopfzeile braucht depth und pressure.", role);
    case PressureTableErrorKind::UnknownUnit:
        if (error.role == PressureColumn::Depth)
            return "Die Einheit " + quoted + " ist unbekannt; die Teufe wird in m angegeben.";
        return "Die Einheit " + quoted
            + " ist unbekannt; bekannt sind bar, psi, kPa und MPa (auch bara, barg, psia, psig).";
    case PressureTableErrorKind::TooManyCells:
        return "Die Zeile hat mehr Werte als die Kopfzeile Spalten.";
    case PressureTableErrorKind::BadNumber:
        return error.text.empty() ? std::string("Der Wert fehlt.") : quoted + " ist keine Zahl.";
    case PressureTableErrorKind::PressureNotPositive:
        return quoted + " ist kein Druck über 0.";
    case PressureTableErrorKind::BadFluid:
        return (error.text.empty() ? std::string("Das Fluid fehlt") : quoted + " ist kein Fluid")
            + "; bekannt sind water, oil, gas und w, o, g.";
    case PressureTableErrorKind::BadUse:
        return quoted + " ist weder 0 noch 1.";
    case PressureTableErrorKind::NoRowOfWell:
        return "Keine Zeile gehört zur Bohrung " + quoted + ".";
    case PressureTableErrorKind::NoPoint:
        return "Die Datei enthält keinen Druckpunkt, der verwendet wird.";
    }
    return {};
}

} // namespace

std::string PressureTableMessage(const PressureTableError& error, const std::string& file)
{
    std::string text = "ABBRUCH!!Druckdatei " + file;
    if (error.line > 0)
        text += Format(", Zeile %lld", error.line);
    if (error.column > 0)
        text += Format(", Spalte %d", error.column);
    if (error.column > 0 && error.role)
        text += Format(" (%s)", PressureColumnName(*error.role));
    return text + ": " + TableDetail(error);
}

} // namespace keldo
