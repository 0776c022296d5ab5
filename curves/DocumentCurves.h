#pragma once
#include "CurveColumns.h"
#include "MeasurementCurves.h"

class CKeldoDoc;

// The curves of a document's own measurement lines, as the program's exports
// and its net-pay window take them, so that they are keldo-batch's for the
// same LAS input: with the shale volume of the lines' LAS import where it
// chose one, and the depth named TVDSS where the import put it below sea
// level.
namespace keldo {

MeasurementCurves ComputeDocumentCurves(const CKeldoDoc& doc);

DepthReference DepthReferenceOf(const CKeldoDoc& doc);

} // namespace keldo
