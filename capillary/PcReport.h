#pragma once
#include <string>
#include <vector>

#include "PcNormalization.h"
#include "PcTable.h"

// The report of the capillary-pressure normalization, in the layout of the
// other fit reports (German, fixed width, label and unit filled to column
// 40, numbers with a decimal point whatever the locale).
namespace keldo {

// `source` names the file. A refused normalization reports what it got to
// and then its message.
std::vector<std::string> PcFitReport(const PcTable& table, const PcNormalization& n, const std::string& source);

// The four lines of a coefficient set as the report header writes them:
// "  alfa=8.29083 +1.24712*log10(K) …", "  log10(beta)=…", "  log10(SwMin)  =…",
// "  log10(PcSperr)=…".
std::vector<std::string> CoefficientLines(const PcCoefficients& c);

} // namespace keldo
