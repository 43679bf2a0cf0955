#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class Registry;
}

// The recent-file list of the File menu: the latest file first, each file
// once, at most `capacity` of them. It is kept in the program's registry key,
// section "Recent File List", values "File1", "File2", ...
class RecentFileList
{
public:
    explicit RecentFileList(int capacity) : m_capacity(capacity) {}

    [[nodiscard]] int capacity() const { return m_capacity; }
    [[nodiscard]] QStringList files() const { return m_files; }
    [[nodiscard]] QString file(int index) const { return m_files.value(index); }
    [[nodiscard]] int count() const { return int(m_files.size()); }

    // Puts the file first (as an absolute path); the oldest drops off the end.
    void add(const QString &path);
    void remove(int index);

    void load(const platform::Registry &registry);
    bool save(platform::Registry &registry) const;

    // The menu text for entry `index`: "&1 name" for a file in
    // `currentFolder`, else the path shortened in the middle to about
    // `maxChars` characters; ampersands in names are doubled.
    [[nodiscard]] static QString menuText(int index, const QString &path,
                                          const QString &currentFolder, int maxChars = 40);

private:
    int m_capacity;
    QStringList m_files;
};
