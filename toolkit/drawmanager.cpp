#include "drawmanager.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace toolkit {

void DrawManager::fillGradient(QPainter &painter, const QRect &rect, const QColor &start,
                               const QColor &finish, bool horizontal)
{
    if (rect.isEmpty())
        return;
    const int steps = horizontal ? rect.height() : rect.width();
    for (int i = 0; i < steps; ++i) {
        const double t = steps > 1 ? double(i) / (steps - 1) : 0.0;
        const QColor colour = blend(finish, start, t);
        const QRect line = horizontal ? QRect(rect.left(), rect.top() + i, rect.width(), 1)
                                      : QRect(rect.left() + i, rect.top(), 1, rect.height());
        painter.fillRect(line, colour);
    }
}

QColor DrawManager::blend(const QColor &a, const QColor &b, double weight)
{
    const double w = std::clamp(weight, 0.0, 1.0);
    const auto mix = [w](int x, int y) { return int(std::lround(x * w + y * (1.0 - w))); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                  mix(a.alpha(), b.alpha()));
}

} // namespace toolkit
