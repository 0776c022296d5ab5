#pragma once
#include <ostream>
#include <string>

#include "CurveColumns.h"
#include "MeasurementCurves.h"

// The curves as a comma-separated table: a header line of the mnemonics
// (TVD or TVDSS, PHI, SW, SW_MOD, KEFF, SWMIN, HAC, CONTACT, NET, PAY), then
// one line per measurement with the decimals of the LAS file, a decimal point
// whatever the locale, and an empty field where a value is missing. Lines end
// with "\n".
namespace keldo {

void WriteCurvesCsv(std::ostream& out, const MeasurementCurves& curves, DepthReference depth);

std::string CurvesCsvText(const MeasurementCurves& curves, DepthReference depth);

} // namespace keldo
