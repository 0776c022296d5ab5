// Renders the tab "Druck" of "Modell anpassen" to a PNG, as the user sees it
// after fitting the contact on the tab "Kontakt" and opening a pressure file:
//   keldo-pressure-tab-shot FILE.png DOCUMENT PRESSURE_FILE
// The document is computed as keldo-batch does: its depth window from the
// first to the last measurement line, cut-off 0.06. Runs on the offscreen
// platform without a display.
#include <cstdio>
#include <iostream>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include "DlgFitModel.h"
#include "DlgFitModelPressure.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "StreamMessageBox.h"
#include "WidgetShot.h"

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "Aufruf: keldo-pressure-tab-shot DATEI.png DOKUMENT DRUCKDATEI\n");
        return 2;
    }
    keldo::StreamMessageBox messages(std::cerr); // any message: the picture would be wrong
    CKeldoDoc doc(messages);
    if (const keldo::FileResult loaded = keldo::LoadDocument(argv[2], doc); !loaded) {
        std::fprintf(stderr, "%s\n", loaded.Message().c_str());
        return 1;
    }
    keldo::DepthWindowFromLines(doc.m_Messwerte, doc.m_fMinTeufe, doc.m_fMaxTeufe);
    doc.m_fCutoff = 0.06f;

    DlgFitModel dlg(doc, doc.m_Messwerte, messages);
    dlg.Tabs()->setCurrentIndex(1);
    dlg.OnFitContact();
    dlg.Tabs()->setCurrentWidget(dlg.PressurePage());
    if (!dlg.PressurePage()->OpenFile(argv[3]) || messages.Shown() > 0)
        return 1;
    return SaveWidgetShot(dlg, QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
