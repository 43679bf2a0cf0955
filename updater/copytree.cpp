#include "copytree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace updater {

namespace {

// Copies over an existing file; QFile::copy refuses to overwrite. The old
// file is replaced only once the new content is completely written.
bool copyOver(const QString &source, const QString &destination)
{
    const QString partial = destination + QStringLiteral(".patchwell-part");
    QFile::remove(partial);
    if (!QFile::copy(source, partial))
        return false;
    if (QFileInfo::exists(destination) && !QFile::remove(destination)) {
        QFile::remove(partial);
        return false;
    }
    if (!QFile::rename(partial, destination)) {
        QFile::remove(partial);
        return false;
    }
    return true;
}

} // namespace

void CopyTree(const QString &sourceFolder, const QString &destinationFolder,
              const CopyProgress &progress)
{
    const QDir source(sourceFolder);
    const QFileInfoList entries =
        source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                             QDir::Name | QDir::DirsFirst);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (progress)
            progress(name, destinationFolder);
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            if (name.compare(QLatin1String("@SYSTEM"), Qt::CaseInsensitive) == 0)
                continue;
            const QString target = destinationFolder + name;
            QDir().mkpath(target.isEmpty() ? QStringLiteral(".") : target);
            CopyTree(entry.filePath(), target + u'/', progress);
            continue;
        }
        if (!entry.isFile())
            continue;
        if (copyOver(entry.filePath(), destinationFolder + name))
            QFile::remove(entry.filePath());
    }
}

} // namespace updater
