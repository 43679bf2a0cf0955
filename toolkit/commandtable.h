#pragma once

#include "toolkit/toolkitglobal.h"

#include <QHash>
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAction;
class QWidget;

namespace toolkit {

// One command of a program as menus, toolbars and the keyboard map know it.
struct CommandInfo
{
    CommandInfo(int id = 0, QString text = {}, QString prompt = {}, QIcon icon = {},
                QList<QKeySequence> shortcuts = {}, bool checkable = false)
        : id(id), text(std::move(text)), prompt(std::move(prompt)), icon(std::move(icon)),
          shortcuts(std::move(shortcuts)), checkable(checkable)
    {
    }

    int id = 0;
    QString text;   // menu text with its mnemonic: "&Apri..."
    QString prompt; // "status-bar description\ntool tip"; either part may be empty
    QIcon icon;
    QList<QKeySequence> shortcuts; // the built-in keys; the keyboard map may change them
    bool checkable = false;
};

// What an update pass decides about a command. It starts enabled with the
// check state and text left as they are.
struct CommandUpdate
{
    bool enabled = true;
    std::optional<bool> checked;
    std::optional<QString> text;
};

// Something that carries out commands: a view, a document window, the frame,
// the application. The frame asks the active document window first, then the
// frame itself, then the targets added to it.
class TOOLKIT_EXPORT CommandTarget
{
public:
    virtual ~CommandTarget() = default;
    // Returns true when the command was carried out here.
    virtual bool handleCommand(int id) = 0;
    // Returns true when this target handles the command, after filling in
    // its state. A command no target claims is disabled.
    virtual bool updateCommand(int id, CommandUpdate &update) = 0;
};

// The commands of one frame: one QAction per command id, shared by every
// menu and toolbar that shows the command, so their enabled and checked
// states always agree. The actions belong to the frame widget, which makes
// their shortcuts work anywhere in the frame's window.
class TOOLKIT_EXPORT CommandTable : public QObject
{
    Q_OBJECT

public:
    using WidgetFactory = std::function<QWidget *(QWidget *parent)>;

    explicit CommandTable(QWidget *frame);

    // Adds the command, or updates the texts, icon and keys of an existing one.
    QAction *add(const CommandInfo &info);
    // A command shown on toolbars as a widget (a combo box, say) made by the
    // factory, one widget per toolbar.
    QAction *addWidgetCommand(const CommandInfo &info, WidgetFactory factory);

    [[nodiscard]] QAction *action(int id) const { return m_actions.value(id); }
    [[nodiscard]] bool contains(int id) const { return m_actions.contains(id); }
    // Every command id in the order the commands were added.
    [[nodiscard]] QList<int> ids() const { return m_order; }
    // The id carried by an action of this table, 0 for any other action.
    [[nodiscard]] static int idOf(const QAction *action);

    // The menu text without mnemonic, tab part and trailing dots: "Apri".
    [[nodiscard]] QString plainText(int id) const;
    // The status-bar description of the command.
    [[nodiscard]] QString description(int id) const;
    [[nodiscard]] QList<QKeySequence> defaultShortcuts(int id) const;

    // An image from an image-only collection: used by the command when it has
    // no icon of its own, now or when it is added later.
    void setCollectionImage(int id, const QIcon &icon);
    [[nodiscard]] QIcon collectionImage(int id) const { return m_collection.value(id); }

    // A user image chosen for the command in the customisation dialog; a null
    // icon goes back to the command's own image.
    void setUserImage(int id, const QIcon &icon, int userImageIndex);
    [[nodiscard]] int userImageIndex(int id) const { return m_userImageIndex.value(id, -1); }
    [[nodiscard]] QHash<int, int> userImageIndexes() const { return m_userImageIndex; }

    [[nodiscard]] static QString withoutMnemonic(const QString &text);

signals:
    // Every command the user gives, from a menu, a toolbar or a key.
    void triggered(int id);

private:
    QAction *attach(QAction *action, const CommandInfo &info);
    void applyInfo(QAction *action, const CommandInfo &info);

    QWidget *m_frame; // owns the actions
    QHash<int, QAction *> m_actions;
    QList<int> m_order;
    QHash<int, QList<QKeySequence>> m_defaultShortcuts;
    QHash<int, QIcon> m_ownIcons;
    QHash<int, QIcon> m_collection;
    QHash<int, int> m_userImageIndex;
};

} // namespace toolkit
