#pragma once
#include <string>
#include <vector>

#include "ContactFit.h"
#include "KeldoInputs.h"

namespace keldo {

// The contact misfit of the saturation run computed by the document itself:
// a private document with `inputs`, the trial contact as its contact and
// SwInTeufe for every line inside the depth window with porosity >= the
// cut-off (lines at which the run would stop, 0.23·depth <= PI, are left
// out). The same computation as the report, but the whole model per row and
// contact: a stand-in for small wells until a prepared misfit replaces it.
// The caller's document is never touched; the model's messages go nowhere.
// The function and its copies share the private document: one thread only.
ContactMisfitFunction DocumentContactMisfit(const CKeldoInputs& inputs, const std::vector<std::string>& lines);

} // namespace keldo
