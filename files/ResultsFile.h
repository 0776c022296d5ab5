#pragma once
#include <istream>
#include <string>
#include <vector>

#include "KeldoDoc.h"

// The results text file "aus.txt": the document's title, then the report
// lines, one per line, in Windows-1252.
namespace keldo {

inline constexpr const char* kResultsFileName = "aus.txt";
// Reading takes at most this many lines.
inline constexpr int kMaxResultsLines = 1000;

// The document's commands "Ergebnisse ausgeben" / "Ergebnisse einlesen" on
// "aus.txt" in `directory` (the working directory by default), with every
// message box through doc.Messages().
void OnErgebnisseAusgeben(CKeldoDoc& doc, const std::string& directory = ".");
void OnErgebnisseEinlesen(CKeldoDoc& doc, const std::string& directory = ".");

// The file's bytes: nothing for an empty report, else the title line and the
// report lines, each ended by "\n", converted to Windows-1252.
std::string FormatResultsText(const std::string& title, const std::vector<std::string>& report);

// Reads at most kMaxResultsLines lines of `in` into `lines` (UTF-8) and
// returns how many were taken.
int ReadResultsLines(std::istream& in, std::vector<std::string>& lines);

} // namespace keldo
