#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a deviation survey and holds the reader and the path to
// their rules:
// - success means at least two stations, MD strictly increasing and finite,
//   inclinations within 0..180 degrees, azimuths and TVDs finite, and no
//   more stations than lines;
// - a failure has the kind BadSurvey, a sentence, and a line within the file;
// - the path through the stations gives each station its own TVD where the
//   survey has one, a finite TVD everywhere, TVD changing no faster than MD
//   along each stretch, straight up above the first station and no faster
//   than MD below the last; the cursor never changes an answer;
// - memory: a fixed amount plus a fixed multiple of the input size.
Violations CheckSurveyReader(std::string_view bytes);

} // namespace keldo::fuzz
