#include "svgpicture.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace datagen {

namespace {

QImage render(QSvgRenderer &renderer, QSize size, const QColor &background)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background.isValid() ? background : QColor(Qt::transparent));
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
    p.end();
    return image;
}

bool load(QSvgRenderer &renderer, const QString &svgPath, QString *error)
{
    if (renderer.load(svgPath) && renderer.isValid() && !renderer.viewBoxF().isEmpty())
        return true;
    if (error)
        *error = QStringLiteral("%1: disegno SVG non valido o senza viewBox").arg(svgPath);
    return false;
}

} // namespace

QImage renderScaled(const QString &svgPath, double pixelsPerUnit, const QColor &background,
                    QString *error)
{
    QSvgRenderer renderer;
    if (!load(renderer, svgPath, error))
        return {};
    const QRectF box = renderer.viewBoxF();
    const QSize size(static_cast<int>(std::lround(box.width() * pixelsPerUnit)),
                     static_cast<int>(std::lround(box.height() * pixelsPerUnit)));
    return render(renderer, size, background);
}

QImage renderSized(const QString &svgPath, QSize size, const QColor &background, QString *error)
{
    QSvgRenderer renderer;
    if (!load(renderer, svgPath, error))
        return {};
    return render(renderer, size, background);
}

} // namespace datagen
