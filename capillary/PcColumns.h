#pragma once
#include <array>
#include <string>
#include <vector>

#include "PcTable.h"

// The header of the core capillary-pressure table: which cell holds which
// column, and the factor that turns its numbers into the model's units.
namespace keldo {

constexpr int kPcColumnCount = 8;

// bar per psi: 1 psi = 6894.757293168 Pa exactly.
constexpr double kBarPerPsi = 0.06894757293168;

struct PcColumnLayout {
    std::array<int, kPcColumnCount> index;          // 0-based cell, -1: not in the header
    std::array<double, kPcColumnCount> scale;       // number times scale = value in the model's unit
    std::array<std::string, kPcColumnCount> header; // the header's cell as written, trimmed

    PcColumnLayout()
    {
        index.fill(-1);
        scale.fill(1.0);
    }
    bool Has(PcColumn c) const { return index[static_cast<size_t>(c)] >= 0; }
    int Index(PcColumn c) const { return index[static_cast<size_t>(c)]; }
    double Scale(PcColumn c) const { return scale[static_cast<size_t>(c)]; }
    const std::string& Header(PcColumn c) const { return header[static_cast<size_t>(c)]; }
};

struct PcLayoutResult {
    bool ok = false;
    PcColumnLayout layout;
    PcTableError error;
};

// Finds the columns in the header's cells (of line `line`); the first fault
// is the error.
PcLayoutResult ReadPcHeader(const std::vector<std::string>& cells, long long line);

// The name under which the file names a column ("hg_saturation").
const char* PcColumnName(PcColumn c);

} // namespace keldo
