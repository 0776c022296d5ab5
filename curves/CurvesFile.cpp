#include "CurvesFile.h"

#include "CurvesCsv.h"
#include "CurvesLas.h"
#include "FileAccess.h"

namespace keldo {

bool SaveCurves(const std::string& path, CurveFileFormat format, const MeasurementCurves& curves,
    DepthReference depth, int& err)
{
    const std::string bytes
        = format == CurveFileFormat::Las ? CurvesLasText(curves, depth) : CurvesCsvText(curves, depth);
    return ReplaceFile(path, bytes, err);
}

} // namespace keldo
