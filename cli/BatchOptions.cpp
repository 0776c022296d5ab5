#include "BatchOptions.h"

#include <cmath>

#include "NumberText.h"
#include "TextFormat.h"

namespace keldo {
namespace {

// A whole argument that is one finite decimal number.
bool ParseNumber(const std::string& text, float& value) { return ParseWholeFloat(text, value) && std::isfinite(value); }

// The options that take a text value of their own (file and curve names).
std::string* TextOption(BatchOptions& options, const std::string& name)
{
    if (name == "--las")
        return &options.inputs.lasFile;
    if (name == "--depth-curve")
        return &options.inputs.depthCurve;
    if (name == "--porosity-curve")
        return &options.inputs.porosityCurve;
    if (name == "--sw-curve")
        return &options.inputs.swCurve;
    if (name == "--survey")
        return &options.inputs.surveyFile;
    if (name == "--las-info")
        return &options.lasInfoFile;
    if (name == "--save-as")
        return &options.saveAs;
    if (name == "--core")
        return &options.coreFile;
    if (name == "--permeability-curve")
        return &options.inputs.permeabilityCurve;
    if (name == "--fit-graph")
        return &options.fitGraphFile;
    if (name == "--fit-pressure")
        return &options.pressureFile;
    return nullptr;
}

// "A:B", two numbers in metres; a leading minus belongs to the number.
bool ParseRange(const std::string& text, DepthRange& range)
{
    const size_t colon = text.find(':', 1);
    return colon != std::string::npos && ParseNumber(text.substr(0, colon), range.from)
        && ParseNumber(text.substr(colon + 1), range.to);
}

// Options that only mean something beside another one, or not beside it.
bool CheckFitOptions(const BatchOptions& options, bool orderGiven, std::string& error)
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
    if (!options.fitGraphFile.empty() && !options.fitPhiK && !options.fitContact && options.pressureFile.empty())
        return refuse("--fit-graph gilt nur mit --fit-phik, --fit-contact oder --fit-pressure");
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
           "                              \"-kontakt\" vor der Endung; mit --fit-pressure dazu\n"
           "                              die Druck-Teufen-Grafik, \"-druck\" vor der Endung\n"
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
    auto needValue = [&](size_t& i, const std::string& name) -> const std::string* {
        if (i + 1 >= args.size()) {
            error = "Option " + name + " braucht einen Wert";
            return nullptr;
        }
        return &args[++i];
    };
    auto needNumber = [&](size_t& i, const std::string& name, float& out) {
        const std::string* value = needValue(i, name);
        if (!value)
            return false;
        if (!ParseNumber(*value, out)) {
            error = "Option " + name + ": \"" + *value + "\" ist keine Zahl";
            return false;
        }
        return true;
    };

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--mode") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            if (*value == "saturation") {
                options.settings.modus = 0;
            } else if (*value == "contact") {
                options.settings.modus = 1;
            } else {
                error = "Option --mode: \"" + *value + "\" ist weder saturation noch contact";
                return std::nullopt;
            }
        } else if (arg == "--min-depth" || arg == "--max-depth") {
            float v = 0;
            if (!needNumber(i, arg, v))
                return std::nullopt;
            (arg == "--min-depth" ? options.settings.minTeufe : options.settings.maxTeufe) = v;
        } else if (arg == "--cutoff") {
            if (!needNumber(i, arg, options.settings.cutoff))
                return std::nullopt;
        } else if (arg == "--detail") {
            options.settings.detail = true;
        } else if (arg == "--warnings") {
            options.settings.warnungen = true;
        } else if (arg == "--constant-permeability") {
            options.settings.druckabhaengig = false;
        } else if (arg == "--ascending" || arg == "--descending") {
            options.inputs.descending = arg == "--descending";
        } else if (arg == "--fit-phik") {
            options.fitPhiK = true;
        } else if (arg == "--fit-contact") {
            options.fitContact = true;
        } else if (arg == "--phik-order") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            if (*value != "1" && *value != "2") {
                error = "Option --phik-order: \"" + *value + "\" ist weder 1 noch 2";
                return std::nullopt;
            }
            options.phiKOrder = *value == "1" ? 1 : 2;
            orderGiven = true;
        } else if (arg == "--contact-range") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            DepthRange range;
            if (!ParseRange(*value, range)) {
                error = "Option --contact-range: \"" + *value + "\" ist nicht A:B mit zwei Zahlen (m)";
                return std::nullopt;
            }
            options.contactRange = range;
        } else if (arg == "--elevation") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            double metres = 0;
            if (*value == "auto") {
                options.inputs.elevation.reset();
            } else if (ParseNumber(std::string_view(*value), metres)) { // in double, as the depths are computed
                options.inputs.elevation = metres;
            } else {
                error = "Option --elevation: \"" + *value + "\" ist weder eine Zahl noch auto";
                return std::nullopt;
            }
        } else if (std::string* text = TextOption(options, arg)) {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            *text = *value;
        } else if (arg == "--report" || arg == "--measurements" || arg == "--graph") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            (arg == "--report"         ? options.reportFile
                    : arg == "--graph" ? options.graphFile
                                       : options.inputs.measurementsFile)
                = *value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unbekannte Option " + arg;
            return std::nullopt;
        } else if (options.inputs.document.empty()) {
            options.inputs.document = arg;
        } else {
            error = "mehr als ein Dokument angegeben: " + arg;
            return std::nullopt;
        }
    }
    if (!options.help && options.inputs.document.empty() && options.lasInfoFile.empty()) {
        error = "kein Dokument angegeben";
        return std::nullopt;
    }
    if (!options.inputs.lasFile.empty() && !options.inputs.measurementsFile.empty()) {
        error = "--las und --measurements schließen einander aus";
        return std::nullopt;
    }
    if (!CheckFitOptions(options, orderGiven, error))
        return std::nullopt;
    return options;
}

} // namespace keldo
