// Renders the LAS import on a LAS file (and a survey) to a PNG, as the user
// sees it after choosing the survey:
//   keldo-las-dialog-shot OUTPUT.png LAS_FILE [SURVEY_FILE]
// Runs on the offscreen platform without a display.
#include <cstdio>
#include <iostream>

#include <QApplication>

#include "DlgLasImport.h"
#include "StreamMessageBox.h"
#include "WidgetShot.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "Aufruf: keldo-las-dialog-shot AUSGABE.png LAS-DATEI [BOHRPFADDATEI]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const std::string survey = argc > 3 ? argv[3] : "";

    keldo::StreamMessageBox messages(std::cerr); // any message: the picture would be wrong
    DlgLasImport dlg(messages, nullptr, /*offerPermeability=*/false, /*offerShale=*/true); // as "Datei lesen" opens it
    if (!dlg.Open(argv[2]))
        return 1;
    if (!survey.empty()) {
        dlg.SetSurveyChooser([&survey](QWidget*) { return survey; });
        dlg.OnChooseSurvey();
        if (messages.Shown() > 0)
            return 1;
    }
    return SaveWidgetShot(dlg, out) ? 0 : 1;
}
