#include "editor/recoverystore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

namespace {
const QString lockName = QStringLiteral(".lock");
}

struct RecoveryStore::Orphan
{
    QString folder;
    std::unique_ptr<QLockFile> lock;
    QStringList files;
};

RecoveryStore::RecoveryStore(QString baseFolder) : m_base(std::move(baseFolder))
{
}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::defaultBaseFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Velmar/Domora/Recupero");
}

QString RecoveryStore::ownFolder()
{
    if (m_own.isEmpty()) {
        m_own = m_base + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(m_own);
        m_lock = std::make_unique<QLockFile>(m_own + QLatin1Char('/') + lockName);
        m_lock->setStaleLockTime(0);
        (void)m_lock->tryLock(0);
    }
    return m_own;
}

QString RecoveryStore::pathFor(const QString &documentTitle)
{
    QString name = documentTitle;
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (!name.endsWith(QLatin1String(".fpd"), Qt::CaseInsensitive))
        name += QLatin1String(".fpd");
    return ownFolder() + QLatin1Char('/') + name;
}

void RecoveryStore::discard(const QString &path)
{
    if (!path.isEmpty())
        QFile::remove(path);
}

QStringList RecoveryStore::orphanedFiles()
{
    if (m_orphans.empty()) {
        const QString own = QFileInfo(ownFolder()).fileName();
        const QStringList folders = QDir(m_base).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &name : folders) {
            if (name == own)
                continue;
            auto orphan = std::make_unique<Orphan>();
            orphan->folder = m_base + QLatin1Char('/') + name;
            orphan->lock =
                std::make_unique<QLockFile>(orphan->folder + QLatin1Char('/') + lockName);
            orphan->lock->setStaleLockTime(0);
            // A running editor holds its lock; a crashed one left it stale.
            if (!orphan->lock->tryLock(0))
                continue;
            const QFileInfoList files =
                QDir(orphan->folder)
                    .entryInfoList({QStringLiteral("*.fpd")}, QDir::Files, QDir::Time);
            for (const QFileInfo &file : files)
                orphan->files << file.absoluteFilePath();
            if (orphan->files.isEmpty()) {
                orphan->lock->unlock();
                QDir(orphan->folder).removeRecursively();
                continue;
            }
            m_orphans.push_back(std::move(orphan));
        }
    }
    QStringList all;
    for (const auto &orphan : m_orphans)
        all << orphan->files;
    return all;
}

QStringList RecoveryStore::adoptOrphans()
{
    const QString own = ownFolder();
    QStringList adopted;
    for (const auto &orphan : m_orphans) {
        bool allMoved = true;
        for (const QString &file : orphan->files) {
            const QString base = QFileInfo(file).completeBaseName();
            QString target = own + QLatin1Char('/') + QFileInfo(file).fileName();
            for (int n = 2; QFileInfo::exists(target); ++n)
                target = own + QStringLiteral("/%1 (%2).fpd").arg(base).arg(n);
            if (QFile::rename(file, target) || (QFile::copy(file, target) && QFile::remove(file))) {
                adopted << target;
            } else {
                adopted << file; // stays where it is, and so does its folder
                allMoved = false;
            }
        }
        orphan->lock->unlock();
        if (allMoved)
            QDir(orphan->folder).removeRecursively();
    }
    m_orphans.clear();
    return adopted;
}

void RecoveryStore::discardOrphans()
{
    for (const auto &orphan : m_orphans) {
        orphan->lock->unlock();
        QDir(orphan->folder).removeRecursively();
    }
    m_orphans.clear();
}

void RecoveryStore::removeOwnFolder()
{
    if (m_own.isEmpty())
        return;
    m_lock->unlock();
    QDir(m_own).removeRecursively();
    m_lock.reset();
    m_own.clear();
}
