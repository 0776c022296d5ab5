#include "QtMessageFilter.h"

#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace keldo {
namespace {

void GermanOnly(QtMsgType type, const QMessageLogContext&, const QString&)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
    case QtWarningMsg:
        return;
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    std::fputs("Interner Fehler der Bibliothek Qt. Einzelheiten zeigt ein neuer Lauf mit KELDO_QT_MESSAGES=1.\n", stderr);
}

} // namespace

void FilterQtMessages()
{
    const char* shown = std::getenv("KELDO_QT_MESSAGES");
    if (shown == nullptr || *shown == '\0')
        qInstallMessageHandler(&GermanOnly);
}

} // namespace keldo
