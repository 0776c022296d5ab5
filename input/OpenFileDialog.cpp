#include "OpenFileDialog.h"

#include <QFileDialog>

#include "FileDialogFolder.h"

namespace keldo {

QStringList MeasurementFileFilters()
{
    return {QStringLiteral("Messwertdateien (*.txt *.TXT)"), QStringLiteral("LAS-Dateien (*.las *.LAS)"),
        QStringLiteral("Alle Dateien (*)")};
}

QStringList SurveyFileFilters()
{
    return {QStringLiteral("Bohrpfaddateien (*.txt *.TXT *.csv *.CSV)"), QStringLiteral("Alle Dateien (*)")};
}

std::string ChooseFileToOpen(QWidget* parent, const QString& title, const QStringList& filters, const QString& folder)
{
    QFileDialog dialog(parent, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    RememberFolder(dialog.selectedFiles().front());
    return dialog.selectedFiles().front().toStdString();
}

} // namespace keldo
