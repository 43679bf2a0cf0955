// How every drawing object paints itself into the drawing context. World
// units are sheet millimetres, x to the right and y downwards.

#include "model/cdomoradoc.h"
#include "model/cdrawimage.h"
#include "model/cdrawitem.h"
#include "model/cdrawobj.h"
#include "model/cdrawoleobj.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "model/coordinates.h"
#include "model/openingsymbol.h"
#include "model/renderbrush.h"
#include "model/renderoptions.h"
#include "model/rendertext.h"

#include "graphics/context.h"
#include "graphics/hatch.h"
#include "graphics/insetband.h"

#include <QBuffer>
#include <QImageReader>
#include <QLineF>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

using graphics::Argb;
using graphics::Brush;
using graphics::Pen;

namespace {

constexpr Argb red = 0xFFFF0000;
constexpr Argb blue = 0xFF0000FF;
constexpr Argb black = 0xFF000000;
constexpr Argb white = 0xFFFFFFFF;

// Comment notes.
constexpr int noteAlpha = 150;
constexpr int noteAlphaLowColour = 50; // displays of 8 bits per pixel or less
// Room captions keep this far from the room's bounding box on every side.
constexpr int roomCaptionInsetMm = 8;

QRectF normalizedRect(const geokit::Rect &r)
{
    geokit::Rect n = r;
    n.normalize();
    return QRectF(n.left, n.top, n.width(), n.height());
}

// Whether an object can show at all; `marginMm` covers what it paints
// beyond its position (sizes of doors, caps, shadows, marks).
bool showsAt(const graphics::Context &g, const geokit::Rect &position, double marginMm)
{
    return g.isVisible(normalizedRect(position).adjusted(-marginMm, -marginMm, marginMm, marginMm));
}

QPointF toQt(geokit::Point p)
{
    return QPointF(p.x, p.y);
}

QPointF toQt(geokit::PointF p)
{
    return QPointF(p.x, p.y);
}

QPolygonF toPolygon(const std::vector<geokit::PointF> &points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const geokit::PointF &p : points)
        polygon.append(toQt(p));
    return polygon;
}

Argb withAlpha(Argb rgb, int alpha)
{
    return (static_cast<Argb>(alpha) << 24) | (rgb & 0x00FFFFFF);
}

Pen pen(Argb color, double width, graphics::LineCap caps = graphics::LineCap::Flat)
{
    Pen p(color, width);
    p.setLineCap(caps, caps);
    return p;
}

// A rectangle primitive or text box of no width or height: a small grey
// hatched box at its top-left corner.
void drawPlaceholder(graphics::Context &g, const QRectF &rect)
{
    const QRectF box(rect.left(), rect.top(), std::max(rect.width(), 5.0),
                     std::max(rect.height(), 5.0));
    g.fillRectangle(Brush::hatch(static_cast<int>(graphics::HatchStyle::LightDownwardDiagonal),
                                 0xFF808080, white),
                    box);
    g.drawRectangle(Pen(0x50000000, 0.5), box);
}

// The vertex and wall numbers of a selected room: blue numbers of 3 points at
// the device's resolution, each in a small circle.
void drawNumberMark(graphics::Context &g, QPointF centre, int number)
{
    graphics::LogFont lf;
    lf.faceName = QStringLiteral("Arial");
    lf.height = -static_cast<int>(std::lround(3.0 * g.device().dpiY / 72.0));
    const graphics::Font font(lf);
    const double radius = font.emHeight() * 0.7;
    g.fillEllipse(Brush::solid(0xC0FFFFFF),
                  QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    g.drawEllipse(Pen(blue, 0.2),
                  QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius));
    graphics::StringFormat centred;
    centred.alignment = graphics::StringAlignment::Center;
    centred.lineAlignment = graphics::StringAlignment::Center;
    g.drawString(QString::asprintf("%d", number), font, QRectF(centre, QSizeF()), centred,
                 Brush::solid(blue));
}

// The extra marks of the view's two editing modes: a dashed frame and, while
// rotating, the centre the object turns about; while scaling, the corner
// that stays in place.
void drawModeMarks(graphics::Context &g, const geokit::Rect &position, int state)
{
    const QRectF frame = normalizedRect(position);
    Pen dashed(blue, 0.3);
    dashed.setDashStyle(graphics::DashStyle::Dash);
    g.drawRectangle(dashed, frame);
    const Pen mark(blue, 0.4);
    if (state == 3) {
        const QPointF c = toQt(position.centerPoint());
        g.drawEllipse(mark, QRectF(c.x() - 2, c.y() - 2, 4, 4));
        g.drawLine(mark, c - QPointF(3, 0), c + QPointF(3, 0));
        g.drawLine(mark, c - QPointF(0, 3), c + QPointF(0, 3));
    } else {
        const QPointF anchor = frame.topLeft();
        g.fillEllipse(Brush::solid(blue), QRectF(anchor.x() - 1.2, anchor.y() - 1.2, 2.4, 2.4));
        g.drawLine(mark, anchor, anchor + QPointF(5, 0));
        g.drawLine(mark, anchor, anchor + QPointF(0, 5));
        g.drawLine(mark, anchor, anchor + QPointF(4, 4));
    }
}

// Pictures decoded from embedded items, kept while the item keeps its bytes.
const QImage &decodedItemPicture(const CDrawItem &item)
{
    struct Entry
    {
        QByteArray data; // shares the item's bytes, so they cannot change under us
        QImage image;
    };
    static std::map<const CDrawItem *, Entry> cache;
    Entry &entry = cache[&item];
    if (entry.data.constData() != item.data().constData() ||
        entry.data.size() != item.data().size()) {
        if (cache.size() > 256) {
            cache.clear();
            return decodedItemPicture(item);
        }
        entry.data = item.data();
        QBuffer buffer(&entry.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        entry.image = reader.read();
    }
    return entry.image;
}

} // namespace

// ---- base ------------------------------------------------------------------

void CDrawObj::Draw(graphics::Context &)
{
}

void CDrawObj::DrawTracker(graphics::Context &g, int state)
{
    if (!showsAt(g, m_position, 10))
        return;
    if (state == 3 || state == 4) {
        drawModeMarks(g, m_position, state);
        return;
    }
    if (state != 1 && state != 2)
        return;
    const Brush handleBrush = Brush::solid(red);
    const int count = GetHandleCount();
    for (int n = 1; n <= count; ++n) {
        const geokit::Point h = GetHandle(n);
        g.fillRectangle(handleBrush, QRectF(h.x - 1, h.y - 1, 2, 2));
    }

    const auto *room = dynamic_cast<const CDrawPoly *>(this);
    if (!room || room->fresh())
        return;
    const model::RenderOptions &options = model::renderOptions();
    const std::vector<geokit::PointF> &points = room->points();
    if (options.showCornerID) {
        for (size_t i = 0; i < points.size(); ++i)
            drawNumberMark(g, toQt(points[i]), static_cast<int>(i) + 1);
    }
    if (options.showWallID && points.size() > 1) {
        for (size_t i = 0; i < points.size(); ++i) {
            const geokit::PointF a = points[i];
            const geokit::PointF b = points[(i + 1) % points.size()];
            const double half = std::hypot(double(b.x) - a.x, double(b.y) - a.y) / 2.0;
            drawNumberMark(g, toQt(geokit::ptNewDistance(a, b, half)), static_cast<int>(i) + 1);
        }
    }
}

// ---- rectangle primitives --------------------------------------------------

void CDrawRect::Draw(graphics::Context &g)
{
    const QRectF rect = normalizedRect(m_position);
    if (rect.width() == 0 || rect.height() == 0) {
        drawPlaceholder(g, rect);
        return;
    }
    // The text of a dimension line may reach far beyond its two ends.
    if (m_shape != Shape::DimensionLine && !showsAt(g, m_position, m_penWidth + 3.0))
        return;
    const auto brush = model::makeBrush(m_fill, rect, g);
    const Pen outline = pen(m_stroke.solidColor, m_penWidth, graphics::LineCap::Triangle);
    const QPointF from(m_position.left, m_position.top);
    const QPointF to(m_position.right, m_position.bottom);

    switch (m_shape) {
    case Shape::Rectangle:
        if (brush)
            g.fillRectangle(*brush, rect);
        if (m_outlined)
            g.drawRectangle(outline, rect);
        break;
    case Shape::RoundRectangle: {
        const double rx = std::min<double>(m_roundness.x, rect.width());
        const double ry = std::min<double>(m_roundness.y, rect.height());
        graphics::Path path;
        path.addArc(QRectF(rect.left(), rect.top(), rx, ry), 180, 90);
        path.addArc(QRectF(rect.right() - rx, rect.top(), rx, ry), 270, 90);
        path.addArc(QRectF(rect.right() - rx, rect.bottom() - ry, rx, ry), 0, 90);
        path.addArc(QRectF(rect.left(), rect.bottom() - ry, rx, ry), 90, 90);
        path.closeFigure();
        if (brush)
            g.fillPath(*brush, path);
        if (m_outlined)
            g.drawPath(outline, path);
        break;
    }
    case Shape::Ellipse:
        if (brush)
            g.fillEllipse(*brush, rect);
        if (m_outlined)
            g.drawEllipse(outline, rect);
        break;
    case Shape::Line:
        if (m_outlined)
            g.drawLine(outline, from, to);
        break;
    case Shape::TintedBox:
        g.fillRectangle(Brush::solid(0x32D2B48C), rect);
        g.drawRectangle(Pen(black, 1.0), rect);
        break;
    case Shape::Note: {
        if (g.device().printer)
            break;
        const int alpha = g.device().bitsPerPixel <= 8 ? noteAlphaLowColour : noteAlpha;
        const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
        const Pen shadow = pen(withAlpha(0x969696, alpha), 2.0);
        g.drawLine(shadow, QPointF(r, t + 1), QPointF(r, b + 1));
        g.drawLine(shadow, QPointF(l + 1, b), QPointF(r + 1, b));
        const Pen frame = pen(withAlpha(0x282828, alpha), 0.5);
        g.fillRectangle(Brush::solid(withAlpha(0xFFFFA0, alpha)), rect);
        g.drawRectangle(frame, rect);
        g.drawRectangle(frame, QRectF(r - 5, b - 5, 4.5, 4.5));
        const QPolygonF corner({QPointF(r, b - 5), QPointF(r, b), QPointF(r - 5, b)});
        g.fillPolygon(Brush::solid(withAlpha(0xD0D0A0, alpha)), corner);
        g.drawPolygon(frame, corner);
        model::drawLabel(g, m_label2, rect, withAlpha(0x000000, alpha));
        break;
    }
    case Shape::DimensionLine: {
        const Argb color = withAlpha(m_stroke.solidColor, 0x50);
        const Brush dot = Brush::solid(color);
        g.fillEllipse(dot, QRectF(from.x() - 1.5, from.y() - 1.5, 3, 3));
        g.fillEllipse(dot, QRectF(to.x() - 1.5, to.y() - 1.5, 3, 3));
        if (m_outlined)
            g.drawLine(pen(color, m_penWidth, graphics::LineCap::Triangle), from, to);
        const double length = QLineF(from, to).length();
        const geokit::PointF middle =
            geokit::ptNewDistance(geokit::PointF{float(from.x()), float(from.y())},
                                  geokit::PointF{float(to.x()), float(to.y())}, length / 2.0);
        const QString text = QString::asprintf("%5.2f %s", length, "mm");
        if (const auto textBrush = model::makeBrush(m_label2.textBrush, rect, g))
            g.drawString(text, graphics::Font(model::toGraphicsFont(m_label2.font)),
                         QRectF(toQt(middle), QSizeF()), model::stringFormat(m_label2), *textBrush);
        break;
    }
    }
}

// ---- text boxes ------------------------------------------------------------

void CDrawText::Draw(graphics::Context &g)
{
    const QRectF rect = normalizedRect(m_position);
    if (rect.width() == 0 || rect.height() == 0) {
        drawPlaceholder(g, rect);
        return;
    }
    if (!showsAt(g, m_position, m_borderWidth + 2.0))
        return;
    if (const auto brush = model::makeBrush(m_fill, rect, g))
        g.fillRectangle(*brush, rect);
    if (m_outlined)
        g.drawRectangle(pen(m_borderColor, m_borderWidth, graphics::LineCap::Triangle), rect);
    model::drawLabel(g, m_text, rect, 0x78000000);
}

// ---- pictures and embedded items ---------------------------------------------

void CDrawImage::Draw(graphics::Context &g)
{
    if (!showsAt(g, m_position, 1))
        return;
    const QImage &picture = bitmap();
    const QRectF rect = normalizedRect(m_position);
    if (picture.isNull() || rect.isEmpty())
        return;
    g.drawImage(picture, rect);
}

void CDrawOleObj::Draw(graphics::Context &g)
{
    const QRectF rect = normalizedRect(m_position);
    if (rect.isEmpty() || !showsAt(g, m_position, 1))
        return;
    if (m_item) {
        const QImage &picture = decodedItemPicture(*m_item);
        if (!picture.isNull()) {
            g.drawImage(picture, rect);
        } else {
            // An icon: a sheet with a folded corner, and the item's name below.
            const double side = std::min({rect.width(), rect.height() * 0.6, 12.0});
            const QPointF c(rect.center().x(), rect.top() + rect.height() * 0.4);
            const QPolygonF sheet(
                {c + QPointF(-side / 2, -side / 2), c + QPointF(side / 4, -side / 2),
                 c + QPointF(side / 2, -side / 4), c + QPointF(side / 2, side / 2),
                 c + QPointF(-side / 2, side / 2)});
            g.fillPolygon(Brush::solid(white), sheet);
            g.drawPolygon(Pen(0xFF404040, 0.3), sheet);
            graphics::LogFont lf;
            lf.height = -static_cast<int>(std::clamp(side / 3.0, 2.0, 4.0));
            graphics::StringFormat format;
            format.alignment = graphics::StringAlignment::Center;
            format.trimming = graphics::StringTrimming::EllipsisCharacter;
            format.noWrap = true;
            const QRectF below(rect.left(), c.y() + side / 2 + 1, rect.width(),
                               rect.bottom() - (c.y() + side / 2 + 1));
            g.drawString(m_item->name(), graphics::Font(lf), below, format, Brush::solid(black));
        }
    }
    if (model::currentDrawPurpose() == model::DrawPurpose::Screen)
        g.drawRectangle(Pen(0xFF808080, 0.0), rect);
}

// ---- rooms -----------------------------------------------------------------

void CDrawPoly::Draw(graphics::Context &g)
{
    if (!showsAt(g, m_position, 2))
        return;
    const QPolygonF outline = toPolygon(m_points);
    if (m_fresh) {
        g.fillPolygon(Brush::solid(withAlpha(m_fill.solidColor, 0x32)), outline);
        g.drawPolygon(Pen(black, 1.0), outline);
        return;
    }
    const QRectF bounds = normalizedRect(m_position);
    if (const auto brush = model::makeBrush(m_fill, bounds, g))
        g.fillPolygon(*brush, outline);

    if (model::renderOptions().showRotationCenter) {
        const QPointF c = toQt(m_position.centerPoint());
        const Pen cross(red, 0.1);
        g.drawLine(cross, c - QPointF(2, 0), c + QPointF(2, 0));
        g.drawLine(cross, c - QPointF(0, 2), c + QPointF(0, 2));
        g.drawEllipse(cross, QRectF(c.x() - 1, c.y() - 1, 2, 2));
    }

    if (m_points.size() > 2) {
        // Runs of neighbouring walls that look the same are painted together.
        const size_t count = std::min(m_points.size(), m_segmentStyles.size());
        std::vector<int> run;
        std::optional<Pen> runPen;
        for (size_t i = 0; i < count; ++i) {
            const SegmentStyle &segment = m_segmentStyles[i];
            if (!segment.enabled)
                continue;
            Pen band = model::wallPen(segment, bounds, g);
            if (runPen && !(band == *runPen)) {
                g.drawPolygonEdges(*runPen, outline, run);
                run.clear();
            }
            runPen = std::move(band);
            run.push_back(static_cast<int>(i));
        }
        if (runPen)
            g.drawPolygonEdges(*runPen, outline, run);
    }

    if (m_label.visible) {
        const QRectF layout = bounds.adjusted(roomCaptionInsetMm, roomCaptionInsetMm,
                                              -roomCaptionInsetMm, -roomCaptionInsetMm);
        if (model::labelFits(g, m_label, layout))
            model::drawLabel(g, m_label, layout, 0x7F000000);
    }
}

void CDrawPoly::DrawOpenings(graphics::Context &g)
{
    // Size captions lie outside the walls.
    if (m_fresh || m_points.size() < 3 || !showsAt(g, m_position, 15))
        return;
    const QPolygonF outline = toPolygon(m_points);
    const graphics::InsetBands bands(outline);
    const double metresPerMm = m_document ? m_document->scale() : 0.5;
    const size_t count = std::min(m_points.size(), m_segmentStyles.size());
    for (size_t i = 0; i < count; ++i) {
        const SegmentStyle &segment = m_segmentStyles[i];
        if (!segment.enabled || segment.openings.empty())
            continue;
        const QPointF a = outline[static_cast<qsizetype>(i)];
        const QPointF b = outline[static_cast<qsizetype>((i + 1) % m_points.size())];
        const double length = QLineF(a, b).length();
        if (length <= 0)
            continue;
        const QPointF along = (b - a) / length;
        const QPointF inward = bands.inwardNormal(static_cast<int>(i));
        const double bandWidth = model::wallPenWidth(segment.width);
        // The symbol sits on the middle of the wall band, which lies inside the outline.
        const QPointF middle = inward * (bandWidth / 2.0);

        for (const Opening &o : segment.openings) {
            // In doubles: offset + size of a damaged file may not fit an int.
            const double start = o.offset;
            const double end = start + o.size;
            const double from = std::min(start, end);
            const double to = std::max(start, end);
            Pen gap(o.backColor, bandWidth);
            gap.setAlignment(graphics::PenAlignment::Inset);
            g.drawPolygonEdge(gap, outline, static_cast<int>(i), from, to);

            OpeningSymbol symbol;
            symbol.type = o.type;
            const QPointF onStart = a + along * start;
            const QPointF onEnd = a + along * end;
            symbol.start = onStart + middle;
            symbol.end = onEnd + middle;
            symbol.wallWidth = segment.width;
            symbol.angle = o.angle;
            symbol.flipped = o.flipped != 0;
            symbol.strokeColor = o.strokeColor;
            symbol.arcColor = o.arcColor;
            symbol.arcKind = o.arcKind;
            symbol.strokeDash = o.strokeDash;
            symbol.arcDash = o.arcDash;
            symbol.orientation = OrientationCheck{outline, onStart, onEnd};
            symbol.opensInwards = o.opensInwards != 0;
            symbol.highlighted = o.highlighted != 0;
            DrawOpeningSymbol(g, symbol);

            // The size caption: the opening's width and the wall's thickness
            // in centimetres of the building, outside the wall at its middle,
            // reading along the wall.
            const double size = std::abs(static_cast<double>(o.size));
            const int widthCm = model::truncToInt(std::round(size * metresPerMm * 100));
            const int wallCm = model::truncToInt(std::round(segment.width * metresPerMm * 100));
            graphics::LogFont captionFont;
            captionFont.height = -static_cast<int>(std::clamp(std::round(size / 3.0), 1.0, 3.0));
            const double em = -captionFont.height;
            const QPointF centre = (onStart + onEnd) / 2.0 - inward * (em * 0.75);
            double angleDeg = std::atan2(along.y(), along.x()) * 180.0 / M_PI;
            if (angleDeg > 90.0)
                angleDeg -= 180.0;
            else if (angleDeg <= -90.0)
                angleDeg += 180.0;
            graphics::StringFormat centred;
            centred.alignment = graphics::StringAlignment::Center;
            centred.lineAlignment = graphics::StringAlignment::Center;
            const QTransform base = g.transform();
            g.setTransform(QTransform().rotate(angleDeg) *
                           QTransform::fromTranslate(centre.x(), centre.y()) * base);
            g.drawString(QString::asprintf("%dx%d", widthCm, wallCm), graphics::Font(captionFont),
                         QRectF(), centred, Brush::solid(o.strokeColor));
            g.setTransform(base);
        }
    }
}

// ---- free-standing walls -----------------------------------------------------

void CDrawOpenPath::Draw(graphics::Context &g)
{
    double widest = 0.0;
    for (const SegmentStyle &segment : m_segmentStyles)
        widest = std::max(widest, model::wallPenWidth(segment.width) + 0.6);
    if (!showsAt(g, m_position, widest + 1.0))
        return;
    const QRectF bounds = normalizedRect(m_position);
    for (size_t i = 0; i + 1 < m_points.size() && i < m_segmentStyles.size(); ++i) {
        const SegmentStyle &segment = m_segmentStyles[i];
        if (!segment.enabled)
            continue;
        Pen band = model::wallPen(segment, bounds, g);
        band.setAlignment(graphics::PenAlignment::Center); // an open wall has no inside
        g.drawLine(band, toQt(m_points[i]), toQt(m_points[i + 1]));
    }
}
