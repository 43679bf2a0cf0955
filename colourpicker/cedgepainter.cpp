#include "cedgepainter.h"

#include <QPainter>
#include <QPalette>
#include <QPolygon>

void CEdgePainter::drawFrame(QPainter &painter, const QPalette &palette, int left, int top,
                             int right, int bottom, int flags)
{
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor light = palette.color(QPalette::Light);
    const bool sunken = (flags & frameSunken) != 0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // From (left, bottom) up to the top, then across to right + 1.
    painter.setPen(sunken ? shadow : light);
    painter.drawLine(left, bottom, left, top + 1);
    painter.drawLine(left, top, right, top);
    // From (left + 1, bottom) across to right, then up to the top.
    painter.setPen(sunken ? light : shadow);
    painter.drawLine(left + 1, bottom, right - 1, bottom);
    painter.drawLine(right, bottom, right, top + 1);
    if ((flags & frameOutline) != 0) {
        painter.setPen(Qt::black);
        painter.drawRect(left + 1, top + 1, right - left - 2, bottom - top - 2);
    }
    painter.restore();
}

void CEdgePainter::drawTriangle(QPainter &painter, int x, int y, Triangle kind, int size,
                                const QColor &pen, const QColor &fill)
{
    const int k = size - 1;
    QPolygon corners;
    switch (kind) {
    case Triangle::Left:
        corners << QPoint(x + k, y + k) << QPoint(x + k, y - k);
        break;
    case Triangle::Up:
        corners << QPoint(x + k, y + k) << QPoint(x - k, y + k);
        break;
    case Triangle::Right:
        corners << QPoint(x - k, y - k) << QPoint(x - k, y + k);
        break;
    case Triangle::Down:
        corners << QPoint(x - k, y - k) << QPoint(x + k, y - k);
        break;
    case Triangle::CornerRightDown:
        corners << QPoint(x + k, y) << QPoint(x, y + k);
        break;
    case Triangle::CornerRightUp:
        corners << QPoint(x + k, y) << QPoint(x, y - k);
        break;
    case Triangle::CornerLeftDown:
        corners << QPoint(x - k, y) << QPoint(x, y + k);
        break;
    case Triangle::CornerLeftUp:
        corners << QPoint(x - k, y) << QPoint(x, y - k);
        break;
    default:
        return;
    }
    corners.prepend(QPoint(x, y));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(fill);
    painter.drawPolygon(corners);
    painter.restore();
}
