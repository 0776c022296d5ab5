#pragma once
#include <string>

#include <QString>
#include <QStringList>

class QWidget;

// The open-file dialogs of the input dialog and the LAS import.
namespace keldo {

// What "Datei lesen" offers: measurement files, LAS files, all files.
QStringList MeasurementFileFilters();

// What "Bohrpfad…" offers: survey text files, all files.
QStringList SurveyFileFilters();

// Lets the user pick an existing file in a dialog titled `title` that starts
// in `folder`; the file's folder is kept for the next dialog. Returns the
// file (UTF-8 path), empty when the user cancelled.
std::string ChooseFileToOpen(QWidget* parent, const QString& title, const QStringList& filters, const QString& folder);

} // namespace keldo
