#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "FileAccess.h"
#include "KeldoApp.h"
#include "QtMessageFilter.h"

int main(int argc, char* argv[])
{
    keldo::IgnoreFileSizeSignal();
    keldo::FilterQtMessages();
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QApplication::setApplicationName(QStringLiteral("Keldo"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/keldo.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("keldo"));

    // German texts in Qt's own dialogs (file, print), where installed.
    QTranslator qtGerman;
    if (qtGerman.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtGerman);

    CKeldoApp keldo;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!keldo.InitInstance(arguments))
        return 1;
    return QApplication::exec();
}
