#pragma once
#include <string>

#include "PressureTable.h"

// Every German word of the pressure evaluation's failures and notices, made
// here from the failures' data; nothing decides by these texts.
namespace keldo {

// "ABBRUCH!!Druckdatei <file>, Zeile 7, Spalte 2 (pressure): "abc" ist
// keine Zahl." Without the column part, or the line part, when the error
// has none.
std::string PressureTableMessage(const PressureTableError& error, const std::string& file);

} // namespace keldo
