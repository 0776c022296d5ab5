#include "PhiKSamples.h"

#include <algorithm>
#include <cmath>

#include "TextFormat.h"

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

std::vector<PhiKSample> PhiKSamplesAtLines(
    const std::vector<std::string>& lines, const std::vector<double>& permeability)
{
    std::vector<PhiKSample> samples;
    const size_t n = std::min(lines.size(), permeability.size());
    samples.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        float v[3];
        if (std::isnan(permeability[i]) || ScanFloats(lines[i], v, 3) < 3)
            continue;
        samples.push_back({v[0], v[1], static_cast<float>(permeability[i])});
    }
    return samples;
}

} // namespace keldo
