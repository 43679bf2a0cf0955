#include "commandcategories.h"

#include "commandtable.h"
#include "mdiframe.h"
#include "menubar.h"
#include "popupmenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QSet>

namespace toolkit {

namespace {

bool listable(const CommandTable &commands, int id)
{
    const QAction *action = commands.action(id);
    return action && action->isVisible() && !commands.plainText(id).isEmpty();
}

void collect(const PopupMenu &menu, const CommandTable &commands, QList<int> &ids)
{
    for (const QAction *action : menu.actions()) {
        if (const auto *sub = qobject_cast<const PopupMenu *>(action->menu())) {
            collect(*sub, commands, ids);
            continue;
        }
        const int id = CommandTable::idOf(action);
        if (id > 0 && !ids.contains(id) && listable(commands, id))
            ids.append(id);
    }
}

} // namespace

QList<CommandCategory> commandCategories(const MdiFrame &frame, bool scanMenus)
{
    const CommandTable &commands = frame.commands();
    QList<int> all;
    for (int id : commands.ids()) {
        if (listable(commands, id))
            all.append(id);
    }
    std::stable_sort(all.begin(), all.end(), [&](int a, int b) {
        return commands.plainText(a).localeAwareCompare(commands.plainText(b)) < 0;
    });
    QList<CommandCategory> categories{
        {QCoreApplication::translate("toolkit::CommandCategories", "All Commands"), all}};
    if (!scanMenus || !frame.toolkitMenuBar())
        return categories;
    QSet<int> inMenus;
    for (const PopupMenu *menu : frame.toolkitMenuBar()->popups()) {
        CommandCategory category{CommandTable::withoutMnemonic(menu->title()), {}};
        collect(*menu, commands, category.ids);
        if (category.ids.isEmpty())
            continue;
        for (int id : category.ids)
            inMenus.insert(id);
        categories.append(category);
    }
    CommandCategory others{
        QCoreApplication::translate("toolkit::CommandCategories", "Other Commands"), {}};
    for (int id : all) {
        if (!inMenus.contains(id))
            others.ids.append(id);
    }
    if (!others.ids.isEmpty())
        categories.append(others);
    return categories;
}

} // namespace toolkit
