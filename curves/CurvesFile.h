#pragma once
#include <string>

#include "CurveColumns.h"
#include "MeasurementCurves.h"

// Where the curves go to a file: the one place that writes them to disk.
namespace keldo {

enum class CurveFileFormat { Las, Csv };

// Replaces the file at `path` by the curves in `format` as a whole, so that a
// failure leaves the file that was there (and no part of the new one). False
// with the errno value in `err` (SystemErrorReason words it).
bool SaveCurves(const std::string& path, CurveFileFormat format, const MeasurementCurves& curves,
    DepthReference depth, int& err);

} // namespace keldo
