#include "SaturationRunMisfit.h"

#include <memory>

#include "SaturationMisfit.h"

namespace keldo {

ContactMisfitFunction SaturationRunMisfit(const CKeldoInputs& inputs, const std::vector<std::string>& lines)
{
    auto prepared = std::make_shared<const PreparedSaturationRows>(PrepareSaturationRows(inputs, lines));
    return [prepared](float contact) {
        const Misfit misfit = SaturationMisfit(*prepared, contact);
        return ContactMisfit{misfit.rms, misfit.n};
    };
}

} // namespace keldo
