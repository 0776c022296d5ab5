#pragma once
#include <string>

#include "ContactFit.h"
#include "GraphPrimitives.h"
#include "PhiKFit.h"
#include "PhiKSamples.h"

// The graph pages of the fits, drawn into the same chart frame as the other
// charts, so that the chart view shows, prints and exports them.
namespace keldo {

// log K against φ: the fitted pairs as points and, for a fit, the relation
// as the document will hold it, over the pairs' porosities.
GraphPage PhiKCrossPlot(const PhiKSelection& selection, const PhiKFitResult& fit, const std::string& well);

// RMS of Sw against the contact: the 1 m scan, the band within 5 % of the
// minimum shaded, the fitted contact as a dashed line with its point.
// `fluid` as the document's m_nFluid; `belowSeaLevel`: the depths are TVDSS
// (the document's m_depthsBelowSeaLevel), else TVD.
GraphPage ContactMisfitGraph(
    const ContactFitResult& fit, int fluid, const std::string& well, bool belowSeaLevel = false);

} // namespace keldo
