#pragma once
#include <string>
#include <vector>

#include "ContactFit.h"
#include "KeldoInputs.h"

namespace keldo {

// The contact misfit of the water-saturation run: the rows of `lines` inside
// the depth window with porosity >= the cut-off are prepared once with the
// model of `inputs`, then every trial contact costs one saturation search per
// row, the same search the report makes. Rows the run cannot compute (pore
// pressure not below the overburden, K <= 0) are left out. The function and
// its copies share the prepared rows read-only.
ContactMisfitFunction SaturationRunMisfit(const CKeldoInputs& inputs, const std::vector<std::string>& lines);

} // namespace keldo
