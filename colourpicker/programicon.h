#pragma once

#include <QIcon>

// The picker's icon: a small colour field with a hue bar beside it.
[[nodiscard]] QIcon programIcon();
