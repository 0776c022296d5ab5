#include "ExportFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

namespace keldo {

QString AskGraphExportPath(QWidget* parent, const QString& baseName)
{
    const QString pngFilter = QStringLiteral("PNG-Bild (*.png)");
    const QString svgFilter = QStringLiteral("SVG-Grafik (*.svg)");
    const QString pdfFilter = QStringLiteral("PDF-Dokument (*.pdf)");
    QString selected = pngFilter;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Grafik exportieren"), baseName + ".png",
        pngFilter + ";;" + svgFilter + ";;" + pdfFilter, &selected);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += selected == svgFilter ? ".svg" : selected == pdfFilter ? ".pdf" : ".png";
    return path;
}

} // namespace keldo
