// Pictures of the main window for the documentation:
//   keldo-screenshots OUTPUT_FOLDER [DOCUMENT.kld]
// Opens the document as a user would (the input dialog is answered with OK
// after its picture is taken), then saves keldo-dialog.png, keldo-tabelle.png,
// keldo-grafik.png, keldo-lupe.png (the magnifier, scrolled to the right
// edge) and keldo-info.png. Runs on the offscreen platform without a display.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "AboutDlg.h"
#include "CommandIds.h"
#include "Grafik.h"
#include "KeldoApp.h"
#include "MainFrame.h"
#include "WidgetShot.h"

namespace {

constexpr const char* kTool = "keldo-screenshots";

bool Save(QWidget& widget, const QDir& folder, const QString& name)
{
    return SaveWidgetShot(widget, folder.filePath(name), kTool);
}

// Answers the modal windows of opening a document as a user would: the
// input dialog is photographed once (`dialogTaken` tells whether it was) and
// confirmed with OK, the messages of the computation are confirmed (and
// printed).
void AnswerModalWindows(const QDir& folder, bool& dialogTaken)
{
    QTimer::singleShot(150, [folder, &dialogTaken] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                std::printf("Meldung: %s\n", qPrintable(box->text()));
                box->accept();
            } else {
                if (!dialogTaken)
                    dialogTaken = Save(*modal, folder, QStringLiteral("keldo-dialog.png"));
                for (auto* button : modal->findChildren<QPushButton*>())
                    if (button->text() == QStringLiteral("OK")) {
                        button->click();
                        break;
                    }
            }
        }
        AnswerModalWindows(folder, dialogTaken);
    });
}

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "Aufruf: keldo-screenshots AUSGABEORDNER [DOKUMENT.kld]\n");
        return 2;
    }
    QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "keldo-screenshots: Ordner %s fehlt\n", qPrintable(arguments[1]));
        return 1;
    }
    QString document = arguments.size() > 2 ? arguments[2] : QStringLiteral("examples/gas-well-F-12.kld");

    // The user's recent files and window layout stay out of the pictures
    // and untouched by them.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    CKeldoApp keldo;
    CMainFrame& frame = keldo.MainFrame();
    keldo.InitInstance({});
    frame.resize(1000, 720);
    bool dialogTaken = false;
    AnswerModalWindows(folder, dialogTaken);
    if (!keldo.OpenDocumentFile(document))
        return 1;
    QApplication::processEvents();

    bool ok = Save(frame, folder, QStringLiteral("keldo-tabelle.png"));
    frame.SwitchView(2);
    QApplication::processEvents();
    ok = Save(frame, folder, QStringLiteral("keldo-grafik.png")) && ok;
    // The magnifier, scrolled to the right edge of the drawing.
    frame.CommandAction(keldo::cmd::ID_GRAFIKLUPE)->trigger();
    QApplication::processEvents();
    CGrafik* graph = frame.GraphView();
    graph->horizontalScrollBar()->setValue(graph->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    ok = Save(frame, folder, QStringLiteral("keldo-lupe.png")) && ok;
    CAboutDlg about(&frame);
    about.show();
    QApplication::processEvents();
    ok = Save(about, folder, QStringLiteral("keldo-info.png")) && ok;
    return ok ? 0 : 1;
}
