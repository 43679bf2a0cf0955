#pragma once

#include <QPoint>
#include <QString>

namespace game {

// The points text that floats up from a click and fades to grey. One text at
// a time: a new one takes over the text, the place and the running count.
class FloatingText
{
public:
    static constexpr int tickMs = 100;

    // Shows the text at pos, white; the caller starts the ticks.
    void start(const QString &text, QPoint pos);
    // One tick: returns false when the text is done (the ticks stop and the
    // text is hidden).
    bool tick();

    [[nodiscard]] const QString &text() const { return m_text; }
    [[nodiscard]] QPoint pos() const { return m_pos; }
    // The text's grey level, 255 for white.
    [[nodiscard]] int grey() const { return m_grey; }
    [[nodiscard]] bool isVisible() const { return m_visible; }

private:
    QString m_text;
    QPoint m_pos;
    int m_grey = 255;
    bool m_visible = false;
    int m_counter = 0; // kept between texts
};

} // namespace game
