#include "tilepictures.h"

#include "tilegrid.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

using game::Banner;
using game::TileGrid;
using game::TileKind;

namespace {

constexpr int tilePx = TileGrid::cellSizePx;

// The five tile colours, in the order of their numbers.
const std::array<QColor, 5> tileColours = {
    QColor(226, 45, 45),  // red
    QColor(52, 178, 68),  // green
    QColor(46, 104, 226), // blue
    QColor(250, 204, 30), // yellow
    QColor(204, 58, 196)  // magenta
};

QFont pictureFont(int pixelSize, int weight = QFont::Bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixelSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

QPixmap blank(QSizeF size, qreal dpr)
{
    QPixmap pixmap((size * dpr).toSize());
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPainterPath tileShape(qreal inset = 0.5)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(inset, inset, tilePx - 2 * inset, tilePx - 2 * inset), 4.5, 4.5);
    return path;
}

// A rounded, glossy tile body in one colour: light at the top, deep at the
// bottom, a dark rim and a shine across the upper half.
void paintTileBody(QPainter &p, const QColor &base, bool gloss = true)
{
    QLinearGradient fill(0, 0, 0, tilePx);
    fill.setColorAt(0.0, base.lighter(150));
    fill.setColorAt(0.45, base);
    fill.setColorAt(1.0, base.darker(150));
    p.setPen(QPen(base.darker(220), 1.0));
    p.setBrush(fill);
    p.drawPath(tileShape());
    if (!gloss)
        return;
    QLinearGradient shine(0, 2, 0, 12);
    shine.setColorAt(0.0, QColor(255, 255, 255, 170));
    shine.setColorAt(1.0, QColor(255, 255, 255, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(3, 2, tilePx - 6, 9), 3.5, 3.5);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(QRectF(4.5, 3.5, 3, 2.5));
}

QPixmap colourTile(const QColor &base, qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintTileBody(p, base);
    return pixmap;
}

QPixmap bombTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintTileBody(p, QColor(176, 190, 204), false);
    // The bomb: a black ball with a shine, a fuse and a spark.
    QRadialGradient ball(QPointF(10, 12), 9, QPointF(9, 11));
    ball.setColorAt(0.0, QColor(110, 110, 120));
    ball.setColorAt(0.35, QColor(40, 40, 48));
    ball.setColorAt(1.0, QColor(8, 8, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(11, 14), 7, 7);
    p.setBrush(QColor(60, 60, 70));
    p.drawRect(QRectF(13.5, 5.5, 3.5, 3.5));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(8.5, 11.5), 1.8, 1.4);
    p.setPen(QPen(QColor(140, 100, 50), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath fuse(QPointF(15.5, 6));
    fuse.quadTo(QPointF(17, 2.5), QPointF(19.5, 4));
    p.drawPath(fuse);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 150, 20));
    QPolygonF spark;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 3.4 : 1.3;
        const double a = i * M_PI / 5;
        spark << QPointF(20 + r * std::cos(a), 4 + r * std::sin(a));
    }
    p.drawPolygon(spark);
    p.setBrush(QColor(255, 245, 160));
    p.drawEllipse(QPointF(20, 4), 1.2, 1.2);
    return pixmap;
}

QPixmap fillerTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(96, 96, 96), 1.0));
    p.setBrush(QColor(150, 150, 150));
    p.drawPath(tileShape());
    p.setPen(QPen(QColor(176, 176, 176), 1.0));
    p.drawLine(QPointF(4, 3.5), QPointF(20, 3.5));
    return pixmap;
}

QPixmap lightningTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintTileBody(p, QColor(70, 40, 150), false);
    const QPolygonF bolt = {QPointF(14, 2.5),   QPointF(6, 13.5), QPointF(11, 13.5),
                            QPointF(8.5, 21.5), QPointF(18, 9.5), QPointF(12.5, 9.5),
                            QPointF(15.5, 2.5)};
    p.setPen(QPen(QColor(255, 255, 255), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 2, 0, 22);
    fill.setColorAt(0, QColor(255, 250, 170));
    fill.setColorAt(1, QColor(255, 190, 20));
    p.setBrush(fill);
    p.drawPolygon(bolt);
    return pixmap;
}

// Red and green quarters in a checkerboard: what the tile turns the field into.
QPixmap twoColourTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(tileShape());
    const qreal half = tilePx / 2.0;
    for (int quarter = 0; quarter < 4; ++quarter) {
        const QColor base = tileColours[quarter == 0 || quarter == 3 ? 0 : 1];
        const QRectF area((quarter % 2) * half, (quarter / 2) * half, half, half);
        QLinearGradient fill(0, area.top(), 0, area.bottom());
        fill.setColorAt(0, base.lighter(145));
        fill.setColorAt(1, base.darker(125));
        p.fillRect(area, fill);
    }
    p.setClipping(false);
    p.setPen(QPen(QColor(70, 40, 20), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tileShape());
    QLinearGradient shine(0, 2, 0, 12);
    shine.setColorAt(0.0, QColor(255, 255, 255, 160));
    shine.setColorAt(1.0, QColor(255, 255, 255, 15));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(QRectF(3, 2, tilePx - 6, 9), 3.5, 3.5);
    return pixmap;
}

QPixmap blackTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, tilePx);
    fill.setColorAt(0, QColor(70, 70, 76));
    fill.setColorAt(0.5, QColor(22, 22, 26));
    fill.setColorAt(1, QColor(4, 4, 6));
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.setBrush(fill);
    p.drawPath(tileShape());
    p.setPen(QPen(QColor(120, 120, 130), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2.5, 2.5, tilePx - 5, tilePx - 5), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRoundedRect(QRectF(3, 3, tilePx - 6, 6), 2.5, 2.5);
    return pixmap;
}

QPixmap emptySlotTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, tilePx, tilePx), QColor(112, 112, 112));
    p.setPen(QPen(QColor(88, 88, 88), 1.0));
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(QRectF(0.5, 0.5, tilePx - 1, tilePx - 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 170, 170));
    p.drawEllipse(QPointF(tilePx / 2.0, tilePx / 2.0), 2, 2);
    return pixmap;
}

// A burst of light where a tile has just gone.
QPixmap sparkleTile(qreal dpr)
{
    QPixmap pixmap = blank(QSizeF(tilePx, tilePx), dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(12, 12), 11);
    glow.setColorAt(0, QColor(255, 255, 220, 200));
    glow.setColorAt(0.5, QColor(255, 220, 120, 90));
    glow.setColorAt(1, QColor(255, 200, 80, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(12, 12), 11, 11);
    const auto star = [&p](QPointF centre, double outer, double inner, const QColor &colour) {
        QPolygonF shape;
        for (int i = 0; i < 8; ++i) {
            const double r = i % 2 == 0 ? outer : inner;
            const double a = i * M_PI / 4 - M_PI / 2;
            shape << centre + QPointF(r * std::cos(a), r * std::sin(a));
        }
        p.setBrush(colour);
        p.drawPolygon(shape);
    };
    star(QPointF(12, 12), 10, 2.2, QColor(255, 255, 255));
    star(QPointF(5, 5), 3.5, 0.9, QColor(255, 240, 150));
    star(QPointF(19, 18), 3.5, 0.9, QColor(255, 240, 150));
    star(QPointF(19, 5.5), 2.5, 0.7, QColor(255, 255, 255));
    return pixmap;
}

// Text with a dark outline, filled with the given brush.
void paintOutlinedText(QPainter &p, const QString &text, const QFont &font, QPointF baseline,
                       const QBrush &fill, const QColor &outline, qreal outlineWidth)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QPixmap bannerPicture(const QString &text, const QColor &base, qreal dpr)
{
    const QFont font = pictureFont(24);
    const QFontMetricsF metrics(font);
    const qreal width = std::min<qreal>(272, metrics.horizontalAdvance(text) + 44);
    const QSizeF size(width, 58);
    QPixmap pixmap = blank(size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(2, 2, size.width() - 4, size.height() - 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(box.translated(0, 3), 14, 14);
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, base.lighter(160));
    fill.setColorAt(0.5, base);
    fill.setColorAt(1, base.darker(140));
    p.setPen(QPen(QColor(255, 255, 255), 2.5));
    p.setBrush(fill);
    p.drawRoundedRect(box, 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawRoundedRect(QRectF(box.left() + 5, box.top() + 4, box.width() - 10, box.height() / 2 - 4),
                      10, 10);
    const qreal textWidth = metrics.horizontalAdvance(text);
    const QPointF baseline(box.center().x() - textWidth / 2,
                           box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    paintOutlinedText(p, text, font, baseline, QColor(255, 255, 255), base.darker(250), 4);
    return pixmap;
}

QPixmap titlePicture(qreal dpr)
{
    const QSizeF size(288, 64);
    QPixmap pixmap = blank(size, dpr);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QString title = QStringLiteral("Rubblefall");
    QFont font = pictureFont(46, QFont::Black);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QFontMetricsF metrics(font);
    // Shrink the letters until the word fits, whatever face stands in for Tahoma.
    while (metrics.horizontalAdvance(title) > size.width() - 16 && font.pixelSize() > 20) {
        font.setPixelSize(font.pixelSize() - 1);
        metrics = QFontMetricsF(font);
    }
    qreal x = (size.width() - metrics.horizontalAdvance(title)) / 2;
    const qreal baseline = (size.height() + metrics.ascent() - metrics.descent()) / 2 + 1;
    for (int i = 0; i < title.size(); ++i) {
        const QString letter = title.mid(i, 1);
        const QColor base = tileColours[static_cast<std::size_t>(i % 5)];
        // Every other letter sits a little lower, as if still falling.
        const qreal drop = i % 2 == 0 ? -2 : 2;
        QPainterPath shadow;
        shadow.addText(QPointF(x + 2, baseline + drop + 3), font, letter);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawPath(shadow);
        QLinearGradient fill(0, baseline - metrics.ascent() + drop, 0, baseline + drop);
        fill.setColorAt(0, base.lighter(165));
        fill.setColorAt(0.55, base);
        fill.setColorAt(1, base.darker(150));
        paintOutlinedText(p, letter, font, QPointF(x, baseline + drop), fill, QColor(30, 30, 60),
                          4);
        x += metrics.horizontalAdvance(letter);
    }
    return pixmap;
}

} // namespace

TilePictures::TilePictures(qreal dpr)
{
    m_tiles[emptySlot] = emptySlotTile(dpr);
    for (std::size_t i = 0; i < tileColours.size(); ++i)
        m_tiles[i + 1] = colourTile(tileColours[i], dpr);
    m_tiles[6] = bombTile(dpr);
    m_tiles[7] = fillerTile(dpr);
    m_tiles[8] = lightningTile(dpr);
    m_tiles[9] = twoColourTile(dpr);
    m_tiles[10] = blackTile(dpr);
    m_tiles[sparkle] = sparkleTile(dpr);

    const auto tr = [](const char *text) {
        return QCoreApplication::translate("TilePictures", text);
    };
    m_banners[0] = bannerPicture(tr("Partita Finita"), QColor(200, 40, 40), dpr);
    m_banners[1] = bannerPicture(tr("Pausa"), QColor(40, 96, 200), dpr);
    m_banners[2] = bannerPicture(tr("Livello Superato"), QColor(40, 160, 60), dpr);
    m_banners[3] = bannerPicture(tr("Complimenti"), QColor(230, 150, 20), dpr);
    m_title = titlePicture(dpr);
}

const QPixmap &TilePictures::tile(int index) const
{
    if (index < 0 || index >= tileCount)
        return m_none;
    return m_tiles[static_cast<std::size_t>(index)];
}

int TilePictures::pictureIndexOf(int cell)
{
    switch (TileGrid::kindOf(cell)) {
    case TileKind::Empty:
        return -1;
    case TileKind::Normal: {
        const int colour = TileGrid::colourOf(cell);
        return colour >= 1 && colour <= 5 ? colour : 7;
    }
    case TileKind::Bomb:
        return 6;
    case TileKind::Filler:
        return 7;
    case TileKind::Lightning:
        return 8;
    case TileKind::TwoColour:
        return 9;
    case TileKind::Black:
        return 10;
    }
    return 7;
}

const QPixmap &TilePictures::cellPicture(int cell) const
{
    return tile(pictureIndexOf(cell));
}

const QPixmap &TilePictures::banner(Banner banner) const
{
    switch (banner) {
    case Banner::GameOver:
        return m_banners[0];
    case Banner::Pause:
        return m_banners[1];
    case Banner::LevelPassed:
        return m_banners[2];
    case Banner::Congratulations:
        return m_banners[3];
    case Banner::None:
        break;
    }
    return m_none;
}
