#pragma once
#include <string>
#include <vector>

#include "PcCoefficients.h"
#include "PcTable.h"

// Synthetic mercury capillary-pressure sets made with the model from stated
// coefficients: the example set, the tests and the benchmark. Not data.
namespace keldo {

struct SyntheticPcSpec {
    PcCoefficients coefficients;        // the model the points are made with
    float pcMax = 141.7f;               // bar, also the highest pressure of the schedule
    std::vector<double> permeabilities; // mD, one sample each
    int points = 40;                    // per sample, pressures log-spaced up to pcMax
    double lowestPressure = 0.05;       // bar, the first pressure of the schedule
    double noise = 0;                   // standard deviation of the Sw added, clipped to 0..1
    unsigned seed = 1;
    // Closure effect: up to `closure` (bar) the plug takes up `conformance`
    // of mercury on its surface, linearly in log pressure from the first
    // point; from there on the pores fill as the model says, the surface
    // mercury added. 0: none.
    double closure = 0;
    double conformance = 0;
};

// Samples "P01", "P02", … at depths from 2900 m in steps of 2.5 m, the
// porosity from K by the input dialog's default Phi-K relation, the closure
// pressure in each sample's rows where there is a closure effect.
PcTable MakeSyntheticPcTable(const SyntheticPcSpec& spec);

// Sw (-) of the model's curve at `pressure` (bar) by plain bisection, the
// reference the generator makes its points with.
double ReferenceSaturation(const CapillaryCurve& curve, double pressure);

// How a table is written out.
struct PcTableUnits {
    std::string pressure = "bar"; // bar, psia, psi, kPa, MPa
    bool percent = false;         // porosity and saturation in %
    bool wettingPhase = false;    // sw instead of hg_saturation
    bool darcy = false;           // permeability in D
    char separator = ',';         // a decimal comma where it is not ','
    int digits = 9;               // significant digits of the numbers
};

struct PcTableCells {
    std::vector<std::string> header; // line 1
    std::vector<CsvRow> rows;
};

// The table's cells in those units, line numbers as the table has them
// (the header's 1).
PcTableCells WritePcTableCells(const PcTable& table, const PcTableUnits& units);

// The cells as the text of a file, one line per row, lines ending in '\n'.
std::string JoinPcTableCells(const PcTableCells& cells, char separator);

} // namespace keldo
