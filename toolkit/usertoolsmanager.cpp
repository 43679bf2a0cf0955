#include "usertoolsmanager.h"

#include "platform/messagebox.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/registry.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace toolkit {

UserToolsManager::UserToolsManager(int dummyCommand, int firstCommand, int lastCommand)
    : m_dummyCommand(dummyCommand), m_firstCommand(firstCommand), m_lastCommand(lastCommand)
{
}

bool UserToolsManager::isToolCommand(int id) const
{
    return id >= m_firstCommand && id < m_firstCommand + m_tools.size();
}

const UserTool *UserToolsManager::tool(int commandId) const
{
    if (!isToolCommand(commandId))
        return nullptr;
    return &m_tools[commandId - m_firstCommand];
}

int UserToolsManager::addTool(const UserTool &tool)
{
    if (m_tools.size() >= maxTools())
        return 0;
    m_tools.append(tool);
    emit toolsChanged();
    return commandOf(int(m_tools.size()) - 1);
}

bool UserToolsManager::removeTool(int commandId)
{
    if (!isToolCommand(commandId))
        return false;
    m_tools.removeAt(commandId - m_firstCommand);
    emit toolsChanged();
    return true;
}

void UserToolsManager::setTools(const QList<UserTool> &tools)
{
    const QList<UserTool> kept = tools.mid(0, maxTools());
    if (kept == m_tools)
        return;
    m_tools = kept;
    emit toolsChanged();
}

QString UserToolsManager::resolveProgram(const QString &command)
{
    const QString name = command.trimmed();
    if (name.isEmpty())
        return {};
    const QFileInfo direct(QDir(platform::programFolder()).absoluteFilePath(name));
    if (direct.isFile())
        return direct.absoluteFilePath();
    if (!name.contains(QLatin1Char('/')))
        return QStandardPaths::findExecutable(name);
    return {};
}

bool UserToolsManager::invokeTool(int commandId, QWidget *parent) const
{
    const UserTool *t = tool(commandId);
    if (!t)
        return false;
    const QString program = resolveProgram(t->command);
    if (program.isEmpty()) {
        platform::ui::error(parent, tr("The tool \"%1\" cannot be started: the program \"%2\" "
                                       "was not found.")
                                        .arg(t->caption, t->command));
        return false;
    }
    const QStringList arguments = QProcess::splitCommand(t->arguments);
    if (!platform::startProgram(program, arguments, t->initialFolder)) {
        platform::ui::error(parent, tr("The tool \"%1\" cannot be started: the program \"%2\" "
                                       "did not start.")
                                        .arg(t->caption, program));
        return false;
    }
    return true;
}

bool UserToolsManager::saveState(platform::Registry &registry, const QString &section) const
{
    registry.deleteKey(section);
    bool ok = registry.writeInt(section, QStringLiteral("Count"), int(m_tools.size()));
    for (qsizetype i = 0; i < m_tools.size(); ++i) {
        const QString key = section + QStringLiteral("\\%1").arg(i);
        const UserTool &t = m_tools[i];
        ok = registry.writeString(key, QStringLiteral("Caption"), t.caption) && ok;
        ok = registry.writeString(key, QStringLiteral("Command"), t.command) && ok;
        ok = registry.writeString(key, QStringLiteral("Arguments"), t.arguments) && ok;
        ok = registry.writeString(key, QStringLiteral("InitialFolder"), t.initialFolder) && ok;
    }
    return ok;
}

bool UserToolsManager::loadState(const platform::Registry &registry, const QString &section)
{
    if (!registry.contains(section, QStringLiteral("Count")))
        return false;
    const int count =
        std::clamp(registry.readInt(section, QStringLiteral("Count"), 0), 0, maxTools());
    QList<UserTool> tools;
    for (int i = 0; i < count; ++i) {
        const QString key = section + QStringLiteral("\\%1").arg(i);
        UserTool t;
        t.caption = registry.readString(key, QStringLiteral("Caption"));
        t.command = registry.readString(key, QStringLiteral("Command"));
        t.arguments = registry.readString(key, QStringLiteral("Arguments"));
        t.initialFolder = registry.readString(key, QStringLiteral("InitialFolder"));
        if (!t.command.isEmpty() || !t.caption.isEmpty())
            tools.append(t);
    }
    m_tools = tools;
    emit toolsChanged();
    return true;
}

} // namespace toolkit
