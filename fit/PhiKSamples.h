#pragma once
#include <string>
#include <vector>

// Porosity and permeability at a depth, from any source (a core table, a
// permeability curve of a log), and the pairs of them that a Phi-K fit takes.
namespace keldo {

struct PhiKSample {
    double depth = 0;        // TVD in m
    double porosity = 0;     // fraction
    double permeability = 0; // mD
};

// The samples that count for a fit and how many were left out, by reason.
struct PhiKSelection {
    std::vector<PhiKSample> pairs;
    float minDepth = 0;
    float maxDepth = 0;
    int outsideWindow = 0;
    int porosityOutOfRange = 0;      // not 0 < porosity < 1
    int permeabilityNotPositive = 0; // not a finite permeability > 0

    int Read() const
    {
        return static_cast<int>(pairs.size()) + outsideWindow + porosityOutOfRange + permeabilityNotPositive;
    }
};

// The samples inside the depth window (both ends inclusive, as the runs
// take them) with 0 < porosity < 1 and a finite permeability > 0, in
// their order.
// A sample outside the window is counted there whatever its values.
PhiKSelection SelectPhiKPairs(const std::vector<PhiKSample>& samples, float minDepth, float maxDepth);

// The samples of measurement lines ("depth porosity Sw") beside a
// permeability (mD) for each line, as a log gives it next to porosity and Sw:
// depth and porosity as the lines hold them, the permeability rounded to
// single precision as well, so that a log and a core table of the same
// numbers give the same pairs. A line without a permeability (NaN) or without
// three numbers gives no sample; permeabilities beyond the lines are ignored.
std::vector<PhiKSample> PhiKSamplesAtLines(
    const std::vector<std::string>& lines, const std::vector<double>& permeability);

} // namespace keldo
