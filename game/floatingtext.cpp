#include "floatingtext.h"

#include <algorithm>

namespace game {

void FloatingText::start(const QString &text, QPoint pos)
{
    m_text = text;
    m_pos = pos;
    m_grey = 255;
    m_visible = true;
}

bool FloatingText::tick()
{
    if (m_counter == 0)
        m_counter = 11;
    --m_counter;
    if (m_counter == 0) {
        m_visible = false;
        return false;
    }
    m_grey = std::min(255, m_counter * 25 + 50);
    m_pos += QPoint(m_counter % 2 == 1 ? -1 : 4, -5);
    return true;
}

} // namespace game
