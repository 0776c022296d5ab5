#include "FieldOptions.h"

#include <cstdlib>

#include "CommandLine.h"

namespace keldo {
namespace {

constexpr int kMaxJobs = 256;

bool ParseJobs(const std::string& text, int& jobs)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    jobs = std::atoi(text.c_str());
    return jobs >= 1 && jobs <= kMaxJobs;
}

} // namespace

const char* FieldUsage()
{
    return "Aufruf: keldo-field FELD.csv --template MODELL.kld --out ORDNER [--jobs N] [--cutoff F]\n"
           "                   [--tops GRENZEN.csv] [--sw-cutoff F] [--vsh-cutoff F]\n"
           "\n"
           "Rechnet jede Bohrung der Felddatei in beiden Betriebsarten (Wassersättigung und\n"
           "Kontaktberechnung), mehrere Bohrungen gleichzeitig, und schreibt eine Übersicht.\n"
           "\n"
           "  --template MODELL.kld  Dokument, dessen Modellparameter die Bohrungen mit LAS-Datei\n"
           "                         bekommen (für Bohrungen mit eigenem Dokument nicht nötig)\n"
           "  --out ORDNER           Ausgabeordner (wird angelegt)\n"
           "  --jobs N               N Bohrungen gleichzeitig (Vorgabe: ein Thread je Kern)\n"
           "  --cutoff F             Porositäts-Cutoff der Bohrungen ohne eigenen (Vorgabe 0.06)\n"
           "  --tops GRENZEN.csv     Formationsgrenzen (well, surface, depth, reference): je\n"
           "                         Bohrung und Zone Kontaktstatistik und Nettomächtigkeit\n"
           "                         in ORDNER/zones.csv\n"
           "  --sw-cutoff F          Sw-Cutoff (Pay bis), Vorgabe 0.5\n"
           "  --vsh-cutoff F         Tonanteil-Cutoff (netto bis), Vorgabe 0.4\n"
           "  --help                 diese Hilfe\n"
           "\n"
           "Felddatei: UTF-8, Komma oder Semikolon, eine Kopfzeile, Zeilen mit # sind Kommentare.\n"
           "Spalten: well, document oder las, dazu survey, elevation (Zahl oder auto),\n"
           "depth_curve, porosity_curve, sw_curve, vsh (Tonanteilkurve; nur mit las), contact,\n"
           "cutoff, pressure (Druckdatei: freies Wasserniveau in ORDNER/<Bohrung>/pressure.txt).\n"
           "Relative Pfade gelten vom Ordner der Felddatei aus.\n"
           "\n"
           "Ausgabe: ORDNER/summary.csv, ORDNER/netpay.csv (Netto-, Nutz- und KW-Porenmächtigkeit),\n"
           "ORDNER/field.svg, field.png, field.pdf und je Bohrung ORDNER/<Bohrung>/saturation.txt,\n"
           "contact.txt, saturation.svg, contact.svg, curves.las (Werte jeder Messung), messages.txt,\n"
           "mit Druckdatei pressure.txt.\n"
           "Auf der Standardfehlerausgabe eine Zeile je fertige Bohrung und eine Schlusszeile.\n"
           "\n"
           "Rückgabewert: 0 alle Bohrungen abgeschlossen, 3 eine Berechnung abgebrochen,\n"
           "1 eine Bohrung oder ihre Druckdatei nicht verwendbar (oder eine Ausgabe nicht schreibbar),\n"
           "2 falscher Aufruf, Felddatei oder Vorlage nicht verwendbar.\n";
}

std::optional<FieldOptions> ParseFieldOptions(const std::vector<std::string>& args, std::string& error)
{
    FieldOptions options;
    CommandLine line({options.fieldFile, "eine Felddatei", "keine Felddatei"});
    line.Text("--template", options.templateFile);
    line.Text("--out", options.outDir);
    line.Text("--tops", options.topsFile);
    line.Value(
        "--jobs", [&](const std::string& value) { return ParseJobs(value, options.jobs); },
        "ist keine ganze Zahl von 1 bis 256");
    line.Number("--cutoff", options.cutoff);
    line.Value(
        "--sw-cutoff", [&](const std::string& value) { return ReadCutoff(value, options.swCutoff); }, kCutoffRefusal);
    line.Value(
        "--vsh-cutoff", [&](const std::string& value) { return ReadCutoff(value, options.shaleCutoff); },
        kCutoffRefusal);
    if (!line.Read(args)) {
        error = line.Error();
        return std::nullopt;
    }
    options.help = line.Help();
    if (options.help)
        return options;
    if (!line.RequireOperand()) {
        error = line.Error();
        return std::nullopt;
    }
    if (options.outDir.empty()) {
        error = "kein Ausgabeordner angegeben (--out)";
        return std::nullopt;
    }
    return options;
}

} // namespace keldo
