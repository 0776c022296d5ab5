#pragma once
#include <array>
#include <string>
#include <vector>

#include "ContactFit.h"
#include "PhiKFit.h"
#include "PhiKSamples.h"
#include "TextFormat.h" // Labelled

// The short report of a fit that comes before the normal report: German
// lines in the report's layout (label and unit, the value from column 42),
// numbers with a decimal point whatever the locale.
namespace keldo {

// A message as report lines: one line per line of the message, indented.
void AddMessageLines(std::vector<std::string>& lines, const std::string& message);

// "log(K) =-2.56554 +22.0004*PHI +0*PHI*PHI", as the report header writes
// the relation from the document's fields.
std::string PhiKFormula(const std::array<float, 3>& c);

// For a fit that failed, the lines are its message.
std::vector<std::string> PhiKFitReport(
    const PhiKSelection& selection, const PhiKFitResult& fit, const std::string& source);

// `fluid` as the document's m_nFluid: 0 gas, 1 oil.
std::vector<std::string> ContactFitReport(const ContactFitResult& fit, int fluid);

// "GAS-WASSER-KONTAKT" or "ÖL-WASSER-KONTAKT" in the case asked for.
std::string ContactName(int fluid, bool upperCase);

} // namespace keldo
