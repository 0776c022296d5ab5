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
        return &options.lasFile;
    if (name == "--depth-curve")
        return &options.depthCurve;
    if (name == "--porosity-curve")
        return &options.porosityCurve;
    if (name == "--sw-curve")
        return &options.swCurve;
    if (name == "--survey")
        return &options.surveyFile;
    if (name == "--las-info")
        return &options.lasInfoFile;
    if (name == "--save-as")
        return &options.saveAs;
    return nullptr;
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
           "  --help                      diese Hilfe\n"
           "\n"
           "Der Bericht erscheint in UTF-8, eine Zeile je Berichtszeile. Jede Meldung der\n"
           "Berechnung geht in ihrer Reihenfolge auf die Standardfehlerausgabe, eine je Zeile.\n"
           "Die Eingaben werden vorher wie im Eingabedialog geprüft.\n"
           "\n"
           "Rückgabewert: 0 Berechnung abgeschlossen, 3 Berechnung abgebrochen,\n"
           "2 falscher Aufruf oder Eingaben abgelehnt, 1 Dokument oder Datei nicht lesbar\n"
           "oder nicht schreibbar.\n";
}

std::optional<BatchOptions> ParseBatchOptions(const std::vector<std::string>& args, std::string& error)
{
    BatchOptions options;
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
                options.modus = 0;
            } else if (*value == "contact") {
                options.modus = 1;
            } else {
                error = "Option --mode: \"" + *value + "\" ist weder saturation noch contact";
                return std::nullopt;
            }
        } else if (arg == "--min-depth" || arg == "--max-depth") {
            float v = 0;
            if (!needNumber(i, arg, v))
                return std::nullopt;
            (arg == "--min-depth" ? options.minTeufe : options.maxTeufe) = v;
        } else if (arg == "--cutoff") {
            if (!needNumber(i, arg, options.cutoff))
                return std::nullopt;
        } else if (arg == "--detail") {
            options.detail = true;
        } else if (arg == "--warnings") {
            options.warnungen = true;
        } else if (arg == "--constant-permeability") {
            options.druckabhaengig = false;
        } else if (arg == "--ascending" || arg == "--descending") {
            options.descending = arg == "--descending";
        } else if (arg == "--elevation") {
            const std::string* value = needValue(i, arg);
            if (!value)
                return std::nullopt;
            double metres = 0;
            if (*value == "auto") {
                options.elevation.reset();
            } else if (ParseNumber(std::string_view(*value), metres)) { // in double, as the depths are computed
                options.elevation = metres;
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
                                       : options.measurementsFile)
                = *value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unbekannte Option " + arg;
            return std::nullopt;
        } else if (options.document.empty()) {
            options.document = arg;
        } else {
            error = "mehr als ein Dokument angegeben: " + arg;
            return std::nullopt;
        }
    }
    if (!options.help && options.document.empty() && options.lasInfoFile.empty()) {
        error = "kein Dokument angegeben";
        return std::nullopt;
    }
    if (!options.lasFile.empty() && !options.measurementsFile.empty()) {
        error = "--las und --measurements schließen einander aus";
        return std::nullopt;
    }
    return options;
}

} // namespace keldo
