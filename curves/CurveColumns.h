#pragma once
#include <array>
#include <cstddef>
#include <string>

#include "MeasurementCurves.h"

// The columns of the curves as they leave the program, in their order, the
// same in a LAS file and in a CSV table: mnemonic, unit, description and the
// decimals of each value.
namespace keldo {

// The depth the measurement lines hold: TVD (a document) or TVDSS (a log
// imported with an elevation).
enum class DepthReference { Tvd, Tvdss };

enum class CurveColumn { Depth, Porosity, Sw, ModelSw, Keff, Swmin, Height, Contact, Net, Pay };
inline constexpr size_t kCurveColumnCount = 10;

struct CurveColumnInfo {
    std::string mnemonic;    // TVD, PHI, SW, SW_MOD, ...
    std::string unit;        // as LAS writes it: M, V/V, MD; empty for the flags
    std::string description; // German, ASCII only (umlauts written out)
    int decimals = 0;        // at least as many as the reports print
};

// The columns in their order; the depth's mnemonic follows `depth`, the
// contact's description the fluid (0 gas, 1 oil).
std::array<CurveColumnInfo, kCurveColumnCount> CurveColumns(DepthReference depth, int fluid);

// The value of `column` in `row`; NaN where it has none.
double CurveValue(const CurveRow& row, CurveColumn column);

// Appends the value of `column` in `row` with the column's decimals, right
// aligned in `width` characters (0: no filling); `none` where it has none.
void AppendCurveValue(std::string& out, const CurveRow& row, CurveColumn column, int decimals, int width,
    std::string_view none);

} // namespace keldo
