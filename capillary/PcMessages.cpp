#include "PcMessages.h"

#include "FileAccess.h"
#include "PcColumns.h"
#include "PcFile.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// "Zeile 12, Spalte 3 (porosity (%))".
std::string Where(const PcTableError& e)
{
    std::string s = Format("Zeile %lld", e.line);
    if (e.column > 0)
        s += Format(", Spalte %d", e.column);
    if (!e.header.empty())
        s += " (" + e.header + ")";
    return s;
}

std::string RangeOf(PcColumn c)
{
    switch (c) {
    case PcColumn::Porosity:
    case PcColumn::HgSaturation:
    case PcColumn::Sw:
        return "liegt nicht zwischen 0 und 1 (0 und 100 %); Prozentwerte brauchen die Einheit (%) in der Kopfzeile";
    case PcColumn::Pressure:
        return "ist kein Druck größer Null";
    case PcColumn::Closure:
        return "ist kein Druck ab Null";
    case PcColumn::Sample:
    case PcColumn::Depth:
    case PcColumn::Permeability:
        break;
    }
    return "liegt außerhalb des zulässigen Bereichs";
}

std::string Sample(const std::string& name, long long line)
{
    return Format("Probe \"%s\" (ab Zeile %lld)", name.c_str(), line);
}

} // namespace

std::string PcTableErrorMessage(const PcTableError& e)
{
    const std::string where = Where(e);
    switch (e.kind) {
    case PcTableErrorKind::CannotRead:
        return "ABBRUCH!!Die Kapillardruckdatei " + e.file + " kann nicht gelesen werden! "
            + SystemErrorReason(e.systemError);
    case PcTableErrorKind::LineTooLong:
        return Format("ABBRUCH!!Zeile %lld ist länger als %zu Zeichen; die Datei ist keine Kapillardrucktabelle!",
            e.line, kPcFileLimits.longestLine);
    case PcTableErrorKind::TooManyLines:
        return Format(
            "ABBRUCH!!Die Datei hat mehr als %zu Zeilen; sie ist keine Kapillardrucktabelle!", kPcFileLimits.mostLines);
    case PcTableErrorKind::UnclosedQuote:
        return Format("ABBRUCH!!Zeile %lld: ein Anführungszeichen ist nicht geschlossen!", e.line);
    case PcTableErrorKind::NoHeader:
        return "ABBRUCH!!Die Datei hat keine Kopfzeile (sample, porosity, permeability, pressure, hg_saturation "
               "oder sw)!";
    case PcTableErrorKind::MissingColumn:
        return Format("ABBRUCH!!Zeile %lld: der Kopfzeile fehlt die Spalte \"%s\"%s!", e.line, PcColumnName(e.role),
            e.role == PcColumn::HgSaturation ? " oder \"sw\"" : "");
    case PcTableErrorKind::DuplicateColumn:
        return "ABBRUCH!!" + where + ": die Spalte \"" + PcColumnName(e.role) + "\" steht zweimal in der Kopfzeile!";
    case PcTableErrorKind::BothSaturations:
        return "ABBRUCH!!" + where
            + ": \"hg_saturation\" und \"sw\" stehen beide in der Kopfzeile; erlaubt ist nur eine der beiden Spalten!";
    case PcTableErrorKind::UnknownUnit:
        return "ABBRUCH!!" + where + ": die Einheit \"" + e.text + "\" ist für \"" + PcColumnName(e.role)
            + "\" nicht bekannt!";
    case PcTableErrorKind::NoRows:
        return Format("ABBRUCH!!Nach der Kopfzeile (Zeile %lld) stehen keine Messwerte!", e.line);
    case PcTableErrorKind::MissingValue:
        return "ABBRUCH!!" + where + ": der Wert fehlt!";
    case PcTableErrorKind::NotANumber:
        return "ABBRUCH!!" + where + ": \"" + e.text + "\" ist keine Zahl!";
    case PcTableErrorKind::OutOfRange:
        return "ABBRUCH!!" + where + ": " + e.text + " " + RangeOf(e.role) + "!";
    case PcTableErrorKind::ExtraCell:
        return "ABBRUCH!!" + where + ": die Zeile hat mehr Felder als die Kopfzeile (\"" + e.text + "\")!";
    case PcTableErrorKind::DiffersWithinSample:
        return "ABBRUCH!!" + where + ": " + (e.text.empty() ? std::string("das leere Feld") : "\"" + e.text + "\"")
            + Format(" weicht von Zeile %lld der Probe \"%s\" ab; Teufe, Porosität, Permeabilität und Schließdruck "
                     "gelten für die ganze Probe und müssen in allen ihren Zeilen gleich sein!",
                e.otherLine, e.sample.c_str());
    }
    return "ABBRUCH!!" + where + "!";
}

std::string PcExclusionMessage(const PcExclusion& e)
{
    const std::string s = Sample(e.sample, e.line) + " wird nicht verwendet: ";
    switch (e.kind) {
    case PcExclusionKind::Deselected:
        return Sample(e.sample, e.line) + " ist abgewählt.";
    case PcExclusionKind::PermeabilityNotPositive:
        return s + Format("die Permeabilität %g mD ist nicht größer Null.", e.permeability);
    case PcExclusionKind::SaturationFalls:
        return s
            + Format("die Quecksilbersättigung fällt bei %.4g bar um %.3f (mehr als %.1f) unter einen Wert bei "
                     "kleinerem Druck.",
                e.pressure, e.amount, kLargestFall);
    case PcExclusionKind::ClosureOutsidePressures:
        return s
            + Format("der Schließdruck %.4g bar liegt außerhalb der gemessenen Drücke (%.4g bis %.4g bar).", e.pressure,
                e.lowest, e.highest);
    case PcExclusionKind::FilledAtClosure:
        return s
            + Format("beim Schließdruck %.4g bar ist der Porenraum schon ganz mit Quecksilber gefüllt.", e.pressure);
    case PcExclusionKind::TooFewPoints:
        return s
            + Format("nach der Schließdruck-Korrektur bleiben %d Punkte mit Quecksilber, nötig sind mindestens %d.",
                e.points, kMinimumPoints);
    case PcExclusionKind::FitFailed:
        return s + "ihre Kapillardruckkurve lässt sich nicht anpassen.";
    }
    return s;
}

std::string PcNoticeMessage(const PcNotice& n)
{
    switch (n.kind) {
    case PcNoticeKind::SwminExtrapolated:
        return Format("WARNUNG!! Probe \"%s\": der höchste Druck %.1f bar liegt unter %.0f %% von Pc max (%.1f bar); "
                      "ihr Swmin ist extrapoliert.",
            n.sample.c_str(), n.pressure, kSwminReachedShare * 100, n.pcMax);
    case PcNoticeKind::SampleNotConverged:
        return Format("WARNUNG!! Die Anpassung der Probe \"%s\" hat ihr Ziel nicht erreicht; ihre Werte sind die des "
                      "letzten Schritts.",
            n.sample.c_str());
    case PcNoticeKind::AlfaOrderLowered:
        return Format("WARNUNG!! alfa wird mit der Ordnung %d statt %d angepasst: ", n.used, n.requested)
            + (n.limit == AlfaOrderLimit::FewSamples
                    ? Format("%d Proben, für die Ordnung %d sind mindestens %d nötig.", n.samples, n.requested,
                        n.requested + 3)
                    : std::string("die Permeabilitäten der Proben streuen für die höhere Ordnung zu wenig."));
    case PcNoticeKind::RefinementFailed:
        return "Die Gesamtanpassung ist nicht gelungen; übernommen wird die Zweischritt-Anpassung.";
    case PcNoticeKind::RefinementNotConverged:
        return "WARNUNG!! Die Gesamtanpassung hat ihr Ziel nicht erreicht; ihre Werte sind die des letzten Schritts.";
    case PcNoticeKind::RefinementNotBetter:
        return "Die Gesamtanpassung verbessert die Zweischritt-Anpassung nicht; übernommen wird die "
               "Zweischritt-Anpassung.";
    case PcNoticeKind::RefinementRefused:
        return "Die Gesamtanpassung ergibt Koeffizienten, die der Eingabedialog nicht annimmt; übernommen wird die "
               "Zweischritt-Anpassung.";
    case PcNoticeKind::TwoStepAsked:
        return "Übernommen wird, wie verlangt, die Zweischritt-Anpassung.";
    }
    return {};
}

std::string PcRefusalMessage(const PcRefusal& r)
{
    switch (r.kind) {
    case PcRefusalKind::None:
        return {};
    case PcRefusalKind::AlfaOrderInvalid:
        return Format("ABBRUCH!!Die Ordnung der alfa-Beziehung muss 0 bis 3 sein, nicht %d!", r.alfaOrder);
    case PcRefusalKind::PcMaxTooLow:
        return Format("ABBRUCH!!Der Max.Kapillardruck %.1f bar ist zu niedrig; der Eingabedialog verlangt mehr als "
                      "10 bar!",
            r.pcMax);
    case PcRefusalKind::TooFewSamples:
        return Format("ABBRUCH!!Für die Normierung sind mindestens 3 verwendbare Proben nötig, verwendbar %s %d!",
            r.samples == 1 ? "ist" : "sind", r.samples);
    case PcRefusalKind::PermeabilitiesEqual:
        return "ABBRUCH!!Die Permeabilitäten der Proben streuen zu wenig, um die Parameter als Funktionen von "
               "log10(K) zu bestimmen!";
    case PcRefusalKind::SwminNotFalling:
        return Format("ABBRUCH!!Die Haftwassersättigung Swmin fällt nicht mit der Permeabilität "
                      "(log10(SwMin)=%g %+g*log10(K)); der Eingabedialog verlangt, dass sie abfällt!",
            r.coefficients.swmin[0], r.coefficients.swmin[1]);
    case PcRefusalKind::PcsperrNotFalling:
        return Format("ABBRUCH!!Die kapillaren Sperrdrücke Pcsperr fallen nicht mit der Permeabilität "
                      "(log10(PcSperr)=%g %+g*log10(K)); der Eingabedialog verlangt, dass sie abfallen!",
            r.coefficients.pcsperr[0], r.coefficients.pcsperr[1]);
    case PcRefusalKind::BetaMissing:
        return "ABBRUCH!!Die angepasste Beta-Funktion hat nur Koeffizienten 0; der Eingabedialog nimmt sie nicht an!";
    case PcRefusalKind::AlfaMissing:
        return "ABBRUCH!!Die angepasste Alfa-Funktion hat nur Koeffizienten 0; im Modell hieße das \"keine "
               "Beziehung\" mit der Defaultbeziehung für alfa!";
    case PcRefusalKind::NotRepresentable:
        return "ABBRUCH!!Die angepassten Koeffizienten liegen außerhalb des Zahlenbereichs des Dokuments!";
    }
    return {};
}

} // namespace keldo
