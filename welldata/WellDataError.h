#pragma once
#include <optional>
#include <string>

#include "CurveRole.h"

// Why a LAS file or a deviation survey could not be used. Each failure has
// its kind, the file it concerns and, where there is one, the line or the
// role of the curve at fault, for callers to decide on; and one German
// sentence (`detail`) that Message() joins with the file and line into the
// text the user sees.
namespace keldo {

enum class WellDataErrorKind {
    CannotRead,         // missing, a folder, not readable, a read error
    NotLas,             // does not begin with a LAS section (empty, binary)
    UnsupportedVersion, // LAS 3.0 or later
    Malformed,          // no ~A, no curves, wrong value count, truncated record, bad NULL, too long a line
    BadSurvey,          // a survey that cannot be read: columns missing, a bad row, fewer than two stations
    UnknownCurve,       // a curve name that the file does not have
    NoSuggestion,       // no curve looks like the one asked for
    NoUsableRow,        // a well-formed file without a single usable row
};

// The two answers a caller gives: the file cannot be read as it is (keldo-batch
// exits with 1), or it was read but gives nothing to compute with (exit 2).
enum class WellDataErrorGroup { UnreadableFile, NothingToUse };

WellDataErrorGroup GroupOf(WellDataErrorKind kind);

struct WellDataError {
    WellDataErrorKind kind = WellDataErrorKind::CannotRead;
    std::string file;    // the path as the caller gave it
    bool survey = false; // the file is a deviation survey, not a LAS file
    long long line = 0;  // 1-based; 0 when no single line is at fault
    // The role of the curve at fault (UnknownCurve, NoSuggestion); nothing
    // when no curve is.
    std::optional<CurveRole> curve;
    std::string detail; // one German sentence

    // "ABBRUCH!!LAS-Datei <file>, Zeile <n>: <detail>"; without the line part
    // when there is no line, "Bohrpfaddatei" for a survey.
    std::string Message() const;
};

// Fills in `error` and returns false, for `return Fail(...)` in the readers.
bool Fail(WellDataError& error, WellDataErrorKind kind, long long line, std::string detail);

} // namespace keldo
