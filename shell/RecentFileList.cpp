#include "RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString Normalized(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

} // namespace

void CRecentFileList::Load(QSettings& settings)
{
    m_files.clear();
    settings.beginGroup(kGroup);
    for (int i = 1; i <= kSize; ++i) {
        QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    settings.endGroup();
}

void CRecentFileList::Save(QSettings& settings) const
{
    settings.beginGroup(kGroup);
    settings.remove(QString());
    for (int i = 0; i < m_files.size(); ++i)
        settings.setValue(QStringLiteral("File%1").arg(i + 1), m_files[i]);
    settings.endGroup();
}

void CRecentFileList::Add(const QString& path)
{
    QString file = Normalized(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > kSize)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path) { m_files.removeAll(Normalized(path)); }

QString CRecentFileList::MenuText(int index) const
{
    constexpr int kMaxChars = 48;
    QString path = QDir::toNativeSeparators(m_files.value(index));
    QString home = QDir::homePath();
    if (path.startsWith(home + QLatin1Char('/')))
        path = QLatin1Char('~') + path.mid(home.size());
    if (path.size() > kMaxChars) {
        QString name = QFileInfo(path).fileName();
        int keep = std::max(0, kMaxChars - static_cast<int>(name.size()) - 4);
        path = path.left(keep) + QStringLiteral("…/") + name;
    }
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(path);
}
