#include "svgicon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace toolkit {

QIcon iconFromSvg(const QByteArray &body)
{
    const QByteArray svg =
        "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 24 24' width='24' height='24'>" +
        body + "</svg>";
    QSvgRenderer renderer(svg);
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon tableIcon(std::span<const SvgIconSource> table, int id, QHash<int, QIcon> &cache)
{
    if (const auto it = cache.constFind(id); it != cache.constEnd())
        return *it;
    QIcon icon;
    for (const SvgIconSource &source : table) {
        if (source.id == id) {
            icon = iconFromSvg(QByteArray(source.body));
            break;
        }
    }
    cache.insert(id, icon);
    return icon;
}

} // namespace toolkit
