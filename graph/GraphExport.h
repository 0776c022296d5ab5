#pragma once
#include <string>

#include "PageExport.h"

class CKeldoDoc;

namespace keldo {

// Saves the graph of `doc` as it appears on the screen (without the
// magnifier) into `path`: a PNG image (150 dpi, white background), an SVG
// drawing or a one-page PDF, chosen by the extension, titled with the
// document's title and well. Needs no display:
// without a running Qt application an offscreen one is started. The axes
// are scaled afresh from the document; the document is not changed.
// On failure returns false with a German message in `error` and leaves no
// half-written file behind.
bool ExportGraph(CKeldoDoc& doc, const std::string& path, std::string& error);

} // namespace keldo
