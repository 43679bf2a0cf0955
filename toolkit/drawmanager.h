#pragma once

#include "toolkit/toolkitglobal.h"

#include <QColor>
#include <QRect>

class QPainter;

namespace toolkit {

// Drawing helpers shared by the looks.
class TOOLKIT_EXPORT DrawManager
{
public:
    // Fills the rectangle with colours running evenly from `start` to
    // `finish`, one line at a time: with `horizontal` the first row has
    // `start` and the last row `finish` (the fill of a bar lying along the
    // top or bottom edge); otherwise the first column has `start` and the
    // last column `finish`.
    static void fillGradient(QPainter &painter, const QRect &rect, const QColor &start,
                             const QColor &finish, bool horizontal);
    // `a` weighted by `weight` (0 to 1) against `b`.
    [[nodiscard]] static QColor blend(const QColor &a, const QColor &b, double weight);
};

} // namespace toolkit
