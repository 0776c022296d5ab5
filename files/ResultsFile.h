#pragma once
#include <istream>
#include <string>
#include <vector>

#include "FileResult.h"

// The results text file "aus.txt": the document's title, then the report
// lines, one per line, in Windows-1252.
namespace keldo {

inline constexpr const char* kResultsFileName = "aus.txt";
// Reading takes at most this many lines.
inline constexpr int kMaxResultsLines = 1000;
// A report line is some dozens of characters; a longer line than this is no
// report line, and the file is not read.
inline constexpr size_t kLongestResultsLine = 64 * 1024;

// What "Ergebnisse ausgeben" writes: `title` and `report` into "aus.txt" in
// `directory` (the working directory by default). An earlier file is replaced
// only once the new one is complete; on failure it stays as it was and the
// result holds the message to show.
FileResult WriteResultsFile(
    const std::string& title, const std::vector<std::string>& report, const std::string& directory = ".");

// What "Ergebnisse einlesen" reads: the lines of "aus.txt" in `directory`, at
// most kMaxResultsLines, into `lines` (emptied first). A missing file, or a
// folder of that name, gives no lines, as an empty file does. A file that
// cannot be read (a named pipe or a device of that name, no permission, a
// read error, a line longer than kLongestResultsLine) gives no lines and a
// failure whose message names the file and the reason.
FileResult ReadResultsFile(const std::string& directory, std::vector<std::string>& lines);

// The same, the lines only.
std::vector<std::string> ReadResultsFile(const std::string& directory = ".");

// The file's bytes: nothing for an empty report, else the title line and the
// report lines, each ended by "\n", converted to Windows-1252.
std::string FormatResultsText(const std::string& title, const std::vector<std::string>& report);

// Reads at most kMaxResultsLines lines of `in` into `lines` (UTF-8) and
// returns how many were taken. A line longer than kLongestResultsLine stops
// the reading there, with its number in `tooLong` (else 0).
int ReadResultsLines(std::istream& in, std::vector<std::string>& lines, long long* tooLong = nullptr);

} // namespace keldo
