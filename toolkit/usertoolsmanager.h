#pragma once

#include "toolkit/toolkitglobal.h"

#include <QList>
#include <QObject>
#include <QString>

class QWidget;

namespace platform {
class Registry;
}

namespace toolkit {

// A program the user starts from the Tools menu.
struct UserTool
{
    UserTool(QString caption = {}, QString command = {}, QString arguments = {},
             QString initialFolder = {})
        : caption(std::move(caption)), command(std::move(command)), arguments(std::move(arguments)),
          initialFolder(std::move(initialFolder))
    {
    }

    QString caption;       // the menu text
    QString command;       // the program; a relative name is looked for in the
                           // program folder, a bare name also on the PATH
    QString arguments;     // split like a shell command line; may be empty
    QString initialFolder; // working folder; empty: the program's own folder

    friend bool operator==(const UserTool &, const UserTool &) = default;
};

// The list of user tools. The tool at position i answers command
// firstCommand() + i; the list holds at most lastCommand - firstCommand + 1
// tools. Tools are started detached and never waited for.
class TOOLKIT_EXPORT UserToolsManager : public QObject
{
    Q_OBJECT

public:
    UserToolsManager(int dummyCommand, int firstCommand, int lastCommand);

    [[nodiscard]] int dummyCommand() const { return m_dummyCommand; }
    [[nodiscard]] int firstCommand() const { return m_firstCommand; }
    [[nodiscard]] int lastCommand() const { return m_lastCommand; }
    [[nodiscard]] int maxTools() const { return m_lastCommand - m_firstCommand + 1; }

    [[nodiscard]] QList<UserTool> tools() const { return m_tools; }
    [[nodiscard]] bool isEmpty() const { return m_tools.isEmpty(); }
    [[nodiscard]] int commandOf(int index) const { return m_firstCommand + index; }
    [[nodiscard]] bool isToolCommand(int id) const;
    // The tool of a command; nullptr when no tool has it.
    [[nodiscard]] const UserTool *tool(int commandId) const;

    // Appends a tool; returns its command, or 0 when the list is full.
    int addTool(const UserTool &tool);
    bool removeTool(int commandId);
    // Replaces the whole list; tools beyond the maximum are dropped.
    void setTools(const QList<UserTool> &tools);

    // Starts the tool of the command. A missing program or one that cannot
    // start is reported to the user with the tool's name; returns false then.
    bool invokeTool(int commandId, QWidget *parent = nullptr) const;
    // The program file a tool's command names, "" when none is found.
    [[nodiscard]] static QString resolveProgram(const QString &command);

    bool saveState(platform::Registry &registry, const QString &section) const;
    // Returns false, leaving the list as it was, when nothing is saved there.
    bool loadState(const platform::Registry &registry, const QString &section);

signals:
    void toolsChanged();

private:
    int m_dummyCommand;
    int m_firstCommand;
    int m_lastCommand;
    QList<UserTool> m_tools;
};

} // namespace toolkit
