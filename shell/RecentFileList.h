#pragma once
#include <QString>
#include <QStringList>

class QSettings;

// The list of the last opened or saved documents (newest first, at most
// four), kept in the settings under "Recent File List" as File1 ... File4.
class CRecentFileList {
public:
    static constexpr int kSize = 4;

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    // Puts `path` at the top; an entry for the same file moves up.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

    // The menu text of entry `index` (0-based): "&1 name" with the path
    // shortened in the middle when it is long.
    QString MenuText(int index) const;

private:
    QStringList m_files;
};
