#include "FileDialogFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace keldo {

namespace {

constexpr char kLastFolderKey[] = "Settings/LastFolder";

// The settings of the program, beside its recent-file list.
QSettings ProgramSettings()
{
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"), QStringLiteral("Keldo"));
}

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

} // namespace

QString StartFolder(const QString& documentPath)
{
    if (!documentPath.isEmpty()) {
        const QString folder = QFileInfo(documentPath).absolutePath();
        if (IsFolder(folder))
            return folder;
    }
    const QString last = ProgramSettings().value(QLatin1String(kLastFolderKey)).toString();
    return IsFolder(last) ? last : QDir::homePath();
}

void RememberFolder(const QString& chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    ProgramSettings().setValue(QLatin1String(kLastFolderKey), QFileInfo(chosenFile).absolutePath());
}

QString DocumentPathOf(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (!w->windowFilePath().isEmpty())
            return w->windowFilePath();
    return {};
}

} // namespace keldo
