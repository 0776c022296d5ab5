#include "PhiKSamples.h"

#include <cmath>

namespace keldo {

PhiKSelection SelectPhiKPairs(const std::vector<PhiKSample>& samples, float minDepth, float maxDepth)
{
    PhiKSelection selection;
    selection.minDepth = minDepth;
    selection.maxDepth = maxDepth;
    for (const PhiKSample& s : samples) {
        // Written so that NaN fails every test and is left out.
        if (!(s.depth >= minDepth && s.depth <= maxDepth))
            ++selection.outsideWindow;
        else if (!(s.porosity > 0 && s.porosity < 1))
            ++selection.porosityOutOfRange;
        else if (!(s.permeability > 0) || !std::isfinite(s.permeability))
            ++selection.permeabilityNotPositive;
        else
            selection.pairs.push_back(s);
    }
    return selection;
}

} // namespace keldo
