#pragma once
#include <optional>
#include <string>
#include <vector>

#include "FreeWaterLevel.h"
#include "KeldoInputs.h"
#include "PressureTable.h"

// The short German block of the pressure evaluation, in the report's layout
// (label and unit, the value from column 42), numbers with a decimal point
// whatever the locale: keldo-batch prints it before the report, a field
// study writes it as the well's pressure.txt.
namespace keldo {

// The legs with their lines and densities beside the document's
// (m_fWasserdichte; the hydrocarbon density of its report header: the gas
// density at initial pressure and temperature, or the entered oil
// density), the free-water level with σ, P90 and P10 or why there is none,
// the notices, and with `logContact` the contact of the log fit and the
// difference level - contact. `inputs` are the document's; `file` names the
// pressure file.
std::vector<std::string> PressureReport(const FreeWaterLevel& level, const PressureTable& table,
    const std::string& file, const CKeldoInputs& inputs, std::optional<float> logContact);

} // namespace keldo
