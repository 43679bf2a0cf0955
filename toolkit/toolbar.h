#pragma once

#include "toolkit/toolkitglobal.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QToolBar>

class QMimeData;

namespace toolkit {

class CommandTable;

// One button of a toolbar description: a command id (0 for a separator), its
// image and, when the command is not known yet, its text.
struct ToolBarItem
{
    ToolBarItem(int id = 0, QIcon icon = {}, QString text = {})
        : id(id), icon(std::move(icon)), text(std::move(text))
    {
    }

    int id = 0;
    QIcon icon;
    QString text;
};

// A toolbar of command buttons. Its buttons are command ids; the layout can be
// changed by the user (customisation dialog, Alt-drag) and is kept by the
// workspace. Its object name "ToolBar-<id>" identifies it in saved layouts.
class TOOLKIT_EXPORT ToolBar : public QToolBar
{
    Q_OBJECT

public:
    ToolBar(int barId, const QString &title, CommandTable &commands, QWidget *parent = nullptr);

    [[nodiscard]] int barId() const { return m_barId; }
    [[nodiscard]] static QString objectNameFor(int barId);

    // Sets the buttons and makes them the built-in layout that reset returns
    // to. Images and texts of the items go to commands that lack them.
    void loadToolBar(const QList<ToolBarItem> &items);
    [[nodiscard]] QList<int> buttons() const { return m_buttons; }
    [[nodiscard]] QList<int> defaultButtons() const { return m_defaultButtons; }
    // Commands the table does not know are left out.
    void setButtons(const QList<int> &ids);
    void insertButton(int index, int id);
    void removeButton(int index);
    void moveButton(int from, int to);
    void resetToDefault() { setButtons(m_defaultButtons); }
    [[nodiscard]] bool isModified() const { return m_buttons != m_defaultButtons; }

    // A toolbar the user created in the customisation dialog.
    [[nodiscard]] bool isUserDefined() const { return m_userDefined; }
    void setUserDefined(bool userDefined) { m_userDefined = userDefined; }

    // Alt-drag moves buttons within and between toolbars; dropping a button
    // anywhere else removes it. Applies to every toolbar of the program.
    static void setQuickCustomize(bool enabled);
    [[nodiscard]] static bool quickCustomize();

    // Tool tips on the buttons of every toolbar, and whether they name the
    // command's keys.
    static void setShowToolTips(bool show);
    [[nodiscard]] static bool showToolTips();
    static void setShortcutsInToolTips(bool show);
    [[nodiscard]] static bool shortcutsInToolTips();

    // The index of the button (separators count) nearest to a point of the
    // toolbar, for dropping a command there.
    [[nodiscard]] int insertIndexAt(const QPoint &pos) const;
    // Places a dragged button (from a toolbar or the customisation dialog's
    // command list) where it falls; `source` is the toolbar it comes from,
    // if any. False when the data holds no button.
    bool dropButton(const QMimeData *data, const QPoint &pos, ToolBar *source);

signals:
    void buttonsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void actionEvent(QActionEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void rebuild();
    [[nodiscard]] int buttonIndexOf(const QWidget *button) const;
    void startButtonDrag(int index);

    int m_barId;
    CommandTable &m_commands;
    QList<int> m_buttons;
    QList<int> m_defaultButtons;
    bool m_userDefined = false;
    bool m_rebuilding = false;
};

} // namespace toolkit
