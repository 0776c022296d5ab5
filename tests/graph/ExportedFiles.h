#pragma once
#include <QByteArray>
#include <QFile>
#include <QString>
#include <filesystem>

// The bytes of an exported or printed file, and texts as a PDF holds them.

inline QByteArray FileBytes(const std::filesystem::path& path)
{
    QFile file(QString::fromStdString(path.string()));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text string of a PDF (title, creator, document information): UTF-16
// with a byte-order mark.
inline QByteArray PdfText(const QString& text)
{
    QByteArray bytes("\xFE\xFF", 2);
    for (const QChar c : text)
        bytes.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    return bytes;
}
