#pragma once
#include <string>

#include "FreeWaterLevel.h"
#include "PressureFile.h"
#include "PressureTable.h"

// Every German word of the pressure evaluation's failures and notices, made
// here from the failures' data; nothing decides by these texts.
namespace keldo {

// "Wasser", "Öl", "Gas", "Kohlenwasserstoff".
std::string PressureLegName(PressureLegKind kind);

// "ABBRUCH!!Druckdatei <file>, Zeile 7, Spalte 2 (pressure): "abc" ist
// keine Zahl." Without the column part, or the line part, when the error
// has none.
std::string PressureTableMessage(const PressureTableError& error, const std::string& file);

// "ABBRUCH!!Druckdatei <file>: Die Datei kann nicht gelesen werden. …" and
// the others of the file as a whole; a bad table as PressureTableMessage.
std::string PressureFileMessage(const PressureFileError& error, const std::string& file);

// Why `level` was refused, beginning with "ABBRUCH!!"; empty when it was not.
std::string FreeWaterLevelRefusalMessage(const FreeWaterLevel& level);

// One notice of `level`; warnings begin with "WARNUNG!! ".
std::string PressureNoticeText(PressureNotice notice, const FreeWaterLevel& level);

} // namespace keldo
