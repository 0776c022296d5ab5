#pragma once
#include <string_view>

#include "Violations.h"

namespace keldo::fuzz {

// Reads `bytes` as a document file and checks what the reader promises:
// - it succeeds exactly when the bytes hold every field of the layout (an
//   independent reading of the layout decides), and then holds those values
//   bit for bit; members the file does not hold and all results keep theirs;
// - a document read back is written again as the same bytes (compared with
//   the input up to where the last field ends, since the reader ignores
//   trailing bytes) whenever every length and count in the input is in the
//   form that saving produces; in any case writing, reading and writing again
//   gives the same bytes and the same document;
// - a failed read leaves the document as it was (inputs, measurements,
//   modified mark, file name, results) and gives a non-empty reason;
// - no message box, and no more memory asked for than a fixed multiple of
//   the input size.
Violations CheckDocumentFile(std::string_view bytes);

} // namespace keldo::fuzz
