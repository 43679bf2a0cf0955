#pragma once

#include <QIcon>

// The jotter's pictures, drawn from outlines so that they stay sharp at any
// size: the program icon (icon 128), the document icon of the tabs and the
// images of the commands.
namespace jottericons {

[[nodiscard]] QIcon applicationIcon();
[[nodiscard]] QIcon documentIcon();
// A null icon for a command without a picture.
[[nodiscard]] QIcon commandIcon(int commandId);

} // namespace jottericons
