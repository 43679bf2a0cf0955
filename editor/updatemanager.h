#pragma once

#include <QDateTime>
#include <QString>

class QWidget;
class CUpdateProgressDlg;

namespace platform {
class Registry;
}

// The editor's side of program updates: start-up housekeeping, the update
// check against the update server or the shared server installation, the
// downloads into the staging folder "Patchwell/" and the hand-off to the
// updater. All names are relative to the program folder.
class UpdateManager
{
public:
    // Reads its settings from "Settings" of reg; messages and the progress
    // window belong to parent.
    UpdateManager(platform::Registry &reg, QWidget *parent = nullptr);
    ~UpdateManager();
    UpdateManager(const UpdateManager &) = delete;
    UpdateManager &operator=(const UpdateManager &) = delete;

    // The folder the names are relative to (the program folder, with a
    // trailing separator); tests point it elsewhere.
    void setProgramFolder(const QString &folder);
    [[nodiscard]] QString programFolder() const { return m_folder; }
    // Messages and the progress window belong to this window from now on.
    void setDialogParent(QWidget *parent) { m_parent = parent; }

    // Start-up step 1: when DeletePWBatch is set, remove the hand-off scripts
    // of a previous update (errors ignored).
    void deleteHandOffScripts();
    // Start-up step 2: "Patchwell", "Patchwell/Library", "Patchwell/@System".
    void createStagingFolders();
    // Start-up step 3: offers to install staged files left from a previous
    // update. True when the updater was started and the editor must end now.
    [[nodiscard]] bool offerPendingUpdates();

    // 0 when the updater (or its launcher) was started, 1 when neither exists.
    int LaunchUpdater();
    // Whether the folder tree holds at least one file; "@SYSTEM" folders are
    // never searched.
    [[nodiscard]] bool HasPendingUpdates(const QString &folder) const;
    // 0: the updater has been started and the editor should end (after its
    // documents are closed); any other value: the editor goes on.
    int CheckForUpdates(int forced);
    // Fetches the update list into "buffer.dat" as one line followed by
    // "BEGIN_LOCALPATH(<program folder>)END_LOCALPATH".
    bool FetchUpdateList(const QString &url);
    // Downloads every newer file of the list; true when at least one was newer.
    bool ProcessUpdateList(const QString &text);
    bool DownloadFile(const QString &url, const QString &localPath, const QDateTime &remoteDate,
                      qint64 expectedSize);
    // Runs the first "BEGIN_COMMAND(...)END_COMMAND" of the response.
    void RunServerCommand(const QString &text);
    // Copies the files of sourceFolder that are newer than the installed ones
    // into destinationFolder; true when something was copied.
    bool SyncFromShare(const QString &sourceFolder, const QString &destinationFolder, bool recurse);

    // The default address of the update list.
    static QString defaultUpdateUrl();

private:
    void showProgress(const QString &text);
    void hideProgress();

    platform::Registry &m_reg;
    QWidget *m_parent = nullptr;
    QString m_folder;
    CUpdateProgressDlg *m_progress = nullptr;
};
