// Renders the input dialog with sample values to a PNG, for checking the
// placement of its controls without a display:
//   QT_QPA_PLATFORM=offscreen keldo-dialog-shot [dialog.png]
#include <iostream>

#include <QApplication>

#include "DlgInput.h"
#include "MeasurementImport.h"
#include "StreamMessageBox.h"
#include "WidgetShot.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("dialog.png");

    CDlgInputValues values;
    values.m_nFluid = 1;
    values.m_fKontakt = 1520;
    values.m_fInitialdruck = 200;
    for (int i = 0; i < 40; ++i)
        values.m_Messwerte.push_back(
            keldo::FormatMeasurementLine(1500.0f - 2.5f * i, 0.05f + 0.005f * i, 0.2f + 0.01f * i));

    keldo::StreamMessageBox messages(std::cerr);
    DlgInput dlg(messages);
    dlg.SetValues(values);
    dlg.OnInitDialog();
    dlg.OnDefaultWerte();
    dlg.OnAlleWerte();
    return SaveWidgetShot(dlg, out) ? 0 : 1;
}
