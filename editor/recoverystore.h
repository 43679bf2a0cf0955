#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// Plans that were never saved are written aside every few minutes so that a
// crash does not lose them. Each running editor keeps its copies in a folder
// of its own ("Recupero/<pid>" in the user's data folder) and holds a lock on
// it while it runs. A folder whose lock nobody holds belongs to an editor that
// ended without tidying up: its copies are offered back at the next start.
class RecoveryStore
{
public:
    // The folder under which every editor keeps its own.
    explicit RecoveryStore(QString baseFolder = defaultBaseFolder());
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    [[nodiscard]] static QString defaultBaseFolder();
    [[nodiscard]] QString baseFolder() const { return m_base; }
    // This editor's folder; created and locked on first use.
    [[nodiscard]] QString ownFolder();

    // Where the copy of the document with this title goes ("Domora1.fpd").
    [[nodiscard]] QString pathFor(const QString &documentTitle);
    // Removes a copy once its document is saved, closed or given up.
    static void discard(const QString &path);

    // The copies left by editors that are no longer running. Their folders
    // stay locked by this editor until adopt() or discardOrphans().
    [[nodiscard]] QStringList orphanedFiles();
    // Moves the orphaned copies into this editor's folder and returns their
    // new paths, in the order of orphanedFiles().
    QStringList adoptOrphans();
    // Deletes the orphaned copies and their folders.
    void discardOrphans();
    // Removes this editor's folder with whatever is left in it.
    void removeOwnFolder();

private:
    struct Orphan;

    QString m_base;
    QString m_own;
    std::unique_ptr<QLockFile> m_lock;
    std::vector<std::unique_ptr<Orphan>> m_orphans;
};
