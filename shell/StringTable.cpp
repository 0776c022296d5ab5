#include "StringTable.h"

#include <map>

#include "CommandIds.h"

namespace keldo {

namespace {

const std::map<int, std::string>& Table()
{
    using namespace cmd;
    static const std::map<int, std::string> table = {
        {ID_FILE_NEW, "Erstellt ein neues Dokument.\nNeu"},
        {ID_FILE_OPEN, "Öffnet ein bestehendes Dokument.\nÖffnen"},
        {ID_FILE_SAVE, "Speichert das aktive Dokument.\nSpeichern"},
        {ID_FILE_SAVE_AS, "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
        {ID_FILE_PRINT, "Druckt das aktive Dokument.\nDrucken"},
        {ID_FILE_PRINT_PREVIEW, "Zeigt ganze Seiten an.\nSeitenansicht"},
        {ID_FILE_PRINT_SETUP, "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung"},
        {ID_FILE_MRU_FILE1, "Öffnet dieses Dokument."},
        {ID_APP_EXIT, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
        {ID_DATEN_AENDERN, "Eingabedatei aufbauen bzw. ändern\nDaten ändern"},
        {ID_MODELL_ANPASSEN, "Passt die Phi-K-Relation und den Kontakt an die Messwerte an.\nModell anpassen"},
        {ID_ERGEBNISSE_AUSGEBEN, "Schreibt die Ergebnisse in die Datei AUS.TXT"},
        // Held under 32779; the read command 32780 has no entry of its own.
        {ID_ERGEBNISSE_EINLESEN_PROMPT, "Liest die Datei AUS.TXT ein"},
        {ID_GRAFIK, "Zeigt die Ergebnisse als Grafik an \nGrafik"},
        {ID_TABELLE, "Zeigt die Ergebnisse als Tabelle an\nTabelle"},
        {ID_VIEW_TOOLBAR, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
        {ID_VIEW_STATUS_BAR, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
        {ID_APP_ABOUT, "Zeigt Programm-Informationen, Versionsnummer und Copyright an.\nInfo"},
        {ID_HILFE, "Online-Hilfe"},
        {ID_GRAFIKLUPE, "Grafik Lupe\nGrafik lupe"},
        {ID_GRAFIK_EXPORTIEREN, "Speichert die Grafik als Bild (PNG, SVG) oder PDF.\nGrafik exportieren"},
        {ID_MESSWERTE_LAS,
            "Speichert die Werte jeder Messung des berechneten Dokuments als LAS-Datei.\nMesswerte als LAS"},
        {ID_MESSWERTE_CSV,
            "Speichert die Werte jeder Messung des berechneten Dokuments als CSV-Tabelle.\nMesswerte als CSV"},
        {ID_NETTOMAECHTIGKEIT,
            "Zeigt Netto-, Nutz- und KW-Porenmächtigkeit des Dokuments.\nNettomächtigkeit"},
        {ID_FELDSTUDIE,
            "Rechnet viele Bohrungen mit dem Modell des aktiven Dokuments und vergleicht ihre "
            "Kontakte.\nFeldstudie"},
    };
    return table;
}

} // namespace

std::string StringTableEntry(int id)
{
    const auto& table = Table();
    if (id > cmd::ID_FILE_MRU_FILE1 && id <= cmd::ID_FILE_MRU_FILE1 + 15)
        id = cmd::ID_FILE_MRU_FILE1; // the recent-file entries share one prompt
    auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}

std::string CommandPrompt(int id)
{
    std::string entry = StringTableEntry(id);
    return entry.substr(0, entry.find('\n'));
}

std::string CommandToolTip(int id)
{
    std::string entry = StringTableEntry(id);
    auto newline = entry.find('\n');
    return newline == std::string::npos ? std::string() : entry.substr(newline + 1);
}

} // namespace keldo
