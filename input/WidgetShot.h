#pragma once
#include <cstdio>

#include <QPixmap>
#include <QString>
#include <QWidget>

// For the picture tools: shows `widget` and saves it as drawn now to `file`
// (PNG by its name), then prints the file's name. False, saying why on
// standard error (after "<tool>: " when `tool` is given), when the file
// cannot be written. Their messages go to a StreamMessageBox on standard
// error.
inline bool SaveWidgetShot(QWidget& widget, const QString& file, const char* tool = nullptr)
{
    widget.show();
    if (!widget.grab().save(file)) {
        std::fprintf(stderr, "%s%s%s kann nicht geschrieben werden\n", tool ? tool : "", tool ? ": " : "",
            file.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", file.toLocal8Bit().constData());
    return true;
}
