#pragma once
// Every window and dialog of the program, opened as the user opens them, for
// the checks that hold for all of them (their letters, their sizes).
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QtTest>

#include <functional>
#include <memory>

#include "CommandIds.h"
#include "DlgLasImport.h"
#include "FieldStudyWindow.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "ShellDocumentHost.h"
#include "ShellTestSupport.h"
#include "WellReportWindow.h"

// Hands `visit` each window while it is open: the main window in both views,
// the dialogs of the menus (closed after), the field study, a well's
// reports, the help and the LAS import with and without the permeability
// chooser. `app` has a document open and the real input dialog.
inline void VisitProgramWindows(CKeldoApp& app, keldo::IMessageBox& messages, const std::function<void(QWidget*)>& visit)
{
    using namespace keldo::cmd;
    CMainFrame& frame = app.MainFrame();
    frame.show();
    visit(&frame);
    frame.CommandAction(ID_GRAFIK)->trigger();
    visit(&frame);
    frame.CommandAction(ID_TABELLE)->trigger();

    for (int command : {int(ID_DATEN_AENDERN), int(ID_MODELL_ANPASSEN), int(ID_APP_ABOUT)}) {
        bool opened = false;
        WhenModalDialogOpens<QDialog>([&](QDialog& dlg) {
            opened = true;
            visit(&dlg);
        });
        frame.CommandAction(command)->trigger();
        QVERIFY2(opened, qPrintable(frame.CommandAction(command)->text()));
    }

    frame.CommandAction(ID_FELDSTUDIE)->trigger();
    QVERIFY(app.FieldStudyWindow());
    visit(app.FieldStudyWindow());
    app.FieldStudyWindow()->close();

    // Deletes itself on close, as the field window opens it.
    auto* report = new CWellReportWindow(
        std::make_shared<keldo::WellOutcome>(), SourceFile(QStringLiteral("examples/oil-well-F-11A.kld")), &frame);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->show();
    visit(report);
    report->close();

    frame.CommandAction(ID_HILFE)->trigger();
    // A visit may run the event loop, which deletes the windows closed above:
    // each top-level window is held by a guard, not by its address.
    QList<QPointer<QWidget>> tops;
    for (QWidget* top : QApplication::topLevelWidgets())
        tops << top;
    for (const QPointer<QWidget>& top : tops)
        if (top && top->isVisible() && top != &frame && top->inherits("CHelpWindow")) {
            visit(top);
            top->close();
        }

    for (bool permeability : {false, true}) {
        DlgLasImport las(messages, &frame, permeability);
        QVERIFY(las.Open(
            SourceFile(QStringLiteral("examples/volve/las/15_9-F-11_B_WLC_PETRO_COMPUTED_OUTPUT_1.LAS")).toStdString()));
        las.show();
        visit(&las);
        las.close();
    }
}

// The program with the oil example open and the real input dialog.
inline std::unique_ptr<CKeldoApp> ProgramWithExample(keldo::IMessageBox* messages)
{
    auto app = std::make_unique<CKeldoApp>(messages);
    app->Host().SetDialogRunner(AcceptWithFullDepthWindow);
    if (!app->InitInstance({}) || !app->OpenDocumentFile(SourceFile(QStringLiteral("examples/oil-well-F-11A.kld"))))
        return nullptr;
    app->Host().SetDialogRunner({});
    return app;
}
