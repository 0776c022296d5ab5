#pragma once
#include <cstdio>

#include <QPixmap>
#include <QString>
#include <QWidget>

// For the picture tools: saves `widget` as drawn now to `file` (PNG by its
// name) and prints the file's name, or says why it cannot be written.
// Returns the exit status.
inline int SaveWidgetShot(QWidget& widget, const QString& file)
{
    widget.show();
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "%s kann nicht geschrieben werden\n", file.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", file.toLocal8Bit().constData());
    return 0;
}
