#include "GraphExport.h"

#include "GrafikState.h"
#include "GraphPainter.h"
#include "KeldoDoc.h"
#include "PageExport.h"
#include "PrintJob.h"

namespace keldo {

bool ExportGraph(CKeldoDoc& doc, const std::string& path, std::string& error)
{
    if (!IsGraphFileName(path, error) || !EnsureGuiApplication(error))
        return false;

    // The screen layout, scaled from the document as it is now. The
    // document's scaling mark belongs to the graph view and stays as it is.
    CGrafikState state;
    state.extreme(doc);
    state.scale(doc);
    state.worldtrans(doc);
    const CGrafikState::Extent extent = state.PageExtent();
    GraphPage page;
    page.list = state.zeichnen(doc, QtTextMeasure());
    page.extent = {extent.left, extent.top, extent.right, extent.bottom};
    page.title = PrintJobTitle(doc.GetTitle(), doc.m_strBohrung);
    return ExportPage(page, path, error);
}

} // namespace keldo
