#include "backupplan.h"

#include "platform/codepage.h"
#include "platform/paths.h"
#include "styles/configfile.h"

#include <QCoreApplication>
#include <QFile>

#include <exception>
#include <string>
#include <vector>

namespace console {

namespace {

struct HeaderValue
{
    const char *key;
    const char *value;
};

// Checked in this order; the first mismatch stops the check.
constexpr HeaderValue requiredHeader[] = {
    {"productID", "{B82FE9F6-B5CE-46E3-ACCE-999D38D784D6}"},
    {"fileID", "{C1D59D2F-BCFE-412D-8553-E4B35851D75E}"},
    {"product", "Domora"},
    {"productVersion", "1.0.0"},
};

QString tr(const char *text)
{
    return QCoreApplication::translate("console", text);
}

QString headerMismatchMessage(BackupCommand command)
{
    if (command == BackupCommand::Restore)
        return tr("Il file di configurazione non è valido oppure si riferisce ad una versione "
                  "diversa del programma: impossibile eseguire l'utilità di ripristino!");
    return tr("Il file di configurazione non è valido oppure si riferisce ad una versione "
              "diversa del programma: impossibile eseguire l'utilità di backup!");
}

} // namespace

QString sectionName(FileGroup group)
{
    switch (group) {
    case FileGroup::Shared:
        return QStringLiteral("/backup/shared");
    case FileGroup::Libs:
        return QStringLiteral("/backup/libs");
    case FileGroup::Resources:
        return QStringLiteral("/backup/resources");
    case FileGroup::Styles:
        return QStringLiteral("/backup/styles");
    }
    return {};
}

QList<FileGroup> allFileGroups()
{
    return {FileGroup::Shared, FileGroup::Libs, FileGroup::Resources, FileGroup::Styles};
}

BackupPlan readFileList(const QString &listPath, BackupCommand command,
                        const QList<FileGroup> &groups)
{
    BackupPlan plan;
    CConfigFile config;
    try {
        config.Open(QFile::encodeName(listPath).toStdString());
        for (const HeaderValue &h : requiredHeader) {
            if (config.GetString("/header", h.key) != h.value) {
                plan.message = headerMismatchMessage(command);
                plan.errorIcon = true;
                return plan;
            }
        }
        std::vector<std::string> names;
        for (const FileGroup group : allFileGroups()) {
            if (groups.contains(group))
                config.GetSectionStrings(sectionName(group).toStdString(), names);
        }
        config.Close();
        plan.files.reserve(static_cast<qsizetype>(names.size()));
        for (const std::string &name : names)
            plan.files.append(platform::fromDataFileName(platform::codepage::decode(name)));
    } catch (const CConfigException &e) {
        plan.message = tr("Errore durante la lettura del file di configurazione "
                          "'filelist.lst'\nID errore: #%1, alla linea %2")
                           .arg(e.errorId())
                           .arg(e.line());
    } catch (const std::exception &) {
        plan.message = tr("Errore non riconosciuto durante il caricamento delle impostazioni");
    }
    return plan;
}

BackupPlan prepareCheck(const QString &listPath)
{
    return readFileList(listPath, BackupCommand::Check, allFileGroups());
}

BackupPlan prepareBackup(const QList<FileGroup> &groups, const QString &listPath)
{
    BackupPlan plan = readFileList(listPath, BackupCommand::Backup, groups);
    if (plan.ok() && plan.files.isEmpty())
        plan.message =
            tr("Non hai selezionato nessun elemento da includere nella copia di riserva!");
    return plan;
}

BackupPlan prepareRestore(const QString &listPath)
{
    BackupPlan plan = readFileList(listPath, BackupCommand::Restore, allFileGroups());
    if (plan.ok() && plan.files.isEmpty())
        plan.message = tr("Errore durante la lettura del file di configurazione "
                          "'filelist.lst'\nID errore: #0, alla linea 0\nNessun elemento da "
                          "copiare!");
    return plan;
}

} // namespace console
