#include "BatchOptions.h"

#include "CommandLine.h"
#include "NumberText.h"

namespace keldo {
namespace {

// "A:B", two numbers in metres; a leading minus belongs to the number.
bool ParseRange(const std::string& text, DepthRange& range)
{
    const size_t colon = text.find(':', 1);
    return colon != std::string::npos && ReadFiniteNumber(text.substr(0, colon), range.from)
        && ReadFiniteNumber(text.substr(colon + 1), range.to);
}

// Options that only mean something beside another one, or not beside it.
bool CheckFitOptions(const BatchOptions& options, bool orderGiven, bool pcOrderGiven, std::string& error)
{
    const auto refuse = [&](const char* text) {
        error = text;
        return false;
    };
    if (orderGiven && !options.fitPhiK)
        return refuse("--phik-order gilt nur mit --fit-phik");
    if (!options.coreFile.empty() && !options.fitPhiK)
        return refuse("--core gilt nur mit --fit-phik");
    if (!options.inputs.permeabilityCurve.empty() && !options.fitPhiK)
        return refuse("--permeability-curve gilt nur mit --fit-phik");
    if (!options.coreFile.empty() && !options.inputs.permeabilityCurve.empty())
        return refuse("--core und --permeability-curve schließen einander aus");
    if (!options.inputs.permeabilityCurve.empty() && options.inputs.lasFile.empty())
        return refuse("--permeability-curve braucht --las: die Permeabilitätskurve ist eine Kurve der LAS-Datei");
    if (options.fitPhiK && options.coreFile.empty() && options.inputs.lasFile.empty())
        return refuse("--fit-phik braucht --core DATEI oder --las DATEI mit einer Permeabilitätskurve");
    if (options.contactRange && !options.fitContact)
        return refuse("--contact-range gilt nur mit --fit-contact");
    if (options.fitContact && options.settings.modus == 1)
        return refuse("--fit-contact gilt nur für die Wassersättigung: die Kontaktberechnung nimmt keinen Kontakt an");
    const bool fitPc = !options.pcFile.empty();
    if (!fitPc && (options.pcMax || pcOrderGiven || options.pcTwoStep))
        return refuse("--pc-max, --alfa-order und --pc-two-step gelten nur mit --fit-pc");
    if (!options.fitGraphFile.empty() && !options.fitPhiK && !options.fitContact && !fitPc
        && options.pressureFile.empty())
        return refuse("--fit-graph gilt nur mit --fit-phik, --fit-contact, --fit-pc oder --fit-pressure");
    return true;
}

// Net pay, zones and exports, and what they need.
bool CheckReservoirOptions(const BatchOptions& options, bool cutoffGiven, std::string& error)
{
    const auto refuse = [&](const char* text) {
        error = text;
        return false;
    };
    if (!options.zone.empty() && options.topsFile.empty())
        return refuse("--zone braucht --tops DATEI: die Zonen stehen in der Datei der Formationsgrenzen");
    if (!options.inputs.shaleCurve.empty() && options.inputs.lasFile.empty())
        return refuse("--vsh-curve braucht --las: die Tonanteilkurve ist eine Kurve der LAS-Datei");
    if (cutoffGiven && !options.netPay && options.topsFile.empty() && options.exportLas.empty()
        && options.exportCsv.empty())
        return refuse("--sw-cutoff und --vsh-cutoff gelten nur mit --net-pay, --tops, --export-las oder --export-csv");
    return true;
}

} // namespace

const char* BatchUsage()
{
    return "Aufruf: keldo-batch [Optionen] DOKUMENT.kld\n"
           "\n"
           "Rechnet ein Keldo-Dokument ohne Oberfläche durch und gibt den Bericht aus.\n"
           "\n"
           "  --mode saturation|contact   Wassersättigung (Vorgabe) oder Kontaktberechnung\n"
           "  --min-depth M               Min.Teufe (m) des Teufenbereichs\n"
           "  --max-depth M               Max. Teufe (m) des Teufenbereichs\n"
           "                              (Vorgabe: Teufen der ersten und letzten Messwertzeile)\n"
           "  --cutoff F                  Porositäts-Cutoff (Vorgabe 0.06)\n"
           "  --detail                    \"Detailausgabe\" ein\n"
           "  --warnings                  \"Mit Warnungen\" ein\n"
           "  --constant-permeability     \"Permeabilität druckabhängig\" aus (sonst ein)\n"
           "  --measurements FILE         Messwerte aus einer Textdatei einlesen statt aus dem Dokument\n"
           "  --ascending | --descending  Teufen der Messwertdatei zunehmend oder abnehmend (Vorgabe)\n"
           "  --report FILE               Bericht in FILE statt auf die Standardausgabe schreiben\n"
           "  --graph FILE                Grafik als FILE.png, FILE.svg oder FILE.pdf speichern\n"
           "  --las FILE                  Messwerte aus einer LAS-Datei statt aus dem Dokument;\n"
           "                              das Dokument gibt die Modellparameter\n"
           "  --depth-curve M             Teufenkurve der LAS-Datei (Vorgabe: die Indexkurve)\n"
           "  --porosity-curve M          Porositätskurve (Vorgabe: Vorschlag nach dem Kurvennamen)\n"
           "  --sw-curve M                Wassersättigungskurve (Vorgabe: Vorschlag)\n"
           "  --survey FILE               Bohrpfad (MD, Inklination, Azimut) für eine MD-Teufenkurve\n"
           "  --elevation M|auto          Bezugshöhe (m): TVDSS = TVD - Bezugshöhe; auto aus dem\n"
           "                              LAS-Kopf (EKB, EDF, ELZ, EREF, ELEV); Vorgabe 0\n"
           "  --las-info FILE             Kopf und Kurven einer LAS-Datei als JSON ausgeben\n"
           "  --save-as FILE              das Dokument vor der Berechnung als FILE.kld speichern\n"
           "                              (nach den Anpassungen, mit den angepassten Werten)\n"
           "  --fit-pc FILE               Kapillardruck-Koeffizienten (alfa, beta, Swmin, Pcsperr)\n"
           "                              und Max.Kapillardruck aus Quecksilber-Kapillardruck-\n"
           "                              messungen an Kernproben (CSV) anpassen und übernehmen;\n"
           "                              läuft vor den anderen Anpassungen\n"
           "  --pc-max BAR                Max.Kapillardruck (bar); Vorgabe: höchster Druck der Datei\n"
           "  --alfa-order 0..3           Ordnung der alfa-Beziehung (Vorgabe 3)\n"
           "  --pc-two-step               die Zweischritt-Anpassung übernehmen statt der\n"
           "                              Gesamtanpassung\n"
           "  --fit-phik                  Phi-K-Korrelation an die Daten anpassen und übernehmen\n"
           "  --phik-order 1|2            Ordnung der Phi-K-Korrelation (Vorgabe 2)\n"
           "  --core FILE                 Wertepaare aus einer Kerntabelle (Teufe, Porosität,\n"
           "                              Permeabilität mD), mit oder ohne --las\n"
           "  --permeability-curve M      Permeabilitätskurve der LAS-Datei (Vorgabe: Vorschlag);\n"
           "                              Wertepaare sind die übernommenen Zeilen mit Permeabilität\n"
           "  --fit-contact               Kontakt an die Wassersättigung anpassen und übernehmen\n"
           "  --contact-range A:B         Suchbereich des Kontakts (m); Vorgabe: von der flachsten\n"
           "                              Messung im Teufenbereich bis 300 m unter die tiefste\n"
           "  --fit-pressure FILE         freies Wasserniveau aus den Formationsdrücken einer\n"
           "                              Druckdatei (CSV: depth, pressure, optional fluid, well,\n"
           "                              use) als Kontakt übernehmen; mit --fit-contact nur\n"
           "                              verglichen, der Kontakt aus den Logs gilt\n"
           "  --fit-graph FILE            Grafik der Anpassung als FILE.png, FILE.svg oder FILE.pdf;\n"
           "                              bei beiden Anpassungen zwei Dateien, \"-phik\" und\n"
           "                              \"-kontakt\" vor der Endung; mit --fit-pc dazu drei Dateien\n"
           "                              \"-pc\", \"-pcparam\" und \"-shf\" vor der Endung; mit --fit-pressure\n"
           "                              dazu die Druck-Teufen-Grafik, \"-druck\" vor der Endung\n"
           "  --export-las FILE           Werte jeder Messung (Teufe, Porosität, Sw, Sw des\n"
           "                              Modells, Permeabilität, Swmin, Höhe über dem Kontakt,\n"
           "                              Kontakt, Netto, Pay) als LAS 2.0 speichern\n"
           "  --export-csv FILE           dieselben Werte als CSV-Tabelle speichern\n"
           "  --net-pay                   Netto-, Nutz- und KW-Porenmächtigkeit nach dem Bericht\n"
           "                              auf der Standardausgabe\n"
           "  --sw-cutoff F               Sw-Cutoff (Pay bis), Vorgabe 0.5\n"
           "  --vsh-curve M               Tonanteilkurve der LAS-Datei (Vorgabe: Vorschlag nach\n"
           "                              dem Kurvennamen VSH, VCL, VSHALE, VCLAY; ohne: keine)\n"
           "  --vsh-cutoff F              Tonanteil-Cutoff (netto bis), Vorgabe 0.4\n"
           "  --tops FILE                 Formationsgrenzen (CSV: well, surface, depth,\n"
           "                              reference): Kontaktstatistik und Nettomächtigkeit je\n"
           "                              Zone nach dem Bericht\n"
           "  --zone NAME                 die ganze Berechnung auf die Zone NAME beschränken\n"
           "  --help                      diese Hilfe\n"
           "\n"
           "Der Bericht erscheint in UTF-8, eine Zeile je Berichtszeile. Jede Meldung der\n"
           "Berechnung geht in ihrer Reihenfolge auf die Standardfehlerausgabe, eine je Zeile.\n"
           "Die Eingaben werden vorher wie im Eingabedialog geprüft. Die Anpassungen laufen\n"
           "danach, ihr kurzer Bericht erscheint auf der Standardausgabe vor dem Bericht, und\n"
           "die Berechnung nimmt die angepassten Werte.\n"
           "\n"
           "Rückgabewert: 0 Berechnung abgeschlossen, 3 Berechnung abgebrochen,\n"
           "2 falscher Aufruf, Eingaben abgelehnt oder Anpassung nicht möglich, 1 Dokument\n"
           "oder Datei nicht lesbar oder nicht schreibbar.\n";
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args, std::string& error)
{
    BatchOptions options;
    bool orderGiven = false;
    bool pcOrderGiven = false;
    bool cutoffGiven = false;
    CommandLine line({options.inputs.document, "ein Dokument", "kein Dokument"});
    line.Value(
        "--mode",
        [&](const std::string& value) {
            if (value != "saturation" && value != "contact")
                return false;
            options.settings.modus = value == "contact" ? 1 : 0;
            return true;
        },
        "ist weder saturation noch contact");
    line.Number("--min-depth", options.settings.minTeufe);
    line.Number("--max-depth", options.settings.maxTeufe);
    line.Number("--cutoff", options.settings.cutoff);
    line.Flag("--detail", [&] { options.settings.detail = true; });
    line.Flag("--warnings", [&] { options.settings.warnungen = true; });
    line.Flag("--constant-permeability", [&] { options.settings.druckabhaengig = false; });
    line.Flag("--ascending", [&] { options.inputs.descending = false; });
    line.Flag("--descending", [&] { options.inputs.descending = true; });
    line.Flag("--fit-phik", [&] { options.fitPhiK = true; });
    line.Flag("--fit-contact", [&] { options.fitContact = true; });
    line.Text("--fit-pc", options.pcFile);
    line.Text("--fit-pressure", options.pressureFile);
    line.Flag("--pc-two-step", [&] { options.pcTwoStep = true; });
    line.Number("--pc-max", options.pcMax);
    line.Value(
        "--alfa-order",
        [&](const std::string& value) {
            if (value.size() != 1 || value[0] < '0' || value[0] > '3')
                return false;
            options.alfaOrder = value[0] - '0';
            pcOrderGiven = true;
            return true;
        },
        "ist nicht 0, 1, 2 oder 3");
    line.Value(
        "--phik-order",
        [&](const std::string& value) {
            if (value != "1" && value != "2")
                return false;
            options.phiKOrder = value == "1" ? 1 : 2;
            orderGiven = true;
            return true;
        },
        "ist weder 1 noch 2");
    line.Value(
        "--contact-range",
        [&](const std::string& value) {
            DepthRange range;
            if (!ParseRange(value, range))
                return false;
            options.contactRange = range;
            return true;
        },
        "ist nicht A:B mit zwei Zahlen (m)");
    line.Value(
        "--elevation",
        [&](const std::string& value) {
            double metres = 0;
            if (value == "auto")
                options.inputs.elevation.reset();
            else if (ParseNumber(std::string_view(value), metres)) // in double, as the depths are computed
                options.inputs.elevation = metres;
            else
                return false;
            return true;
        },
        "ist weder eine Zahl noch auto");
    line.Text("--las", options.inputs.lasFile);
    line.Text("--depth-curve", options.inputs.depthCurve);
    line.Text("--porosity-curve", options.inputs.porosityCurve);
    line.Text("--sw-curve", options.inputs.swCurve);
    line.Text("--survey", options.inputs.surveyFile);
    line.Text("--las-info", options.lasInfoFile);
    line.Text("--save-as", options.saveAs);
    line.Text("--core", options.coreFile);
    line.Text("--permeability-curve", options.inputs.permeabilityCurve);
    line.Text("--fit-graph", options.fitGraphFile);
    line.Text("--report", options.reportFile);
    line.Text("--measurements", options.inputs.measurementsFile);
    line.Text("--graph", options.graphFile);
    line.Text("--export-las", options.exportLas);
    line.Text("--export-csv", options.exportCsv);
    line.Flag("--net-pay", [&] { options.netPay = true; });
    line.Text("--vsh-curve", options.inputs.shaleCurve);
    line.Text("--tops", options.topsFile);
    line.Text("--zone", options.zone);
    const auto cutoff = [&](const char* name, auto& target) {
        line.Value(
            name,
            [&cutoffGiven, &target](const std::string& value) {
                cutoffGiven = true;
                return ReadCutoff(value, target);
            },
            kCutoffRefusal);
    };
    cutoff("--sw-cutoff", options.swCutoff);
    cutoff("--vsh-cutoff", options.shaleCutoff);

    if (!line.Read(args)) {
        error = line.Error();
        return std::nullopt;
    }
    options.help = line.Help();
    if (!options.help && options.lasInfoFile.empty() && !line.RequireOperand()) {
        error = line.Error();
        return std::nullopt;
    }
    if (!options.inputs.lasFile.empty() && !options.inputs.measurementsFile.empty()) {
        error = "--las und --measurements schließen einander aus";
        return std::nullopt;
    }
    if (!CheckFitOptions(options, orderGiven, pcOrderGiven, error)
        || !CheckReservoirOptions(options, cutoffGiven, error))
        return std::nullopt;
    return options;
}

} // namespace keldo
