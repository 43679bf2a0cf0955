#include "ftpclient/ftpicons.h"

#include <QPainter>
#include <QPainterPath>

namespace ftpicons {

QPixmap treeImage(TreeImage image)
{
    QPixmap pixmap(16, 15);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    switch (image) {
    case NoConnection: {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(3.5, 3), QPointF(12.5, 12));
        p.drawLine(QPointF(12.5, 3), QPointF(3.5, 12));
        break;
    }
    case Folder: {
        // Tab and body of a closed folder, outlined in dark ochre.
        const QColor edge(0x8A, 0x6A, 0x10);
        p.setPen(edge);
        p.setBrush(QColor(0xF0, 0xC8, 0x40));
        p.drawRect(1, 2, 6, 3);
        p.setBrush(QColor(0xFF, 0xDE, 0x5A));
        p.drawRect(1, 4, 13, 9);
        p.setPen(QColor(0xFF, 0xF2, 0xB0));
        p.drawLine(2, 5, 13, 5);
        break;
    }
    case File: {
        const QColor edge(0x50, 0x50, 0x50);
        p.setPen(edge);
        p.setBrush(Qt::white);
        const QPolygon sheet{QPoint(3, 1), QPoint(10, 1), QPoint(13, 4), QPoint(13, 14),
                             QPoint(3, 14)};
        p.drawPolygon(sheet);
        p.drawLine(10, 1, 10, 4);
        p.drawLine(10, 4, 13, 4);
        p.setPen(QColor(0x40, 0x60, 0xB0));
        for (int y = 6; y <= 12; y += 2)
            p.drawLine(5, y, y == 12 ? 9 : 11, y);
        break;
    }
    }
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        // A globe behind an open folder: folders of a server far away.
        p.setPen(QPen(QColor(0x1E, 0x50, 0x90), 1.5));
        p.setBrush(QColor(0x6C, 0xB4, 0xEE));
        p.drawEllipse(QRectF(2, 1, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(8, 1, 12, 24));
        p.drawLine(QPointF(2, 13), QPointF(26, 13));
        QPainterPath folder;
        folder.moveTo(10, 14);
        folder.lineTo(17, 14);
        folder.lineTo(19, 17);
        folder.lineTo(30, 17);
        folder.lineTo(30, 30);
        folder.lineTo(10, 30);
        folder.closeSubpath();
        p.setPen(QPen(QColor(0x8A, 0x6A, 0x10), 1.2));
        p.setBrush(QColor(0xFF, 0xD8, 0x50));
        p.drawPath(folder);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace ftpicons
