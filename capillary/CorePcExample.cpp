#include "CorePcExample.h"

#include "PcColumns.h"
#include "TextFormat.h"

namespace keldo {

SyntheticPcSpec CorePcExampleSpec()
{
    SyntheticPcSpec spec;
    // The input dialog's "Default-Werte".
    spec.coefficients.alfa = {8.29083f, 1.24712f, 0.626995f, -0.0412589f};
    spec.coefficients.beta = {-0.853872f, -0.5f};
    spec.coefficients.swmin = {-0.689505f, -0.231293f};
    spec.coefficients.pcsperr = {0.503791f, -0.39f};
    spec.pcMax = 141.7f;
    spec.permeabilities = {0.3, 0.7, 1.5, 3, 8, 20, 50, 120, 300, 800, 1500, 3000};
    spec.points = 40;
    spec.lowestPressure = 0.02;
    spec.noise = 0.01;
    spec.seed = 2024;
    spec.closure = 0.08;
    spec.conformance = 0.04;
    return spec;
}

std::string CorePcExampleText()
{
    PcTableUnits units;
    units.pressure = "psia";
    units.percent = true;
    units.digits = 6;
    const PcTable table = MakeSyntheticPcTable(CorePcExampleSpec());
    const double closure = table.samples.front().closure.value_or(0);
    return "# SYNTHETIC mercury injection capillary-pressure curves of twelve plugs: not measured on any core.\n"
           "# Made by keldo-pc-example (scripts/make-core-pc-example) with Keldo's capillary-pressure model and\n"
           "# the input dialog's default coefficients, L = log10(K/mD):\n"
           "#   alfa = 8.29083 + 1.24712 L + 0.626995 L^2 - 0.0412589 L^3\n"
           "#   log10(beta) = -0.853872 - 0.5 L, log10(Swmin) = -0.689505 - 0.231293 L,\n"
           "#   log10(Pcsperr/bar) = 0.503791 - 0.39 L, Pc max 141.7 bar (2055.16 psia).\n"
           "# 40 pressures per plug from 0.02 bar to Pc max, equally spaced in log pressure. Added: normal\n"
           "# noise of standard deviation 0.01 in saturation (seed 2024), and 4 % of mercury on the plug's\n"
        + Format("# surface taken up from the first pressure to the closure pressure, %.6g psia (%.4f bar).\n",
            closure / kBarPerPsi, closure)
        + JoinPcTableCells(WritePcTableCells(table, units), ',');
}

} // namespace keldo
