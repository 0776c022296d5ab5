#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "ExportedFiles.h"

// The files of an output folder, to compare two of them byte for byte.

// A PDF's creation date is the time it was written; everything else of it
// is compared.
inline QByteArray WithoutCreationDate(QByteArray pdf)
{
    const int at = pdf.indexOf("/CreationDate (");
    if (at >= 0)
        pdf.remove(at, pdf.indexOf(')', at) - at);
    return pdf;
}

// Every file below `folder`, by its path relative to it, with its bytes
// (a PDF without its creation date).
inline std::map<std::string, QByteArray> OutputFiles(const std::filesystem::path& folder)
{
    std::map<std::string, QByteArray> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            const QByteArray bytes = FileBytes(entry.path());
            files[std::filesystem::relative(entry.path(), folder).string()]
                = entry.path().extension() == ".pdf" ? WithoutCreationDate(bytes) : bytes;
        }
    return files;
}
