#pragma once
#include <cstdio>

#include <QBuffer>
#include <QFileInfo>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "FileAccess.h"

// For the picture tools: shows `widget` and saves it as drawn now to `file`
// (PNG by its name), then prints the file's name. False, saying why on
// standard error (after "<tool>: " when `tool` is given), when the file
// cannot be written. The picture is made in memory and written whole by
// ReplaceFile. Their messages go to a StreamMessageBox on standard error.
inline bool SaveWidgetShot(QWidget& widget, const QString& file, const char* tool = nullptr)
{
    widget.show();
    const QByteArray format = QFileInfo(file).suffix().toLatin1();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    int err = 0;
    if (!buffer.open(QIODevice::WriteOnly) || !widget.grab().save(&buffer, format.isEmpty() ? "PNG" : format.constData())
        || !keldo::ReplaceFile(file.toStdString(), std::string_view(bytes.constData(), size_t(bytes.size())), err)) {
        std::fprintf(stderr, "%s%s%s kann nicht geschrieben werden\n", tool ? tool : "", tool ? ": " : "",
            file.toLocal8Bit().constData());
        return false;
    }
    std::printf("%s\n", file.toLocal8Bit().constData());
    return true;
}
