#pragma once
#include <string>

#include "SyntheticPcSet.h"

// The example set examples/core-pc/core-pc.csv: synthetic mercury
// capillary-pressure curves of twelve plugs, made with the model and the input
// dialog's default coefficients, with noise and a closure effect. Not data.
namespace keldo {

SyntheticPcSpec CorePcExampleSpec();

// The whole file as keldo-pc-example writes it: comment lines that say what
// it is, then the table (pressures in psia, porosity and mercury saturation
// in %, six significant digits).
std::string CorePcExampleText();

} // namespace keldo
