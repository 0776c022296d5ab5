#include "PressureMessages.h"

#include "FileAccess.h"
#include "QuotedFileText.h"
#include "TextFormat.h"

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
    case PressureTableErrorKind::OutOfRange:
        if (error.role == PressureColumn::Depth)
            return quoted + Format(" liegt nicht zwischen %.0f und %.0f m.", -kMaxDepth, kMaxDepth);
        return quoted + Format(" ist kein Druck unter %.0f bar.", kMaxPressure);
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

// "der Wassergradient", "für den Wassergradienten".
std::string Gradient(PressureLegKind kind) { return PressureLegName(kind) + "gradient"; }
std::string GradientInflected(PressureLegKind kind) { return PressureLegName(kind) + "gradienten"; }

std::string Point(PressureLegKind kind) { return PressureLegName(kind) + "punkt"; }

} // namespace

std::string PressureLegName(PressureLegKind kind)
{
    switch (kind) {
    case PressureLegKind::Water:
        return "Wasser";
    case PressureLegKind::Oil:
        return "Öl";
    case PressureLegKind::Gas:
        return "Gas";
    case PressureLegKind::Hydrocarbon:
        break;
    }
    return "Kohlenwasserstoff";
}

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

std::string PressureFileMessage(const PressureFileError& error, const std::string& file)
{
    const std::string head = "ABBRUCH!!Druckdatei " + file;
    const std::string atLine = head + Format(", Zeile %lld: ", error.line);
    switch (error.kind) {
    case PressureFileErrorKind::CannotRead:
        return head + ": Die Datei kann nicht gelesen werden. " + SystemErrorReason(error.systemError);
    case PressureFileErrorKind::TooLarge:
        return head + Format(": Die Datei ist mit mehr als %llu MB zu groß für eine Druckdatei.",
                          kMaxPressureFileBytes >> 20);
    case PressureFileErrorKind::LineTooLong:
        return atLine + Format("Die Zeile ist länger als %zu Bytes.", kPressureFileLimits.longestLine);
    case PressureFileErrorKind::TooManyLines:
        return atLine + Format("Die Datei hat mehr als %zu Zeilen.", kPressureFileLimits.mostLines);
    case PressureFileErrorKind::UnclosedQuote:
        return atLine + "Ein Anführungszeichen ist nicht geschlossen.";
    case PressureFileErrorKind::BadTable:
        break;
    }
    return PressureTableMessage(error.table, file);
}

std::string FreeWaterLevelRefusalMessage(const FreeWaterLevel& level)
{
    const PressureLeg* refused = level.refusedLeg >= 0 ? &level.legs[static_cast<size_t>(level.refusedLeg)] : nullptr;
    switch (level.refusal) {
    case FreeWaterLevelRefusal::None:
        return {};
    case FreeWaterLevelRefusal::TooFewPoints: {
        const size_t n = refused->points.size();
        return "ABBRUCH!!Für den " + GradientInflected(refused->kind)
            + (n == 0 ? std::string(" gibt es keinen Druckpunkt")
                      : Format(" gibt es nur %zu Druckpunkt%s", n, n == 1 ? "" : "e"))
            + "; es braucht mindestens 3.";
    }
    case FreeWaterLevelRefusal::PointsAtOneDepth:
        return Format("ABBRUCH!!Die %zu Druckpunkte für den ", refused->points.size())
            + GradientInflected(refused->kind)
            + Format(" liegen alle in einer Teufe (%.2f m).", refused->points.front().depth);
    case FreeWaterLevelRefusal::TooFewPointsToSplit:
        return Format("ABBRUCH!!Ohne Spalte fluid werden die Druckpunkte in einen flacheren Kohlenwasserstoff- und "
                      "einen tieferen Wassergradienten getrennt, jeder mit mindestens 3 Punkten in verschiedenen "
                      "Teufen; die %d Punkte reichen dafür nicht.",
            level.pointCount);
    case FreeWaterLevelRefusal::HydrocarbonNotLighter: {
        const PressureLeg& water = *level.WaterLeg();
        const PressureLeg& hydrocarbon = *level.HydrocarbonLeg();
        return "ABBRUCH!!Der " + Gradient(hydrocarbon.kind) + Format(" (%.5f bar/m)", hydrocarbon.line->gradient)
            + " ist nicht kleiner als der " + Gradient(water.kind) + Format(" (%.5f bar/m)", water.line->gradient)
            + "; die Geraden ergeben kein freies Wasserniveau.";
    }
    case FreeWaterLevelRefusal::LevelFarOutside:
        return Format("ABBRUCH!!Die Geraden schneiden sich bei %.2f m, mehr als %.0f m außerhalb der Druckpunkte "
                      "(%.2f bis %.2f m).",
            level.level, kMaxMetresOutsidePoints, level.depthFrom, level.depthTo);
    }
    return {};
}

std::string PressureNoticeText(PressureNotice notice, const FreeWaterLevel& level)
{
    switch (notice) {
    case PressureNotice::LegsFoundAutomatically:
        return Format("Ohne Spalte fluid wurden die Druckpunkte automatisch getrennt (kleinste Summe der "
                      "Abweichungsquadrate): %zu flachere Kohlenwasserstoffpunkte, %zu tiefere Wasserpunkte.",
            level.HydrocarbonLeg()->points.size(), level.WaterLeg()->points.size());
    case PressureNotice::OtherHydrocarbonNotUsed: {
        const PressureLegKind used = level.HydrocarbonLeg()->kind;
        const PressureLegKind other = used == PressureLegKind::Oil ? PressureLegKind::Gas : PressureLegKind::Oil;
        return "Die Datei hat Gas- und Ölpunkte; das freie Wasserniveau kommt aus dem " + GradientInflected(used)
            + ", weil das Dokument einen " + (used == PressureLegKind::Oil ? "Öl" : "Gas")
            + "-Wasser-Kontakt rechnet. Die " + Point(other) + "e werden nur gezeigt.";
    }
    case PressureNotice::LevelAboveHydrocarbonPoints: {
        const PressureLeg& leg = *level.HydrocarbonLeg();
        return "WARNUNG!! Das freie Wasserniveau liegt flacher als der tiefste " + Point(leg.kind)
            + Format(" (%.2f m).", leg.points.back().depth);
    }
    case PressureNotice::LevelBelowWaterPoints:
        return Format("WARNUNG!! Das freie Wasserniveau liegt tiefer als der flachste Wasserpunkt (%.2f m).",
            level.WaterLeg()->points.front().depth);
    }
    return {};
}

} // namespace keldo
