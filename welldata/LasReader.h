#pragma once
#include <cstddef>
#include <istream>
#include <string>
#include <vector>

#include "LasLog.h"
#include "WellDataError.h"

// Reading LAS files (versions 1.2 and 2.0, wrapped or not). The file is
// streamed: only the header, the per-curve counts and the values of the kept
// curves are held, never the file itself. Nothing here has shared state, so
// any number of files can be read at the same time in separate threads.
namespace keldo {

// The most a header (everything before ~A) may hold. Real logs have some
// dozens of curves and a few hundred header lines; far beyond that a file is
// damaged or no log, and reading on would only fill the memory: such a file
// is refused (Malformed) at the line that passes a limit, which its message
// names.
inline constexpr size_t kMostLasCurves = 10000;
inline constexpr size_t kMostLasHeaderLines = 100000;
inline constexpr size_t kMostLasHeaderBytes = 16 << 20;

// Which curves a reading keeps the values of; every curve is counted in the
// statistics either way. Indices refer to LasHeader::curves; those beyond the
// curves are ignored.
struct KeptCurves {
    bool all = false;
    std::vector<size_t> indices;
};

inline KeptCurves KeepAllCurves() { return KeptCurves{true, {}}; }
inline KeptCurves KeepCurves(std::vector<size_t> indices) { return KeptCurves{false, std::move(indices)}; }

// Reads the sections before the data (~V, ~W, ~C, ~P, ~O, unknown ones
// skipped), stopping after the line that opens ~A. Curve mnemonics come back
// unique (see UniqueMnemonics). Errors: NotLas, UnsupportedVersion, Malformed
// (no ~A, no curves, ~A before ~C, a NULL that is not a number, a line longer
// than 1 MiB, a header beyond the limits above), CannotRead for a read error.
bool ReadLasHeader(std::istream& in, LasHeader& header, WellDataError& error);

// Reads the whole file: the header as above, then one record per line (or,
// with WRAP YES, per run of lines that together hold one value per curve).
// NULL, "nan" and any text that is not a number count as missing. Further
// errors: a record with the wrong number of values, a truncated last wrapped
// record (Malformed, naming the line). Sections after the data are not read.
bool ReadLas(std::istream& in, const KeptCurves& kept, LasLog& log, WellDataError& error);

// The same for files; the error names the file.
bool ReadLasHeaderFile(const std::string& path, LasHeader& header, WellDataError& error);
bool ReadLasFile(const std::string& path, const KeptCurves& kept, LasLog& log, WellDataError& error);

} // namespace keldo
