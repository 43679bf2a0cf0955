#pragma once

#include "toolkit/toolkitglobal.h"

#include <QFont>
#include <QMenu>

namespace toolkit {

class CommandTable;

// A menu of commands. Items are command ids of the frame's command table, so
// a menu item and a toolbar button of the same command share their state.
// A menu may be torn off when its tear-off id lies in the range the workspace
// enables, and a menu holding the user-tools placeholder command lists the
// user tools in its place.
class TOOLKIT_EXPORT PopupMenu : public QMenu
{
    Q_OBJECT

public:
    PopupMenu(const QString &title, CommandTable &commands, QWidget *parent = nullptr);

    [[nodiscard]] CommandTable &commands() const { return m_commands; }

    // Adds the command's item (0 adds a separator) and returns its action.
    // Unknown commands are added to the table with the text given here.
    QAction *addCommand(int id, const QString &text = {});
    PopupMenu *addPopup(const QString &title);
    [[nodiscard]] QList<PopupMenu *> popups() const;

    // The command ids of the items, 0 for separators, submenus left out.
    [[nodiscard]] QList<int> commandIds() const;

    // The menu can be torn off exactly when `id` lies in the workspace's
    // tear-off range; 0 takes the next free id of the range.
    void setTearOffId(int id);
    [[nodiscard]] int tearOffId() const { return m_tearOffId; }

    // A band along the left edge with the text written upwards (this menu
    // only, not its submenus).
    void setSideText(const QString &text, const QFont &font);
    [[nodiscard]] QString sideText() const { return m_sideText; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void fillUserTools();

    CommandTable &m_commands;
    int m_tearOffId = 0;
    QAction *m_toolsMarker = nullptr; // stands where the user tools are listed
    QList<QAction *> m_toolItems;
    QString m_sideText;
    QFont m_sideFont;
};

} // namespace toolkit
