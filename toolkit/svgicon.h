#pragma once

#include "toolkit/toolkitglobal.h"

#include <QHash>
#include <QIcon>

#include <span>

namespace toolkit {

// The body of an icon drawn on a 24 x 24 grid: SVG shapes without the
// enclosing <svg> element.
struct SvgIconSource
{
    int id;
    const char *body;
};

// The icon drawn by `body`, at 16, 24, 32 and 48 pixels.
[[nodiscard]] TOOLKIT_EXPORT QIcon iconFromSvg(const QByteArray &body);

// Command icons drawn on first use and kept in `cache`: the icon of the
// entry of `table` with that id, or a null icon when there is none.
[[nodiscard]] TOOLKIT_EXPORT QIcon tableIcon(std::span<const SvgIconSource> table, int id,
                                             QHash<int, QIcon> &cache);

} // namespace toolkit
