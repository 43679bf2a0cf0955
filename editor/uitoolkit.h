#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QWidget;

namespace toolkit {
class LanguageLibrary;
class Workspace;
} // namespace toolkit

// What the user chose in the start dialog.
struct StartChoice
{
    enum class Kind
    {
        Cancel,
        New,
        Open
    };
    // The "new" items, in the order the dialog lists them.
    enum NewItem
    {
        Wizard,
        Normal,
        Placard,
        Printnet
    };
    Kind kind = Kind::Cancel;
    NewItem newItem = Normal;
    QString path; // the file to open
};

// Runs one of the toolkit's modal dialogs. Their own exec() asks the
// message layer, which would ask the dialog again: unless a test answers,
// the dialog goes to the event loop directly.
int runToolkitDialog(QDialog &dialog);

// Everything the editor asks of the toolbar and menu toolkit while it starts
// and ends, in one place: the workspace with the registry base of the saved
// layout, the language library as the source of the toolkit's own texts, the
// managers, tear-off menus, user tools, the start dialog and the clean-ups at
// exit.
class UiToolkit
{
public:
    UiToolkit();
    ~UiToolkit();
    UiToolkit(const UiToolkit &) = delete;
    UiToolkit &operator=(const UiToolkit &) = delete;

    // The sub-key of the program's key that keeps bars, menus, keys and tools.
    void setRegistryBase(const QString &base);
    [[nodiscard]] QString registryBase() const;
    [[nodiscard]] toolkit::Workspace &workspace() const { return *m_workspace; }
    // The language library named by the settings; false when it is missing
    // or is no language library.
    bool loadLanguageLibrary(const QString &path);
    // The toolkit takes its texts (and Qt's dialogs theirs) from it.
    void installLanguageLibrary();
    void freeLanguageLibrary();

    // Context-menu, keyboard and shell managers, and the skin manager with
    // its folder (relative folders lie in the program folder).
    void initManagers(const QString &skinsFolder);
    bool enableTearOffMenus(int firstId, int lastId);
    // The Tools menu lists the tools where the dummy command stands; the
    // tools answer firstCommand to lastCommand.
    bool enableUserTools(int dummyCommand, int firstCommand, int lastCommand);
    [[nodiscard]] bool userToolsEnabled() const;

    // The combined new-or-open dialog of the start and of the New command:
    // the four kinds of new plan, the recent files, and any plan on disk.
    [[nodiscard]] StartChoice runStartDialog(QWidget *parent, const QStringList &recentFiles);

    // Clean-ups at exit, each run at most once.
    void destroyVisualManager();
    void globalCleanUp();

private:
    std::unique_ptr<toolkit::Workspace> m_workspace;
    std::unique_ptr<toolkit::LanguageLibrary> m_language;
};
