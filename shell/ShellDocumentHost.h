#pragma once
#include <functional>

#include "DocumentHost.h"
#include "MessageBox.h"

class CMainFrame;

// What the document reaches of the desktop program: the input dialog, the
// two views and the wait cursor.
class CShellDocumentHost : public keldo::IDocumentHost {
public:
    // Runs the input dialog on the values; true after OK.
    using DialogRunner = std::function<bool(CDlgInputValues& values)>;

    CShellDocumentHost(CMainFrame& frame, keldo::IMessageBox& messages);

    // Replaces the input dialog (tests and automation answer it themselves).
    void SetDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    bool RunInputDialog(CDlgInputValues& values) override;
    void UpdateAllViews() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

private:
    CMainFrame& m_frame;
    keldo::IMessageBox& m_messages;
    DialogRunner m_runDialog;
};
