// Pictures of the field study window for the documentation:
//   keldo-field-screenshot OUTPUT_FOLDER FIELD.csv MODEL.kld
// Opens the model document, puts the wells of the field file into the
// window, runs the study and saves keldo-feldstudie.png (the summary) and
// keldo-feldgrafik.png (the field chart). Runs on the offscreen platform
// without a display.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTabWidget>
#include <QTableView>
#include <cstdio>
#include <iostream>

#include "DocumentFile.h"
#include "FieldStudyWindow.h"
#include "KeldoDoc.h"
#include "StreamMessageBox.h"
#include "WidgetShot.h"

namespace {

constexpr const char* kTool = "keldo-field-screenshot";

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "Aufruf: keldo-field-screenshot AUSGABEORDNER FELD.csv MODELL.kld\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    keldo::StreamMessageBox messages(std::cerr, "Meldung: ");
    CKeldoDoc model(messages);
    if (const keldo::FileResult loaded = keldo::LoadDocument(arguments[3].toStdString(), model); !loaded) {
        messages.Show(loaded.Message());
        return 1;
    }
    CFieldStudyWindow window(messages, [&model] { return keldo::TemplateOfDocument(model); });
    window.resize(1100, 800);
    window.show();
    if (!window.OpenFieldFile(arguments[2]))
        return 1;
    QEventLoop loop;
    QObject::connect(&window, &CFieldStudyWindow::runFinished, &loop, &QEventLoop::quit);
    window.Start();
    loop.exec();
    QApplication::processEvents();
    bool ok = SaveWidgetShot(window, folder.filePath(QStringLiteral("keldo-feldstudie.png")), kTool);
    window.ResultTabs()->setCurrentIndex(1);
    QApplication::processEvents();
    ok = SaveWidgetShot(window, folder.filePath(QStringLiteral("keldo-feldgrafik.png")), kTool) && ok;
    return ok ? 0 : 1;
}
