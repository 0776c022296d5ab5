#include <gtest/gtest.h>

#include "QtMessageBox.h"

using keldo::KindOfMessage;
using keldo::MessageKind;

// The texts are the program's own messages.
TEST(KindOfMessage, CompletionAndInformationGetTheInformationIcon)
{
    const struct {
        const char* text;
        MessageKind kind;
    } rows[] = {
        {"Berechnung der Saettigung abgeschlossen", MessageKind::Information},
        {"/home/anna/F-12.txt wird geöffnet", MessageKind::Information},
        {"304 Zeilen wurden eingelesen", MessageKind::Information},
        {"0 Zeilen wurden eingelesen", MessageKind::Information},
        {"Die Detailergebnisse sind in die Datei aus.txt geschrieben!", MessageKind::Information},
        {"Berechnung abgeschlossen\n", MessageKind::Information},
        {"\tAbbruch der Sw-Berechnung", MessageKind::Warning},
        {"ABBRUCH!!Die Messwerte mit Teufe Porosität und Wassersättigung fehlen!", MessageKind::Warning},
        {"ABBRUCH in der 2.Zeile\n1490 0.2 0.3\nDie Teufe nimmt nicht zu!", MessageKind::Warning},
        {"WARNUNG!!Die Phi-K-Realation fehlt!\nFür die Normierungsparameter wird die Permeabilität K\nmit der "
         "Porosität Phi gleichgesetzt,d.h. K = Phi",
            MessageKind::Warning},
        {"ABBRUCH!!Fehler beim Mittelwert für GWC\nBerechnung abgeschlossen", MessageKind::Warning},
        {"Die Ergebnisse konnten nicht in die Datei aus.txt geschrieben werden.\nKein Speicherplatz",
            MessageKind::Warning},
        {"Das Feld \"Initialdruck (bar)\" enthält keine gültige Zahl!", MessageKind::Warning},
        {"Onlinehilfe nicht gefunden!", MessageKind::Warning},
        {"Der Porositäts-Cutoff muss kleiner 0.4 sein!", MessageKind::Warning},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KindOfMessage(row.text), row.kind) << row.text;
}
