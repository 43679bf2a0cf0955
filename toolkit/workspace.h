#pragma once

#include "toolkit/toolkitglobal.h"

#include <QObject>
#include <QString>

#include <memory>

namespace platform {
class Registry;
}

namespace toolkit {

class ContextMenuManager;
class KeyboardManager;
class MdiFrame;
class ShellManager;
class SkinManager;
class TearOffManager;
class UserToolsManager;

// The toolkit's part of a program: where the layout of the main window is
// kept, and the managers the program switches on. One workspace exists per
// program; create it first, before the main window.
//
// Everything lives under the registry base, a sub-key of the program's key
// (HKEY_CURRENT_USER\Software\Velmar\<application>\<base>):
//   <base>\Frame        window placement and the docking of every bar
//   <base>\ToolBars\<id> the buttons of each toolbar; user toolbars with their name
//   <base>\Keyboard     the keys of every command
//   <base>\Tools        the user tools
//   <base>\Look         the chosen visual manager or skin
//   <base>\Options      large icons, tool tips, text labels, menu animation
//   <base>\UserImages   user images chosen for commands
// Values the program keeps directly under the base are left alone.
class TOOLKIT_EXPORT Workspace : public QObject
{
    Q_OBJECT

public:
    // `application` names the program's key: "Domora", "Jotter".
    explicit Workspace(const QString &application, QObject *parent = nullptr);
    ~Workspace() override;

    // The program's workspace; nullptr before one is created.
    [[nodiscard]] static Workspace *instance();

    [[nodiscard]] platform::Registry &registry() const { return *m_registry; }
    // The sub-key of the program's key that holds the layout ("Interface").
    void setRegistryBase(const QString &base);
    [[nodiscard]] QString registryBase() const { return m_base; }
    // "<base>\<sub>", or "<base>" when `sub` is empty.
    [[nodiscard]] QString section(const QString &sub = {}) const;

    void initContextMenuManager();
    void initKeyboardManager();
    void initShellManager();
    // `folder` is the skins folder; a relative one lies in the program folder.
    void initSkinManager(const QString &folder);
    // Menus with ids in [firstId, lastId] can be torn off. Returns false
    // when the range is empty or reversed.
    bool enableTearOffMenus(int firstId, int lastId);
    // User tools run programs named by the user. `dummyCommand` marks where
    // the Tools menu lists them; the tools take the commands firstCommand to
    // lastCommand. Returns false when the range is empty or reversed.
    bool enableUserTools(int dummyCommand, int firstCommand, int lastCommand);

    // Each is nullptr until switched on.
    [[nodiscard]] ContextMenuManager *contextMenuManager() const { return m_contextMenus.get(); }
    [[nodiscard]] KeyboardManager *keyboardManager() const { return m_keyboard.get(); }
    [[nodiscard]] ShellManager *shellManager() const { return m_shell.get(); }
    [[nodiscard]] SkinManager *skinManager() const { return m_skins.get(); }
    [[nodiscard]] TearOffManager *tearOffManager() const { return m_tearOff.get(); }
    [[nodiscard]] UserToolsManager *userToolsManager() const { return m_userTools.get(); }

    // Restores what saveState wrote: call once the frame has created its
    // bars. Returns false when nothing was saved (the built-in layout stays).
    bool loadState(MdiFrame &frame);
    bool saveState(const MdiFrame &frame);
    // Erases the saved layout; the next start shows the built-in one.
    bool cleanState();

    // The toolkit's global clean-up at the end of the program: the skin
    // manager and the visual manager go, the workspace forgets its managers.
    static void cleanUp();

private:
    std::unique_ptr<platform::Registry> m_registry;
    QString m_base = QStringLiteral("Interface");
    std::unique_ptr<ContextMenuManager> m_contextMenus;
    std::unique_ptr<KeyboardManager> m_keyboard;
    std::unique_ptr<ShellManager> m_shell;
    std::unique_ptr<SkinManager> m_skins;
    std::unique_ptr<TearOffManager> m_tearOff;
    std::unique_ptr<UserToolsManager> m_userTools;
};

} // namespace toolkit
