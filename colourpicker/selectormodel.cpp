#include "selectormodel.h"

#include <Qt>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace colourpicker {

bool SelectorModel::setMode(int mode)
{
    if (mode == m_mode)
        return false;
    const auto ranges = rangesOf(mode & modeMask);
    if (!ranges)
        return false;
    m_mode = mode & modeMask;
    m_position = {};
    m_ranges = *ranges;
    return true;
}

bool SelectorModel::setColor(COLORREF color)
{
    const Position position = positionOfColor(m_mode, color);
    if (position == m_position)
        return false;
    m_position = position;
    return true;
}

bool SelectorModel::setZ(int z)
{
    if (z < 0 || z > m_ranges.zMax)
        return false;
    m_position.z = z;
    return true;
}

COLORREF SelectorModel::color() const
{
    return colorOfPosition(m_mode, m_position);
}

bool SelectorModel::moveToPoint(QPoint point, const QRect &area)
{
    const int px = std::clamp(point.x(), area.left(), area.right());
    const int py = std::clamp(point.y(), area.top(), area.bottom());
    // An area one pixel wide or high has no span to divide; that axis stays at 0.
    const auto axis = [](int offset, int span, int maximum) {
        if (span <= 0)
            return 0;
        const double exact = std::ceil(static_cast<double>(offset) * maximum / span);
        return static_cast<int>(static_cast<std::int16_t>(exact));
    };
    return moveTo(axis(px - area.left(), area.right() - area.left(), m_ranges.xMax),
                  axis(area.bottom() - py, area.bottom() - area.top(), m_ranges.yMax));
}

bool SelectorModel::moveByKey(int key)
{
    const int x = m_position.x;
    const int y = m_position.y;
    switch (key) {
    case Qt::Key_Left:
        return moveTo(x - 1, y);
    case Qt::Key_Right:
        return moveTo(x + 1, y);
    case Qt::Key_Up:
        return moveTo(x, y + 1);
    case Qt::Key_Down:
        return moveTo(x, y - 1);
    case Qt::Key_Home:
        return moveTo(0, m_ranges.yMax);
    case Qt::Key_PageUp:
        return moveTo(m_ranges.xMax, m_ranges.yMax);
    case Qt::Key_PageDown:
        return moveTo(m_ranges.xMax, 0);
    case Qt::Key_End:
        return moveTo(0, 0);
    default:
        return false;
    }
}

bool SelectorModel::moveTo(int x, int y)
{
    x = std::clamp(x, 0, m_ranges.xMax);
    y = std::clamp(y, 0, m_ranges.yMax);
    if (x == m_position.x && y == m_position.y)
        return false;
    m_position.x = x;
    m_position.y = y;
    return true;
}

QPoint SelectorModel::markerCenter(const QRect &area) const
{
    return {area.left() + (area.right() - area.left()) * m_position.x / m_ranges.xMax,
            area.bottom() - (area.bottom() - area.top()) * m_position.y / m_ranges.yMax};
}

bool markerIsBlack(COLORREF color)
{
    return std::max({redOf(color), greenOf(color), blueOf(color)}) >= 128;
}

} // namespace colourpicker
