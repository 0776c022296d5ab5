// Renders "Modell anpassen" on a well to two PNGs, its tab "Phi-K" and its
// tab "Kontakt", as the user sees them after both fits:
//   keldo-fit-dialog-shot FOLDER DOCUMENT LAS_FILE SURVEY_FILE
// The document gives the model; its measurements become those of the LAS
// file with the survey and the header's elevation, as after "Datei lesen"
// and OK in the input dialog, and the same import gives the Phi-K pairs.
// Writes FOLDER/keldo-fit-phik.png and FOLDER/keldo-fit-kontakt.png; with a
// core capillary-pressure file also FOLDER/keldo-fit-kapillardruck.png, its
// tab after "Anpassen" on that file. Runs on the offscreen platform without
// a display.
#include <cstdio>
#include <iostream>

#include <QApplication>
#include <QDir>
#include <QTabWidget>

#include "DlgFitModel.h"
#include "DlgFitModelPcTab.h"
#include "DlgLasImport.h"
#include "DocumentFile.h"
#include "KeldoDoc.h"
#include "MeasurementImport.h"
#include "StreamMessageBox.h"
#include "WidgetShot.h"

namespace {

// The LAS import answered with the survey chosen and OK.
bool ImportWithSurvey(DlgLasImport& las, const std::string& survey)
{
    las.SetSurveyChooser([&survey](QWidget*) { return survey; });
    las.OnChooseSurvey();
    las.OnOk();
    return las.result() == QDialog::Accepted;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "Aufruf: keldo-fit-dialog-shot ORDNER DOKUMENT LAS-DATEI BOHRPFADDATEI\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::string lasFile = argv[3], survey = argv[4];

    keldo::StreamMessageBox messages(std::cerr); // any message: the pictures would be wrong
    CKeldoDoc doc(messages);
    if (const keldo::FileResult loaded = keldo::LoadDocument(argv[2], doc); !loaded) {
        std::fprintf(stderr, "%s\n", loaded.Message().c_str());
        return 1;
    }
    {
        DlgLasImport las(messages);
        if (!las.Open(lasFile) || !ImportWithSurvey(las, survey))
            return 1;
        doc.m_depthsBelowSeaLevel = las.AcceptedRows().belowSeaLevel;
        doc.m_Messwerte = las.TakeMeasurementLines();
    }
    keldo::DepthWindowFromLines(doc.m_Messwerte, doc.m_fMinTeufe, doc.m_fMaxTeufe);

    DlgFitModel dlg(doc, doc.m_Messwerte, messages);
    dlg.SetDepthsBelowSeaLevel(doc.m_depthsBelowSeaLevel); // as the program opens it
    dlg.SetLasImportRunner([&survey](DlgLasImport& las) { return ImportWithSurvey(las, survey); });
    if (!dlg.ReadLasPairs(lasFile))
        return 1;
    dlg.OnFitPhiK();
    dlg.Tabs()->setCurrentIndex(1);
    dlg.OnFitContact();
    if (messages.Shown() > 0)
        return 1;

    dlg.Tabs()->setCurrentIndex(0);
    if (!SaveWidgetShot(dlg, folder.filePath(QStringLiteral("keldo-fit-phik.png"))))
        return 1;
    dlg.Tabs()->setCurrentIndex(1);
    if (!SaveWidgetShot(dlg, folder.filePath(QStringLiteral("keldo-fit-kontakt.png"))))
        return 1;
    if (argc < 6)
        return 0;
    DlgFitModelPcTab& pc = *dlg.PcTab();
    if (!pc.OpenFile(argv[5]))
        return 1;
    pc.OnFit();
    if (messages.Shown() > 0)
        return 1;
    dlg.Tabs()->setCurrentWidget(&pc);
    return SaveWidgetShot(dlg, folder.filePath(QStringLiteral("keldo-fit-kapillardruck.png"))) ? 0 : 1;
}
