#pragma once

#include <QIcon>
#include <QList>

// The editor's pictures: the program's icon, the images of the kinds of new
// plan, and one icon for every command that appears on a toolbar. They are
// drawn from vector outlines, so they stay sharp at any size.
namespace editoricons {

[[nodiscard]] QIcon applicationIcon();
// The start dialog's image list: placard, wizard, Printnet page, normal plan.
[[nodiscard]] QList<QIcon> newDocumentImages();
// The icon of a command; a null icon for commands without one.
[[nodiscard]] QIcon commandIcon(int commandId);
// The zoom tools' cursor: a magnifying glass.
[[nodiscard]] QPixmap zoomCursorPixmap();

} // namespace editoricons
