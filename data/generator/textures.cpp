#include "textures.h"

#include "noise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace datagen {

namespace {

constexpr double twoPi = 2 * std::numbers::pi;

struct Rgb
{
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb mix(Rgb a, Rgb b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb times(Rgb a, double k)
{
    return {a.r * k, a.g * k, a.b * k};
}

Rgb plus(Rgb a, double d)
{
    return {a.r + d, a.g + d, a.b + d};
}

QRgb toQRgb(Rgb c)
{
    const auto clamp = [](double v) {
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return qRgb(clamp(c.r), clamp(c.g), clamp(c.b));
}

QColor toQColor(Rgb c, double alpha = 1.0)
{
    QColor q = QColor::fromRgb(toQRgb(c));
    q.setAlphaF(static_cast<float>(alpha));
    return q;
}

int wrapIndex(int i, int n)
{
    const int r = i % n;
    return r < 0 ? r + n : r;
}

double wrapCoord(double x, double n)
{
    const double r = std::fmod(x, n);
    return r < 0 ? r + n : r;
}

// Every recipe draws at twice the final size; the final tile is the 2 x 2
// box average, which smooths the shape edges without touching periodicity.
class Canvas
{
public:
    explicit Canvas(int size) : m_size(size), m_image(size, size, QImage::Format_RGB32) {}

    [[nodiscard]] int size() const { return m_size; }
    QImage &image() { return m_image; }

    // Fills every pixel from f(x, y) given in canvas pixels (pixel centres).
    void fill(const std::function<Rgb(double, double)> &f)
    {
        for (int y = 0; y < m_size; ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(y));
            for (int x = 0; x < m_size; ++x)
                line[x] = toQRgb(f(x + 0.5, y + 0.5));
        }
    }

    // Runs `draw` nine times, shifted by the tile size in each direction, so
    // that anything crossing an edge comes back in on the opposite side.
    void paintWrapped(const std::function<void(QPainter &)> &draw)
    {
        QPainter p(&m_image);
        p.setRenderHint(QPainter::Antialiasing);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                p.save();
                p.translate(dx * m_size, dy * m_size);
                draw(p);
                p.restore();
            }
        }
    }

    [[nodiscard]] QImage halved() const
    {
        const int half = m_size / 2;
        QImage out(half, half, QImage::Format_RGB32);
        for (int y = 0; y < half; ++y) {
            const auto *a = reinterpret_cast<const QRgb *>(m_image.constScanLine(2 * y));
            const auto *b = reinterpret_cast<const QRgb *>(m_image.constScanLine(2 * y + 1));
            auto *o = reinterpret_cast<QRgb *>(out.scanLine(y));
            for (int x = 0; x < half; ++x) {
                const QRgb p[4] = {a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]};
                int r = 0, g = 0, bl = 0;
                for (const QRgb q : p) {
                    r += qRed(q);
                    g += qGreen(q);
                    bl += qBlue(q);
                }
                o[x] = qRgb((r + 2) / 4, (g + 2) / 4, (bl + 2) / 4);
            }
        }
        return out;
    }

private:
    int m_size;
    QImage m_image;
};

// A rectangular piece (plank, tile, brick) of a repeating layout, in canvas
// pixels. `alongX` tells which way its length (and its wood grain) runs.
struct Piece
{
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
    bool alongX = true;
    int id = 0;
};

// Which piece covers each pixel, with the pieces wrapped around the tile.
class PieceMap
{
public:
    PieceMap(int size, std::vector<Piece> pieces)
        : m_size(size), m_pieces(std::move(pieces)), m_owner(size * size, -1)
    {
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            const Piece &pc = m_pieces[i];
            const int x0 = static_cast<int>(std::ceil(pc.x - 0.5));
            const int x1 = static_cast<int>(std::ceil(pc.x + pc.w - 0.5));
            const int y0 = static_cast<int>(std::ceil(pc.y - 0.5));
            const int y1 = static_cast<int>(std::ceil(pc.y + pc.h - 0.5));
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x)
                    m_owner[wrapIndex(y, size) * size + wrapIndex(x, size)] = static_cast<int>(i);
        }
    }

    [[nodiscard]] const Piece *at(double x, double y) const
    {
        const int i = m_owner[wrapIndex(static_cast<int>(y), m_size) * m_size +
                              wrapIndex(static_cast<int>(x), m_size)];
        return i < 0 ? nullptr : &m_pieces[i];
    }

    // Position inside the piece: along its length, across it, and the
    // distance to its nearest edge, all in canvas pixels.
    struct Local
    {
        double along;
        double across;
        double length;
        double width;
        double edge;
    };

    [[nodiscard]] Local local(const Piece &pc, double x, double y) const
    {
        const double lx = wrapCoord(x - pc.x, m_size);
        const double ly = wrapCoord(y - pc.y, m_size);
        const double edge = std::min({lx, pc.w - lx, ly, pc.h - ly});
        if (pc.alongX)
            return {lx, ly, pc.w, pc.h, edge};
        return {ly, lx, pc.h, pc.w, edge};
    }

private:
    int m_size;
    std::vector<Piece> m_pieces;
    std::vector<int> m_owner;
};

// Wood of one plank: growth rings bent by noise, fine grain along the
// length, and a tone of its own so the planks do not all look alike.
Rgb woodAt(const PieceMap::Local &l, int id, Rgb light, Rgb dark, std::uint32_t seed)
{
    const double u = l.along / l.width;
    const double v = l.across / l.width;
    const std::uint32_t s = seed + 7919u * static_cast<std::uint32_t>(id);
    const double bend = periodicFbm(u * 0.35, v * 0.9, 4096, 4096, 4, s);
    const double rings =
        0.5 + 0.5 * std::sin(twoPi * (v * 2.2 + bend * 3.0 + random01(id, 1, 0, seed) * 5));
    const double grain = periodicFbm(u * 0.25, v * 12.0, 4096, 4096, 3, s + 17);
    double t = 0.55 * std::pow(rings, 4) + 0.35 * grain + 0.2 * bend - 0.1;
    t = std::clamp(t, 0.0, 1.0);
    const double tone = 0.90 + 0.16 * random01(id, 2, 0, seed);
    return times(mix(light, dark, t), tone);
}

// Darkens the pixels next to a piece's edge: the joint between planks.
Rgb joint(Rgb c, double edge, double widthPx, Rgb jointColour)
{
    if (edge < widthPx)
        return mix(jointColour, c, edge / widthPx * 0.6);
    if (edge < widthPx * 2.5)
        return times(c, 0.92 + 0.08 * (edge - widthPx) / (widthPx * 1.5));
    return c;
}

QImage planks(int size, int rows, int planksPerRow, Rgb light, Rgb dark, std::uint32_t seed)
{
    Canvas canvas(size);
    const double rowH = static_cast<double>(size) / rows;
    const double len = static_cast<double>(size) / planksPerRow;
    std::vector<Piece> pieces;
    int id = 0;
    for (int r = 0; r < rows; ++r) {
        const double shift = std::floor(random01(r, 0, 0, seed) * 8) * len / 8 + rowH * 0.37;
        for (int k = 0; k < planksPerRow; ++k)
            pieces.push_back({shift + k * len, r * rowH + rowH * 0.5, len, rowH, true, id++});
    }
    const PieceMap map(size, pieces);
    const Rgb gap = times(dark, 0.45);
    canvas.fill([&](double x, double y) {
        const Piece *pc = map.at(x, y);
        const auto l = map.local(*pc, x, y);
        return joint(woodAt(l, pc->id, light, dark, seed), l.edge, 1.6, gap);
    });
    return canvas.halved();
}

QImage herringbone(int size)
{
    // Planks of 1 x 4 units on the lattice spanned by (1, 1) and (4, -4);
    // 16 units per tile side is a multiple of that lattice in both axes.
    constexpr int plankLength = 4;
    constexpr int units = 16;
    Canvas canvas(size);
    const double w = static_cast<double>(size) / units;
    std::vector<Piece> pieces;
    std::vector<std::pair<int, int>> seen;
    int id = 0;
    for (int a = -2 * units; a < 2 * units; ++a) {
        for (int b = -units; b < units; ++b) {
            const int x = wrapIndex(a + b * plankLength, units);
            const int y = wrapIndex(a - b * plankLength, units);
            if (std::find(seen.begin(), seen.end(), std::pair{x, y}) != seen.end())
                continue;
            seen.emplace_back(x, y);
            const double ox = x * w + w * 0.5;
            const double oy = y * w + w * 0.5;
            pieces.push_back({ox, oy, plankLength * w, w, true, id++});
            pieces.push_back({ox, oy + w, w, plankLength * w, false, id++});
        }
    }
    const PieceMap map(size, pieces);
    const Rgb light{206, 160, 104};
    const Rgb dark{146, 98, 54};
    canvas.fill([&](double x, double y) {
        const Piece *pc = map.at(x, y);
        const auto l = map.local(*pc, x, y);
        return joint(woodAt(l, pc->id, light, dark, 31), l.edge, 1.5, times(dark, 0.45));
    });
    return canvas.halved();
}

QImage basketWeave(int size)
{
    constexpr int squares = 4;
    constexpr int planksPerSquare = 3;
    Canvas canvas(size);
    const double sq = static_cast<double>(size) / squares;
    const double pw = sq / planksPerSquare;
    std::vector<Piece> pieces;
    int id = 0;
    for (int j = 0; j < squares; ++j) {
        for (int i = 0; i < squares; ++i) {
            const bool horizontal = (i + j) % 2 == 0;
            for (int k = 0; k < planksPerSquare; ++k) {
                const double x0 = i * sq + sq * 0.5;
                const double y0 = j * sq + sq * 0.5;
                if (horizontal)
                    pieces.push_back({x0, y0 + k * pw, sq, pw, true, id++});
                else
                    pieces.push_back({x0 + k * pw, y0, pw, sq, false, id++});
            }
        }
    }
    const PieceMap map(size, pieces);
    const Rgb light{200, 150, 92};
    const Rgb dark{128, 84, 44};
    canvas.fill([&](double x, double y) {
        const Piece *pc = map.at(x, y);
        const auto l = map.local(*pc, x, y);
        return joint(woodAt(l, pc->id, light, dark, 57), l.edge, 1.5, times(dark, 0.45));
    });
    return canvas.halved();
}

// Square tiles with grout between them, `groutShare` of a tile's side wide;
// `tileColour` gives the face colour of the tile in column i, row j.
QImage tiles(int size, int perSide, double groutShare, Rgb grout,
             const std::function<Rgb(int, int, double, double)> &tileColour)
{
    Canvas canvas(size);
    const double t = static_cast<double>(size) / perSide;
    const double groutPx = t * groutShare;
    const double offset = t * 0.5;
    canvas.fill([&](double x, double y) {
        const double gx = wrapCoord(x - offset, size);
        const double gy = wrapCoord(y - offset, size);
        const int i = static_cast<int>(gx / t);
        const int j = static_cast<int>(gy / t);
        const double lx = gx - i * t;
        const double ly = gy - j * t;
        const double edge = std::min({lx, t - lx, ly, t - ly});
        if (edge < groutPx * 0.5)
            return grout;
        Rgb c = tileColour(i, j, x / size, y / size);
        // A soft bevel: the face lightens towards the top-left edges and
        // darkens towards the bottom-right ones.
        const double bevel = groutPx * 1.2;
        if (edge < groutPx * 0.5 + bevel) {
            const double k = 1 - (edge - groutPx * 0.5) / bevel;
            const bool lit = std::min(lx, ly) <= std::min(t - lx, t - ly);
            c = plus(c, (lit ? 10 : -14) * k);
        }
        return c;
    });
    return canvas.halved();
}

QImage whiteTiles(int size)
{
    return tiles(size, 4, 0.028, {206, 206, 200}, [](int i, int j, double u, double v) {
        const double n = periodicFbm(u * 6, v * 6, 6, 6, 4, 71);
        return plus(Rgb{244, 244, 240}, (n - 0.5) * 8 + (random01(i, j, 0, 72) - 0.5) * 5);
    });
}

QImage checkerTiles(int size)
{
    return tiles(size, 8, 0.024, {170, 170, 166}, [](int i, int j, double u, double v) {
        const double n = periodicFbm(u * 8, v * 8, 8, 8, 5, 81);
        const double veins = std::pow(1 - std::abs(std::sin(twoPi * (u * 3 + v * 2) + 6 * n)), 12);
        const bool black = (i + j) % 2 != 0;
        const Rgb base = black ? Rgb{38, 38, 42} : Rgb{236, 235, 230};
        const Rgb vein = black ? Rgb{92, 92, 98} : Rgb{196, 196, 200};
        return mix(plus(base, (n - 0.5) * 10), vein, veins * 0.6);
    });
}

QImage mosaic(int size)
{
    const Rgb palette[] = {
        {38, 110, 160}, {58, 140, 186}, {92, 170, 205}, {30, 90, 138}, {120, 192, 214}};
    return tiles(size, 32, 0.125, {232, 232, 228}, [&](int i, int j, double u, double v) {
        const int k = static_cast<int>(random01(i, j, 0, 91) * 5);
        const double n = periodicNoise(u * 64, v * 64, 64, 64, 92);
        return plus(palette[k], (n - 0.5) * 12);
    });
}

QImage terracotta(int size)
{
    return tiles(size, 4, 0.04, {196, 178, 150}, [](int i, int j, double u, double v) {
        const Rgb a{178, 88, 50};
        const Rgb b{210, 124, 74};
        const double tone = random01(i, j, 0, 101);
        const double mottle = periodicFbm(u * 10, v * 10, 10, 10, 5, 102);
        const double spots = periodicNoise(u * 60, v * 60, 60, 60, 103);
        Rgb c = mix(a, b, 0.25 + 0.5 * tone);
        c = times(c, 0.86 + 0.26 * mottle);
        if (spots > 0.8)
            c = times(c, 1 - (spots - 0.8) * 0.8);
        return c;
    });
}

QImage marble(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double u = x / size;
        const double v = y / size;
        const double turb = periodicFbm(u * 4, v * 4, 4, 4, 6, 111);
        const double clouds = periodicFbm(u * 3, v * 3, 3, 3, 4, 112);
        const double s1 = std::sin(twoPi * (2 * u + v) + 7 * turb);
        const double s2 =
            std::sin(twoPi * (u - 3 * v) + 9 * periodicFbm(u * 5, v * 5, 5, 5, 5, 113));
        const double vein1 = std::pow(1 - std::abs(s1), 14);
        const double vein2 = std::pow(1 - std::abs(s2), 30);
        Rgb c = plus(Rgb{238, 236, 232}, (clouds - 0.5) * 14);
        c = mix(c, Rgb{150, 150, 156}, vein1 * 0.65);
        c = mix(c, Rgb{176, 172, 168}, vein2 * 0.5);
        return c;
    });
    return canvas.halved();
}

QImage grass(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double u = x / size;
        const double v = y / size;
        const double n = periodicFbm(u * 6, v * 6, 6, 6, 5, 121);
        const double fine = periodicNoise(u * 128, v * 128, 128, 128, 122);
        return plus(mix(Rgb{64, 112, 38}, Rgb{108, 156, 58}, n), (fine - 0.5) * 18);
    });
    const int blades = size * size / 160;
    canvas.paintWrapped([&](QPainter &p) {
        for (int i = 0; i < blades; ++i) {
            const double x = random01(i, 0, 0, 123) * size;
            const double y = random01(i, 1, 0, 123) * size;
            const double len = size / 100.0 * (1 + 1.4 * random01(i, 2, 0, 123));
            const double ang = (random01(i, 3, 0, 123) - 0.5) * 1.4;
            const double shade = random01(i, 4, 0, 123);
            const Rgb c = mix(Rgb{44, 86, 26}, Rgb{150, 196, 84}, shade);
            QPen pen(toQColor(c, 0.75), size / 420.0);
            pen.setCapStyle(Qt::RoundCap);
            p.setPen(pen);
            p.drawLine(QPointF(x, y), QPointF(x + std::sin(ang) * len, y - std::cos(ang) * len));
        }
    });
    return canvas.halved();
}

QImage gravel(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double n = periodicNoise(x / size * 64, y / size * 64, 64, 64, 131);
        return plus(Rgb{96, 90, 82}, (n - 0.5) * 20);
    });
    const int stones = size * size / 380;
    canvas.paintWrapped([&](QPainter &p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < stones; ++i) {
            const double x = random01(i, 0, 0, 132) * size;
            const double y = random01(i, 1, 0, 132) * size;
            const double rx = size / 60.0 * (0.6 + 0.8 * random01(i, 2, 0, 132));
            const double ry = rx * (0.55 + 0.4 * random01(i, 3, 0, 132));
            const double rot = random01(i, 4, 0, 132) * 180;
            const double tone = random01(i, 5, 0, 132);
            const double warm = random01(i, 6, 0, 132);
            const Rgb base = mix(mix(Rgb{150, 148, 144}, Rgb{214, 206, 190}, tone),
                                 Rgb{196, 170, 136}, warm * 0.4);
            p.save();
            p.translate(x, y);
            p.rotate(rot);
            p.setBrush(toQColor(Rgb{40, 36, 32}, 0.45));
            p.drawEllipse(QPointF(rx * 0.18, ry * 0.22), rx, ry);
            QRadialGradient g(QPointF(-rx * 0.35, -ry * 0.35), rx * 1.3);
            g.setColorAt(0, toQColor(plus(base, 26)));
            g.setColorAt(0.6, toQColor(base));
            g.setColorAt(1, toQColor(times(base, 0.7)));
            p.setBrush(g);
            p.drawEllipse(QPointF(0, 0), rx, ry);
            p.restore();
        }
    });
    return canvas.halved();
}

QImage bricks(int size)
{
    constexpr int rows = 16;
    constexpr int perRow = 4;
    Canvas canvas(size);
    const double h = static_cast<double>(size) / rows;
    const double w = static_cast<double>(size) / perRow;
    std::vector<Piece> pieces;
    int id = 0;
    for (int r = 0; r < rows; ++r) {
        const double shift = (r % 2) * w * 0.5 + w * 0.3;
        for (int k = 0; k < perRow; ++k)
            pieces.push_back({shift + k * w, r * h + h * 0.4, w, h, true, id++});
    }
    const PieceMap map(size, pieces);
    const double mortar = size / 128.0;
    canvas.fill([&](double x, double y) {
        const Piece *pc = map.at(x, y);
        const auto l = map.local(*pc, x, y);
        const double u = x / size;
        const double v = y / size;
        if (l.edge < mortar) {
            const double n = periodicNoise(u * 96, v * 96, 96, 96, 141);
            return plus(Rgb{188, 182, 170}, (n - 0.5) * 22);
        }
        const double tone = random01(pc->id, 0, 0, 142);
        Rgb c = mix(Rgb{150, 62, 42}, Rgb{196, 100, 66}, tone);
        c = mix(c, Rgb{110, 58, 48}, random01(pc->id, 1, 0, 142) > 0.85 ? 0.4 : 0.0);
        const double n = periodicFbm(u * 16, v * 16, 16, 16, 5, 143);
        c = times(c, 0.84 + 0.3 * n);
        if (l.edge < mortar * 2.2)
            c = times(c, 0.86 + 0.14 * (l.edge - mortar) / (mortar * 1.2));
        return c;
    });
    return canvas.halved();
}

QImage concrete(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double u = x / size;
        const double v = y / size;
        const double clouds = periodicFbm(u * 4, v * 4, 4, 4, 6, 151);
        const double fine = random01(wrapIndex(static_cast<int>(x), size),
                                     wrapIndex(static_cast<int>(y), size), 0, 152);
        return plus(Rgb{166, 166, 161}, (clouds - 0.5) * 34 + (fine - 0.5) * 12);
    });
    const int pores = size * size / 700;
    canvas.paintWrapped([&](QPainter &p) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < pores; ++i) {
            const double x = random01(i, 0, 0, 153) * size;
            const double y = random01(i, 1, 0, 153) * size;
            const double r = size / 900.0 * (0.6 + 1.8 * random01(i, 2, 0, 153));
            p.setBrush(toQColor(Rgb{92, 92, 90}, 0.35 + 0.35 * random01(i, 3, 0, 153)));
            p.drawEllipse(QPointF(x, y), r, r);
        }
    });
    return canvas.halved();
}

QImage carpet(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double u = x / size;
        const double v = y / size;
        const double broad = periodicFbm(u * 5, v * 5, 5, 5, 4, 161);
        const double pile = random01(wrapIndex(static_cast<int>(x), size),
                                     wrapIndex(static_cast<int>(y), size), 0, 162);
        const double loops = periodicNoise(u * 170, v * 170, 170, 170, 163);
        return plus(Rgb{112, 122, 140},
                    (broad - 0.5) * 14 + (pile - 0.5) * 26 + (loops - 0.5) * 18);
    });
    return canvas.halved();
}

// Stones of a periodic Voronoi diagram: each stone is the region nearest to
// one site; the joints are the pixels close to the border between two
// regions. Sites are either scattered at random or jittered on a grid.
QImage voronoiStones(int size, int sites, double jointWidth, Rgb jointColour, Rgb a, Rgb b,
                     std::uint32_t seed, bool jitteredGrid)
{
    struct Site
    {
        double u;
        double v;
        int index;
    };
    const int n = jitteredGrid ? static_cast<int>(std::lround(std::sqrt(sites))) : 0;
    std::vector<Site> pts;
    if (jitteredGrid) {
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < n; ++i)
                pts.push_back({(i + 0.3 + 0.4 * random01(i, j, 0, seed)) / n,
                               (j + 0.3 + 0.4 * random01(i, j, 1, seed)) / n, j * n + i});
    } else {
        for (int i = 0; i < sites; ++i)
            pts.push_back({random01(i, 0, 0, seed), random01(i, 1, 0, seed), i});
    }
    // The sites (shifted by whole tiles where needed) that can be nearest to
    // a point: on a grid the 5 x 5 cells around it, otherwise all of them.
    const auto candidates = [&](double u, double v, std::vector<Site> &out) {
        out.clear();
        if (jitteredGrid) {
            const int ci = static_cast<int>(std::floor(u * n));
            const int cj = static_cast<int>(std::floor(v * n));
            for (int dj = -2; dj <= 2; ++dj) {
                for (int di = -2; di <= 2; ++di) {
                    const int i = ci + di;
                    const int j = cj + dj;
                    const Site &s = pts[wrapIndex(j, n) * n + wrapIndex(i, n)];
                    out.push_back({s.u + std::floor(static_cast<double>(i) / n),
                                   s.v + std::floor(static_cast<double>(j) / n), s.index});
                }
            }
            return;
        }
        for (const Site &s : pts)
            for (int oy = -1; oy <= 1; ++oy)
                for (int ox = -1; ox <= 1; ++ox)
                    out.push_back({s.u + ox, s.v + oy, s.index});
    };
    Canvas canvas(size);
    std::vector<Site> near;
    canvas.fill([&](double x, double y) {
        // Bend the coordinates a little so the joints are not ruler-straight.
        // On a grid the joints would gather on the tile's edges: look half a
        // cell further on.
        const double shift = jitteredGrid ? 0.5 / n : 0.0;
        const double u0 = x / size;
        const double v0 = y / size;
        const double u = wrapCoord(
            u0 + shift + 0.012 * (periodicFbm(u0 * 8, v0 * 8, 8, 8, 3, seed + 1) - 0.5), 1.0);
        const double v = wrapCoord(
            v0 + shift + 0.012 * (periodicFbm(u0 * 8, v0 * 8, 8, 8, 3, seed + 2) - 0.5), 1.0);
        candidates(u, v, near);
        std::size_t best = 0;
        double bestD = 1e9;
        for (std::size_t k = 0; k < near.size(); ++k) {
            const double d = (u - near[k].u) * (u - near[k].u) + (v - near[k].v) * (v - near[k].v);
            if (d < bestD) {
                bestD = d;
                best = k;
            }
        }
        // Distance to the nearest border: for each other site, the distance
        // to the bisector between it and the nearest site.
        double edge = 1e9;
        for (std::size_t k = 0; k < near.size(); ++k) {
            if (k == best)
                continue;
            const double dx = near[k].u - near[best].u;
            const double dy = near[k].v - near[best].v;
            const double len = std::sqrt(dx * dx + dy * dy);
            if (len < 1e-9)
                continue;
            const double dk = (u - near[k].u) * (u - near[k].u) + (v - near[k].v) * (v - near[k].v);
            edge = std::min(edge, (dk - bestD) / (2 * len));
        }
        if (edge < jointWidth) {
            const double noise = periodicNoise(u0 * 80, v0 * 80, 80, 80, seed + 3);
            return plus(jointColour, (noise - 0.5) * 16);
        }
        const double tone = random01(near[best].index, 0, 0, seed + 4);
        const double mottle = periodicFbm(u0 * 12, v0 * 12, 12, 12, 5, seed + 5);
        Rgb c = times(mix(a, b, tone), 0.85 + 0.28 * mottle);
        if (edge < jointWidth * 2.5)
            c = times(c, 0.8 + 0.2 * (edge - jointWidth) / (jointWidth * 1.5));
        return c;
    });
    return canvas.halved();
}

QImage flagstones(int size)
{
    return voronoiStones(size, 34, 0.006, {118, 112, 102}, {168, 158, 138}, {214, 204, 182}, 171,
                         false);
}

QImage porphyry(int size)
{
    return voronoiStones(size, 144, 0.005, {104, 96, 86}, {112, 84, 80}, {158, 128, 116}, 181,
                         true);
}

QImage decking(int size)
{
    constexpr int boards = 8;
    Canvas canvas(size);
    const double h = static_cast<double>(size) / boards;
    std::vector<Piece> pieces;
    int id = 0;
    for (int r = 0; r < boards; ++r) {
        const double shift = std::floor(random01(r, 0, 0, 191) * 4) * size / 4.0 + size * 0.13;
        pieces.push_back({shift, r * h + h * 0.3, static_cast<double>(size), h, true, id++});
    }
    const PieceMap map(size, pieces);
    const Rgb light{164, 110, 70};
    const Rgb dark{112, 68, 40};
    const double gap = size / 260.0;
    canvas.fill([&](double x, double y) {
        const Piece *pc = map.at(x, y);
        const auto l = map.local(*pc, x, y);
        if (l.edge < gap)
            return Rgb{72, 52, 38};
        Rgb c = woodAt(l, pc->id, light, dark, 192);
        // Ribbed surface: shallow grooves along the board.
        const double rib = 0.5 + 0.5 * std::cos(twoPi * l.across / (l.width / 7));
        c = times(c, 0.9 + 0.1 * rib);
        if (l.edge < gap * 2.5)
            c = times(c, 0.85);
        return c;
    });
    return canvas.halved();
}

QImage water(int size)
{
    Canvas canvas(size);
    canvas.fill([&](double x, double y) {
        const double u = x / size;
        const double v = y / size;
        const double n1 = periodicFbm(u * 5, v * 5, 5, 5, 4, 201);
        const double n2 = periodicFbm(u * 7 + 3, v * 7 + 1, 7, 7, 4, 202);
        const double ridge1 = std::pow(1 - std::abs(2 * n1 - 1), 10);
        const double ridge2 = std::pow(1 - std::abs(2 * n2 - 1), 12);
        const double depth = periodicFbm(u * 2, v * 2, 2, 2, 3, 203);
        Rgb c = mix(Rgb{46, 138, 190}, Rgb{78, 170, 214}, depth);
        c = mix(c, Rgb{214, 242, 252}, std::min(1.0, ridge1 * 0.7 + ridge2 * 0.55));
        return c;
    });
    return canvas.halved();
}

struct Recipe
{
    const char *name;
    QImage (*make)(int);
};

const std::vector<Recipe> &recipes()
{
    static const std::vector<Recipe> all = {
        {"Parquet di rovere a listoni",
         [](int s) {
             return planks(s, 8, 2, {216, 178, 124}, {162, 114, 64}, 11);
         }},
        {"Parquet a spina di pesce", herringbone},
        {"Parquet a quadrotti", basketWeave},
        {"Parquet di noce",
         [](int s) {
             return planks(s, 8, 3, {150, 100, 64}, {86, 54, 32}, 21);
         }},
        {"Piastrelle bianche", whiteTiles},
        {"Piastrelle a scacchiera", checkerTiles},
        {"Mosaico azzurro", mosaic},
        {"Marmo bianco", marble},
        {"Cotto", terracotta},
        {"Prato", grass},
        {"Ghiaia", gravel},
        {"Mattoni", bricks},
        {"Cemento", concrete},
        {"Moquette", carpet},
        {"Pietra a opus incertum", flagstones},
        {"Porfido a cubetti", porphyry},
        {"Doghe in legno per esterni", decking},
        {"Acqua", water},
    };
    return all;
}

} // namespace

QStringList textureNames()
{
    QStringList names;
    for (const Recipe &r : recipes())
        names << QString::fromUtf8(r.name);
    return names;
}

QImage makeTexture(const QString &name, int size)
{
    for (const Recipe &r : recipes()) {
        if (name == QString::fromUtf8(r.name))
            return r.make(size * 2);
    }
    return {};
}

} // namespace datagen
