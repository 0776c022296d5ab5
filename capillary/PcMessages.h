#pragma once
#include <string>

#include "PcConditioning.h"
#include "PcNormalization.h"
#include "PcTable.h"

// Every German text of the capillary-pressure normalization, made from the
// failures and notices, which travel as data. Nothing decides by these words.
namespace keldo {

// A fault of the table: line, column and what is wrong, "ABBRUCH!!…".
std::string PcTableErrorMessage(const PcTableError& e);

// Why a sample is left out; the others go on.
std::string PcExclusionMessage(const PcExclusion& e);

// A warning or a notice of the normalization.
std::string PcNoticeMessage(const PcNotice& n);

// Why nothing is taken over, "ABBRUCH!!…".
std::string PcRefusalMessage(const PcRefusal& r);

} // namespace keldo
