#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What the check, backup and restore commands copy or look for: the names
// listed in "filelist.lst" of the current directory, after its header has
// been checked.
namespace console {

enum class FileGroup
{
    Shared,    // "/backup/shared": shared libraries and files
    Libs,      // "/backup/libs": libraries and executables
    Resources, // "/backup/resources": resources and online help
    Styles     // "/backup/styles": predefined styles and format galleries
};

enum class BackupCommand
{
    Check,
    Backup,
    Restore
};

inline constexpr const char *fileListName = "filelist.lst";

[[nodiscard]] QString sectionName(FileGroup group);
[[nodiscard]] QList<FileGroup> allFileGroups();

// The gathered names, or the message that stops the command (to be shown
// with the error icon when `errorIcon`, else with the exclamation icon).
struct BackupPlan
{
    QStringList files;
    QString message;
    bool errorIcon = false;
    [[nodiscard]] bool ok() const { return message.isEmpty(); }
};

// Opens the list, checks its header and gathers the names of `groups` in
// the order shared, libs, resources, styles, each in file order, with '\'
// turned into '/'. Names are not de-duplicated.
[[nodiscard]] BackupPlan readFileList(const QString &listPath, BackupCommand command,
                                      const QList<FileGroup> &groups);

// The three commands' preparation, including their empty-list messages.
[[nodiscard]] BackupPlan prepareCheck(const QString &listPath = QString::fromLatin1(fileListName));
[[nodiscard]] BackupPlan prepareBackup(const QList<FileGroup> &groups,
                                       const QString &listPath = QString::fromLatin1(fileListName));
[[nodiscard]] BackupPlan
prepareRestore(const QString &listPath = QString::fromLatin1(fileListName));

} // namespace console
