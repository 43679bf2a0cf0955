#include "stewardcommands.h"

#include "backupplan.h"
#include "cbackupdialog.h"
#include "cbugreportwizard.h"
#include "ccheckdialog.h"
#include "ccopydialog.h"
#include "ceventviewerdialog.h"
#include "configurationstore.h"
#include "crestoredefaultsdialog.h"
#include "crestoredialog.h"
#include "csaveconfigdialog.h"
#include "cstyleeditordialog.h"
#include "eventlogfile.h"
#include "filedialogs.h"
#include "platform/messagebox.h"
#include "platform/paths.h"

#include <QCoreApplication>

namespace commands {

namespace {

using platform::ui::Buttons;
using platform::ui::Icon;

QString tr(const char *text)
{
    return QCoreApplication::translate("console", text);
}

// An OK box with the exclamation icon, as the console's messages are shown.
void warn(QWidget *parent, const QString &text)
{
    platform::ui::messageBox(parent, text, {}, Buttons::Ok, Icon::Warning);
}

// Shows the message that stops a command; true when there is none.
bool planReady(QWidget *parent, const console::BackupPlan &plan)
{
    if (plan.ok())
        return true;
    platform::ui::messageBox(parent, plan.message, {}, Buttons::Ok,
                             plan.errorIcon ? Icon::Error : Icon::Warning);
    return false;
}

QString logPath()
{
    return QString::fromLatin1(console::eventlog::fileName);
}

QString regFilters()
{
    return tr("File di registro (*.reg);;Tutti i file (*)");
}

} // namespace

QList<Popup> popups()
{
    return {
        {QStringLiteral("Report"),
         {{BugReport, tr("&Creazione guidata di un rapporto...")},
          {ViewEvents, tr("&Visualizzatore degli eventi...")},
          {ClearEvents, tr("C&ancella eventi registrati")},
          {CopyEvents, tr("Crea una c&opia degli eventi...")}}},
        {QStringLiteral("Check"),
         {{CheckApplication, tr("&Controlla applicazione")},
          {CreateBackup, tr("Crea nuovo &backup...")},
          {RestoreBackup, tr("&Ripristina da un backup...")}}},
        {QStringLiteral("Manage"),
         {{SaveConfiguration, tr("&Salva configurazione corrente...")},
          {AddConfiguration, tr("&Aggiungi una configurazione esistente...")},
          {RestoreDefaultConfiguration, tr("&Ripristina configurazione predefinita...")}}},
        {QStringLiteral("Editors"),
         {{EditWallStyles, tr("Stili predefiniti per i &muri...")},
          {EditRoomStyles, tr("Stili predefiniti per le &stanze...")}}},
    };
}

bool run(int id, QWidget *parent)
{
    switch (id) {
    case BugReport:
        SendBugReport(parent);
        return true;
    case ViewEvents:
        viewEvents(parent);
        return true;
    case ClearEvents:
        clearEvents(parent);
        return true;
    case CopyEvents:
        copyEvents(parent);
        return true;
    case SaveConfiguration:
        saveConfiguration(parent);
        return true;
    case AddConfiguration:
        addConfiguration(parent);
        return true;
    case RestoreDefaultConfiguration:
        restoreDefaultConfiguration(parent);
        return true;
    case CheckApplication:
        checkApplication(parent);
        return true;
    case RestoreBackup:
        restoreBackup(parent);
        return true;
    case EditWallStyles:
        EditStyleLibrary(parent, QStringLiteral("walls.fps"), true);
        return true;
    case EditRoomStyles:
        EditStyleLibrary(parent, QStringLiteral("rooms.fps"), false);
        return true;
    case CreateBackup:
        createBackup(parent);
        return true;
    default:
        return false;
    }
}

void checkApplication(QWidget *parent)
{
    const console::BackupPlan plan = console::prepareCheck();
    if (!planReady(parent, plan))
        return;
    CCheckDialog dialog(InstallationCheck(plan.files), parent);
    platform::ui::execDialog(dialog);
}

void createBackup(QWidget *parent)
{
    CBackupDialog dialog(platform::programFolder(), parent);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    const console::BackupPlan plan = console::prepareBackup(dialog.groups());
    if (!planReady(parent, plan))
        return;
    // Without a destination every copy would go to the root folder.
    if (dialog.destinationFolder().trimmed().isEmpty()) {
        warn(parent, tr("Non hai indicato la cartella di destinazione della copia di riserva!"));
        return;
    }
    CCopyDialog copy(CopyJob(plan.files, dialog.programFolder(), dialog.destinationFolder(),
                             dialog.overwrite(), false),
                     parent);
    platform::ui::execDialog(copy);
}

void restoreBackup(QWidget *parent)
{
    CRestoreDialog dialog(parent);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    const console::BackupPlan plan = console::prepareRestore();
    if (!planReady(parent, plan))
        return;
    CCopyDialog copy(CopyJob(plan.files, dialog.folder(), platform::programFolder(), true, true),
                     parent);
    platform::ui::execDialog(copy);
}

void viewEvents(QWidget *parent)
{
    CEventViewerDialog dialog(logPath(), parent);
    platform::ui::execDialog(dialog);
}

void clearEvents(QWidget *parent)
{
    if (platform::ui::messageBox(parent,
                                 tr("Desideri cancellare il file di registrazione degli eventi?"),
                                 {}, Buttons::YesNo, Icon::Warning) != platform::ui::Answer::Yes)
        return;
    if (!console::eventlog::clear(logPath()))
        warn(parent, tr("Errore durante la cancellazione del file di registrazione degli eventi."));
}

void copyEvents(QWidget *parent)
{
    const QString target = filedialogs::chooseSaveFile(
        parent, {tr("Salva con nome"), QStringLiteral("log"),
                 tr("Registro eventi (*.log);;Tutti i file (*)"), QString()});
    if (target.isEmpty())
        return;
    if (!console::eventlog::copyTo(logPath(), target))
        warn(parent, tr("Errore durante la copia del file di registro degli eventi."));
}

void saveConfiguration(QWidget *parent)
{
    CSaveConfigDialog dialog(parent);
    if (platform::ui::execDialog(dialog) != QDialog::Accepted)
        return;
    if (!console::configuration::save(dialog.destination(), dialog.onlyCustomisations()))
        warn(parent, console::configuration::exportFailedMessage());
}

void addConfiguration(QWidget *parent)
{
    const QString file = filedialogs::chooseOpenFile(
        parent, {tr("Apri"), QStringLiteral("reg"), regFilters(), QString()});
    if (file.isEmpty())
        return;
    if (!console::configuration::add(file))
        warn(parent, console::configuration::importFailedMessage());
}

void restoreDefaultConfiguration(QWidget *parent)
{
    CRestoreDefaultsDialog dialog(parent);
    if (platform::ui::execDialog(dialog) == QDialog::Accepted)
        console::configuration::reset(dialog.choice());
}

} // namespace commands
