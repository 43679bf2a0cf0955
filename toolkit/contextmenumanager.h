#pragma once

#include "toolkit/toolkitglobal.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace toolkit {

// Named context menus of commands, shown at a point on request. A menu's
// items are commands of the frame that owns the window asking for it, so
// they share their state with the frame's menus and toolbars.
class TOOLKIT_EXPORT ContextMenuManager
{
public:
    // Registers the commands (0 for separators) under a name and a menu id.
    // A name or id already in use is refused.
    bool addMenu(const QString &name, int menuId, const QList<int> &commandIds);
    [[nodiscard]] QStringList menuNames() const;
    // 0 when no menu has that name.
    [[nodiscard]] int menuId(const QString &name) const;
    [[nodiscard]] QList<int> commandIds(int menuId) const;

    // Shows the menu at a point on the screen and returns at once; the chosen
    // command goes to the owner's frame. False when the menu is unknown or
    // the owner lies in no frame with commands.
    bool showPopupMenu(int menuId, const QPoint &globalPos, QWidget *owner) const;

private:
    struct Menu
    {
        QString name;
        int id = 0;
        QList<int> commandIds;
    };
    QList<Menu> m_menus;
};

} // namespace toolkit
