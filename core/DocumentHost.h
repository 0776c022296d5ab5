#pragma once
#include "KeldoInputs.h"

namespace keldo {

// What the document needs from the application around it: the modal input
// dialog, the views and the wait cursor. The desktop program implements it
// with Qt; the batch tool and the tests with plain code.
class IDocumentHost {
public:
    virtual ~IDocumentHost() = default;
    // Runs the input dialog modally on `values`; true when it ended with OK
    // (the values then hold what the user accepted).
    virtual bool RunInputDialog(CDlgInputValues& values) = 0;
    virtual void UpdateAllViews() = 0;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
};

} // namespace keldo
