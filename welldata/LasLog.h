#pragma once
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LasHeaderLine.h"

// A LAS file as read: its header, and per curve how many values are present
// and, for the curves the caller chose to keep, the values themselves.
namespace keldo {

struct LasHeader {
    std::string version;        // ~V VERS as written ("2.0", "1.2"); empty when the file names none
    bool wrap = false;          // ~V WRAP YES
    double nullValue = -999.25; // ~W NULL; -999.25 when the file has none
    std::vector<LasHeaderItem> versionItems;
    std::vector<LasHeaderItem> well;       // ~W in file order, as written
    std::vector<LasHeaderItem> curves;     // ~C in file order; the first is the index
    std::vector<LasHeaderItem> parameters; // ~P
    std::string other;                     // ~O, its lines joined by '\n'
};

struct LasCurveStatistics {
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    size_t count = 0; // values present
    double min = kNone;
    double max = kNone;
    // The index curve's value (in its own unit) in the first and in the last
    // row where this curve has a value: the depth range of a curve.
    double firstIndex = kNone;
    double lastIndex = kNone;
};

struct LasLog {
    LasHeader header;
    size_t rows = 0;                            // data records
    std::vector<LasCurveStatistics> statistics; // one per curve
    // One per curve: the values of each row for a kept curve (NaN where the
    // value is missing), empty for the others.
    std::vector<std::vector<double>> values;

    bool IsKept(size_t curve) const { return curve < values.size() && values[curve].size() == rows; }
};

// The first item with this mnemonic (case-insensitive), or nullptr.
const LasHeaderItem* FindHeaderItem(const std::vector<LasHeaderItem>& items, std::string_view mnemonic);

// ~W WELL, empty when the file names no well.
std::string WellName(const LasHeader& header);

// The elevation of the depth reference above sea level, in metres: the first
// of EKB, EDF, ELZ, EREF and ELEV in this order whose value is a number,
// converted from feet when its unit says so. Nothing when none holds a number.
std::optional<double> ElevationFromHeader(const LasHeader& header);

// What an import says when the header holds no elevation and none was given.
inline constexpr const char* kNoElevationNote
    = "Der Kopf der LAS-Datei nennt keine Bezugshöhe (EKB, EDF, ELZ, EREF, ELEV); 0 m angenommen.";

// Makes mnemonics unique as the reader does for curves: an empty one becomes
// "UNKNOWN"; every mnemonic that occurs more than once gets ":1", ":2", ... in
// the order of occurrence (GR, GR becomes GR:1, GR:2).
std::vector<std::string> UniqueMnemonics(const std::vector<std::string>& mnemonics);

} // namespace keldo
