#include "contextmenumanager.h"

#include "commandtable.h"
#include "popupmenu.h"

#include <QWidget>

namespace toolkit {

bool ContextMenuManager::addMenu(const QString &name, int menuId, const QList<int> &commandIds)
{
    if (name.isEmpty() || menuId == 0)
        return false;
    for (const Menu &menu : m_menus) {
        if (menu.name == name || menu.id == menuId)
            return false;
    }
    m_menus.append({name, menuId, commandIds});
    return true;
}

QStringList ContextMenuManager::menuNames() const
{
    QStringList names;
    for (const Menu &menu : m_menus)
        names.append(menu.name);
    return names;
}

int ContextMenuManager::menuId(const QString &name) const
{
    for (const Menu &menu : m_menus) {
        if (menu.name == name)
            return menu.id;
    }
    return 0;
}

QList<int> ContextMenuManager::commandIds(int menuId) const
{
    for (const Menu &menu : m_menus) {
        if (menu.id == menuId)
            return menu.commandIds;
    }
    return {};
}

bool ContextMenuManager::showPopupMenu(int menuId, const QPoint &globalPos, QWidget *owner) const
{
    const auto found = std::find_if(m_menus.cbegin(), m_menus.cend(),
                                    [menuId](const Menu &menu) { return menu.id == menuId; });
    if (found == m_menus.cend() || !owner)
        return false;
    auto *commands =
        owner->window()->findChild<CommandTable *>(QString(), Qt::FindDirectChildrenOnly);
    if (!commands)
        return false;
    auto *menu = new PopupMenu(found->name, *commands, owner);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (int id : found->commandIds)
        menu->addCommand(id);
    menu->popup(globalPos);
    return true;
}

} // namespace toolkit
