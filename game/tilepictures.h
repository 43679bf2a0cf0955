#pragma once

#include "gamesession.h"

#include <QPixmap>

#include <array>

// The game's pictures, drawn once when the window is made: the tiles (index
// 0 the empty preview slot, 1-5 the colours red, green, blue, yellow and
// magenta, 6 bomb, 7 grey filler, 8 lightning, 9 two-colour tile, 10 black
// tile, 11 the sparkle of a removed tile), the four banners and the title.
// Tiles are 24x24 pixels; every picture is drawn at the screen's pixel ratio.
class TilePictures
{
public:
    static constexpr int tileCount = 12;
    static constexpr int emptySlot = 0;
    static constexpr int sparkle = 11;

    explicit TilePictures(qreal devicePixelRatio = 1.0);

    [[nodiscard]] const QPixmap &tile(int index) const;
    // The picture of a cell value; empty cells have none (a null pixmap).
    [[nodiscard]] const QPixmap &cellPicture(int cell) const;
    [[nodiscard]] static int pictureIndexOf(int cell);
    [[nodiscard]] const QPixmap &banner(game::Banner banner) const;
    [[nodiscard]] const QPixmap &title() const { return m_title; }

private:
    std::array<QPixmap, tileCount> m_tiles;
    std::array<QPixmap, 4> m_banners;
    QPixmap m_title;
    QPixmap m_none;
};
