#pragma once
#include <ostream>
#include <string>

#include "CurveColumns.h"
#include "MeasurementCurves.h"

// The curves as a LAS 2.0 file: ~V (VERS 2.0, WRAP NO), ~W (the depth range,
// the step where it is regular, NULL -999.25, the well's name), ~C (the
// columns with units and descriptions), ~P (the assumed contact, the fluid,
// the reservoir, the model's coefficients and the cut-offs), ~A with one line
// per measurement. Numbers have a decimal point whatever the locale; text is
// Windows-1252, as the program's other files on disk.
namespace keldo {

inline constexpr const char* kLasNull = "-999.25";

// Writes the file's bytes to `out`.
void WriteCurvesLas(std::ostream& out, const MeasurementCurves& curves, DepthReference depth);

// The same as one text.
std::string CurvesLasText(const MeasurementCurves& curves, DepthReference depth);

} // namespace keldo
