#include "notepad/recentfilelist.h"

#include "platform/registry.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString section = QStringLiteral("Recent File List");

QString entryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void RecentFileList::add(const QString &path)
{
    if (path.isEmpty())
        return;
    const QString full = absolute(path);
    m_files.removeAll(full);
    m_files.prepend(full);
    while (m_files.size() > m_capacity)
        m_files.removeLast();
}

void RecentFileList::remove(int index)
{
    if (index >= 0 && index < m_files.size())
        m_files.removeAt(index);
}

void RecentFileList::load(const platform::Registry &registry)
{
    m_files.clear();
    for (int i = 0; i < m_capacity; ++i) {
        const QString path = registry.readString(section, entryName(i));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

bool RecentFileList::save(platform::Registry &registry) const
{
    bool ok = true;
    for (int i = 0; i < m_capacity; ++i) {
        if (i < m_files.size())
            ok = registry.writeString(section, entryName(i), m_files[i]) && ok;
        else if (registry.contains(section, entryName(i)))
            ok = registry.deleteValue(section, entryName(i)) && ok;
    }
    return registry.sync() && ok;
}

QString RecentFileList::menuText(int index, const QString &path, const QString &currentFolder,
                                 int maxChars)
{
    const QFileInfo info(path);
    QString shown;
    if (!currentFolder.isEmpty() &&
        QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(currentFolder)) {
        shown = info.fileName();
    } else {
        shown = QDir::toNativeSeparators(path);
        const QString name = info.fileName();
        if (shown.size() > maxChars && name.size() < maxChars) {
            // Keep the start of the path and the whole file name.
            const QString ellipsis = QStringLiteral("...");
            const qsizetype keep =
                std::max<qsizetype>(3, maxChars - name.size() - ellipsis.size() - 1);
            shown = shown.left(keep) + ellipsis + QDir::separator() + name;
        }
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}
