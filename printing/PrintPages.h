#pragma once
#include <functional>
#include <string>

class QPagedPaintDevice;
class QPrinter;

namespace keldo {

// Prints the pages that `paint` paints on the device it is handed (false:
// it could not begin). A printer that prints into a PDF file ("In Datei
// drucken") gets them the way every output is written: painted into memory
// on a PDF writer with the printer's page layout, resolution, title,
// creator and PDF version, then written whole by ReplaceFile, so a failed
// write keeps an older file and leaves no half-written one. False with a
// German `error` that names the file and the reason when the file could not
// be written. A print preview paints on the printer itself, whatever file
// the printer names.
bool PrintPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint, std::string& error);

} // namespace keldo
