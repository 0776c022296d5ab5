#pragma once
#include <functional>

class CKeldoDoc;
class QPrinter;
class QWidget;

namespace keldo {

// Names a print job after the document: its title and well as the job's
// (and a PDF's) title, "Keldo" as its creator.
void LabelPrintJob(QPrinter& printer, const CKeldoDoc& doc);

// The print preview of either view: titled "Seitenansicht" and opened over
// the main window, so that the table's and the graph's previews open alike.
// `paint` draws the pages on the printer the preview hands it.
void RunPrintPreview(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint);

} // namespace keldo
