#include "slidermodel.h"

#include "colormode.h"

#include <Qt>

#include <algorithm>

namespace colourpicker {

bool SliderModel::setMode(int mode)
{
    const int plain = mode & modeMask;
    if (plain >= modeCount)
        return false;
    m_mode = mode;
    switch (plain) {
    case modeH:
        m_maximum = 3599;
        m_smallStep = 10;
        m_pageStep = 100;
        break;
    case modeS:
    case modeV:
        m_maximum = 1000;
        m_smallStep = 10;
        m_pageStep = 100;
        break;
    default:
        m_maximum = 255;
        m_smallStep = 1;
        m_pageStep = 10;
        break;
    }
    m_minimum = 0;
    m_value = maxOnTop() ? m_maximum : m_minimum;
    m_params = {};
    return true;
}

bool SliderModel::maxOnTop() const
{
    return (m_mode & modeMaxOnTop) != 0;
}

int SliderModel::componentOf(int value) const
{
    return maxOnTop() ? m_maximum - value : value;
}

bool SliderModel::setValue(int z)
{
    const int value = maxOnTop() ? m_maximum - z : z;
    if (value == m_value)
        return false;
    m_value = std::clamp(value, std::min(m_minimum, m_maximum), std::max(m_minimum, m_maximum));
    return true;
}

bool SliderModel::setParam(int index, int value)
{
    if (index < 0 || index > 1 || value < 0)
        return false;
    int &param = m_params[static_cast<std::size_t>(index)];
    if (param == value)
        return false;
    param = value;
    return true;
}

bool SliderModel::moveTo(int value)
{
    value = std::clamp(value, std::min(m_minimum, m_maximum), std::max(m_minimum, m_maximum));
    if (value == m_value)
        return false;
    m_value = value;
    return true;
}

bool SliderModel::moveToY(int y, int barTop, int barBottom)
{
    y = std::clamp(y, barTop, std::max(barTop, barBottom));
    // A bar of one row has no span; the pointer then stands at its top.
    const double fraction =
        barBottom > barTop ? static_cast<double>(y - barTop) / (barBottom - barTop) : 0.0;
    const double rounding = m_minimum >= m_maximum ? -0.5 : 0.5;
    return moveTo(m_minimum + static_cast<int>(fraction * (m_maximum - m_minimum) + rounding));
}

bool SliderModel::moveByKey(int key)
{
    const int direction = m_minimum > m_maximum ? -1 : 1;
    switch (key) {
    case Qt::Key_PageUp:
        return moveTo(m_value - direction * m_pageStep);
    case Qt::Key_PageDown:
        return moveTo(m_value + direction * m_pageStep);
    case Qt::Key_End:
        return moveTo(m_maximum);
    case Qt::Key_Home:
        return moveTo(m_minimum);
    case Qt::Key_Right:
    case Qt::Key_Down:
        return moveTo(m_value + direction * m_smallStep);
    case Qt::Key_Left:
    case Qt::Key_Up:
        return moveTo(m_value - direction * m_smallStep);
    default:
        return false;
    }
}

int SliderModel::arrowY(int barTop, int barBottom) const
{
    if (m_maximum == m_minimum)
        return barTop;
    return barTop + (m_value - m_minimum) * (barBottom - barTop) / (m_maximum - m_minimum);
}

bool SliderModel::gradientReversed() const
{
    return ((styleCreated & styleGradientFromBottom) != 0 && !maxOnTop()) ||
           ((styleCreated & styleHorizontal) != 0 && maxOnTop());
}

} // namespace colourpicker
