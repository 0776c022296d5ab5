#pragma once
#include <QString>

class QWidget;

// Where the program's open and save dialogs start: in the folder of the
// current document, else in the folder a file was last chosen in (kept in
// the program's settings), else in the home folder.
namespace keldo {

QString StartFolder(const QString& documentPath);

// Keeps the folder of a file the user chose for the next dialog; an empty
// path (a cancelled dialog) changes nothing.
void RememberFolder(const QString& chosenFile);

// The document shown by the window that `widget` belongs to, as the main
// window announces it (its window file path); empty for none.
QString DocumentPathOf(const QWidget* widget);

} // namespace keldo
