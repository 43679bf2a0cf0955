#pragma once

#include <QList>
#include <QString>

class QWidget;

// The console's commands. Each asks what it needs, does its work on the
// files of the current directory or on the editor's settings, shows its own
// messages and returns to the main window.
namespace commands {

enum Id : int
{
    BugReport = 32771,
    ViewEvents = 32773,
    ClearEvents = 32774,
    CopyEvents = 32775,
    SaveConfiguration = 32776,
    AddConfiguration = 32777,
    RestoreDefaultConfiguration = 32778,
    CheckApplication = 32779,
    RestoreBackup = 32780,
    EditWallStyles = 32781,
    EditRoomStyles = 32782,
    CreateBackup = 32783,
};

struct Command
{
    int id;
    QString text; // menu text with its mnemonic
};

struct Popup
{
    QString name;
    QList<Command> commands;
};

// The four popups of the main window's buttons, in order.
[[nodiscard]] QList<Popup> popups();

// Runs a command; false for an id the console does not know.
bool run(int id, QWidget *parent);

void checkApplication(QWidget *parent);
void createBackup(QWidget *parent);
void restoreBackup(QWidget *parent);
void viewEvents(QWidget *parent);
void clearEvents(QWidget *parent);
void copyEvents(QWidget *parent);
void saveConfiguration(QWidget *parent);
void addConfiguration(QWidget *parent);
void restoreDefaultConfiguration(QWidget *parent);

} // namespace commands
