#pragma once
#include <functional>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

#include "KeldoInputs.h"
#include "TextFormat.h"

// Settings of the tests go to a folder of their own, never the user's.
inline void IsolateSettings(const QString& folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// Empties the settings of the program (recent files, window layout) before a test.
inline void ClearSettings()
{
    QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Keldo")).clear();
}

inline QString SourceFile(const QString& relative)
{
    return qEnvironmentVariable("KELDO_SOURCE_DIR") + QLatin1Char('/') + relative;
}

inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Answers the input dialog with OK the way the dialog would start: a depth
// window of 0 to 0 becomes the depths of the first and last measurement.
inline bool AcceptWithFullDepthWindow(CDlgInputValues& values)
{
    if (values.m_fMinTeufe == 0 && values.m_fMaxTeufe == 0 && !values.m_Messwerte.empty()) {
        float first[3] = {}, last[3] = {};
        keldo::ScanFloats(values.m_Messwerte.front(), first, 3);
        keldo::ScanFloats(values.m_Messwerte.back(), last, 3);
        values.m_fMinTeufe = std::min(first[0], last[0]);
        values.m_fMaxTeufe = std::max(first[0], last[0]);
    }
    return true;
}

// Presses "OK" of the next modal dialog as soon as it is up.
inline void PressOkWhenDialogOpens(int attempts = 100)
{
    QTimer::singleShot(50, [attempts] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            if (attempts > 0)
                PressOkWhenDialogOpens(attempts - 1);
            return;
        }
        for (auto* button : modal->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("OK")) {
                button->click();
                return;
            }
    });
}

// Runs `act` on the next modal dialog of class `Dialog` as soon as its modal
// loop is up, then closes it if `act` left it open, so that a test never
// waits on it.
template <class Dialog> void WhenModalDialogOpens(std::function<void(Dialog&)> act, int attempts = 200)
{
    QTimer::singleShot(20, [act, attempts] {
        auto* dlg = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dlg) {
            if (attempts > 0)
                WhenModalDialogOpens<Dialog>(act, attempts - 1);
            return;
        }
        act(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
}
