#pragma once
#include "KeldoDoc.h"
#include "MessageLog.h"

namespace keldo {

// The two graphs of a well, kept after its document is gone: for each mode
// a document that holds only what the graph view draws (inputs, graph data,
// title), not the measurements, report or contact rows. The graph export
// takes them as it takes any document.
class WellGraphs {
public:
    WellGraphs() : saturation(m_box), contact(m_box) {}
    WellGraphs(const WellGraphs&) = delete;
    WellGraphs& operator=(const WellGraphs&) = delete;

private:
    MessageLog m_box; // before the documents, which refer to it

public:
    CKeldoDoc saturation;
    CKeldoDoc contact;
};

// Copies the inputs, the graph data (series, point count, axes, texts,
// contact range, scaling mark) and the title and path of `from`.
void CopyGraph(const CKeldoDoc& from, CKeldoDoc& to);

} // namespace keldo
