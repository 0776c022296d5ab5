#include "DocumentCurves.h"

#include "KeldoDoc.h"

namespace keldo {

MeasurementCurves ComputeDocumentCurves(const CKeldoDoc& doc)
{
    // Shale values that do not match the lines one to one are not theirs.
    const bool shale = !doc.m_shaleVolumes.empty() && doc.m_shaleVolumes.size() == doc.m_Messwerte.size();
    return ComputeCurves({doc, doc.m_Messwerte, shale ? &doc.m_shaleVolumes : nullptr});
}

DepthReference DepthReferenceOf(const CKeldoDoc& doc)
{
    return doc.m_depthsBelowSeaLevel ? DepthReference::Tvdss : DepthReference::Tvd;
}

} // namespace keldo
