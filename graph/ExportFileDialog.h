#pragma once
#include <QString>

class QWidget;

namespace keldo {

// Asks where a graph page is to be saved as PNG, SVG or PDF, proposing
// `baseName`.png. A name without an extension gets the one of the chosen
// file type; empty when the user cancels.
QString AskGraphExportPath(QWidget* parent, const QString& baseName);

} // namespace keldo
