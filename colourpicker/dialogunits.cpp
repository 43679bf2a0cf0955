#include "dialogunits.h"

#include <QFont>
#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont &font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max(1, (letters / 26 + 1) / 2);
    m_baseY = std::max(1, metrics.height());
}

int DialogUnits::x(int units) const
{
    return (units * m_baseX + 2) / 4;
}

int DialogUnits::y(int units) const
{
    return (units * m_baseY + 4) / 8;
}

QRect DialogUnits::rect(int left, int top, int width, int height) const
{
    const int l = x(left);
    const int t = y(top);
    return {l, t, x(left + width) - l, y(top + height) - t};
}
