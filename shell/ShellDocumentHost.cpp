#include "ShellDocumentHost.h"

#include <QApplication>

#include "DlgInput.h"
#include "MainFrame.h"

CShellDocumentHost::CShellDocumentHost(CMainFrame& frame, keldo::IMessageBox& messages)
    : m_frame(frame), m_messages(messages)
{}

bool CShellDocumentHost::RunInputDialog(CDlgInputValues& values)
{
    if (m_runDialog)
        return m_runDialog(values);
    return RunDlgInput(&m_frame, values, m_messages);
}

void CShellDocumentHost::UpdateAllViews() { m_frame.UpdateAllViews(); }

void CShellDocumentHost::BeginWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void CShellDocumentHost::EndWaitCursor() { QApplication::restoreOverrideCursor(); }
