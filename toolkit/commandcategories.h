#pragma once

#include <QList>
#include <QString>

namespace toolkit {

class MdiFrame;

struct CommandCategory
{
    QString name;
    QList<int> ids;
};

// The commands of a frame by category, for the customisation and keyboard
// map dialogs: first every command, then (with `scanMenus`) one category per
// menu of the menu bar, submenus included, and one for commands found in no
// menu. Hidden and nameless commands are left out. Internal.
[[nodiscard]] QList<CommandCategory> commandCategories(const MdiFrame &frame, bool scanMenus);

} // namespace toolkit
