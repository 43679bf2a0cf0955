#include "context.h"

#include "hatch.h"
#include "insetband.h"
#include "recording.h"
#include "textlayout.h"

#include <QFileInfo>
#include <QGlyphRun>
#include <QTextLayout>
#include <QImageReader>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace graphics {

namespace {

using Op = Record::Op;

QColor toQColor(Argb c)
{
    return QColor::fromRgba(c);
}

bool finite(double v)
{
    return std::isfinite(v);
}

bool finite(QPointF p)
{
    return finite(p.x()) && finite(p.y());
}

bool finite(const QRectF &r)
{
    return finite(r.x()) && finite(r.y()) && finite(r.width()) && finite(r.height());
}

bool finite(const QPolygonF &points)
{
    return std::all_of(points.begin(), points.end(), [](QPointF p) { return finite(p); });
}

bool validPen(const Pen &pen)
{
    return finite(pen.width()) && pen.width() >= 0 && pen.brush().isValid();
}

// Tiles of the hatch patterns, shared by every context: a plan draws the same
// few patterns thousands of times.
const QImage &hatchImage(int style, Argb foreground, Argb background, int pixelSize)
{
    static std::map<std::tuple<int, int, Argb, Argb>, QImage> cache;
    const auto key = std::make_tuple(style, pixelSize, foreground, background);
    auto it = cache.find(key);
    if (it == cache.end()) {
        if (cache.size() > 1024)
            cache.clear();
        it = cache.emplace(key, hatchTile(style, foreground, background, pixelSize)).first;
    }
    return it->second;
}

double pixelsPerUnit(const QTransform &t)
{
    return std::sqrt(std::abs(t.m11() * t.m22() - t.m12() * t.m21()));
}

// The QBrush for a brush. `painterTransform` maps the painter's coordinates
// to the device; `worldToPainter` maps world coordinates to the painter's
// (the identity except while text is drawn at its reference size);
// `pixelsPerMm` sizes hatch patterns.
QBrush toQBrush(const Brush &brush, const QTransform &painterTransform,
                const QTransform &worldToPainter, double pixelsPerMm)
{
    switch (brush.kind()) {
    case BrushKind::Solid:
        return QBrush(toQColor(brush.color()));
    case BrushKind::LinearGradient: {
        // Laid out on the unit square and stretched over the rectangle, so a
        // diagonal gradient runs corner to corner whatever the proportions.
        QPointF from(0, 0), to(1, 0);
        switch (brush.gradientMode()) {
        case LinearGradientMode::Horizontal:
            break;
        case LinearGradientMode::Vertical:
            to = QPointF(0, 1);
            break;
        case LinearGradientMode::ForwardDiagonal:
            to = QPointF(1, 1);
            break;
        case LinearGradientMode::BackwardDiagonal:
            from = QPointF(1, 0);
            to = QPointF(0, 1);
            break;
        }
        QLinearGradient gradient(from, to);
        gradient.setColorAt(0, toQColor(brush.color()));
        gradient.setColorAt(1, toQColor(brush.color2()));
        gradient.setSpread(QGradient::RepeatSpread);
        QBrush b(gradient);
        const QRectF r = brush.gradientRect();
        b.setTransform(QTransform(r.width(), 0, 0, r.height(), r.left(), r.top()) * worldToPainter);
        return b;
    }
    case BrushKind::Texture: {
        QBrush b(brush.textureImage());
        b.setTransform(brush.transform() * worldToPainter);
        return b;
    }
    case BrushKind::Hatch: {
        QBrush b(hatchImage(brush.hatchStyle(), brush.color(), brush.color2(),
                            hatchPixelSize(pixelsPerMm)));
        // The pattern sits on the device grid: undo every transform.
        b.setTransform(painterTransform.inverted());
        return b;
    }
    }
    return {};
}

Qt::PenCapStyle toQtCap(LineCap cap)
{
    switch (cap) {
    case LineCap::Square:
        return Qt::SquareCap;
    case LineCap::Round:
        return Qt::RoundCap;
    case LineCap::Flat:
    case LineCap::Triangle:
        return Qt::FlatCap;
    }
    return Qt::FlatCap;
}

Qt::PenJoinStyle toQtJoin(LineJoin join)
{
    switch (join) {
    case LineJoin::Miter:
        return Qt::MiterJoin;
    case LineJoin::Bevel:
        return Qt::BevelJoin;
    case LineJoin::Round:
        return Qt::RoundJoin;
    }
    return Qt::MiterJoin;
}

// Qt caps every dash and knows no triangle; such pens are stroked with flat
// ends and get their two caps added by hand.
bool qtDrawsCaps(const Pen &pen)
{
    return pen.startCap() == pen.endCap() && pen.startCap() != LineCap::Triangle &&
           (pen.dashStyle() == DashStyle::Solid || pen.startCap() == LineCap::Flat);
}

// The outward direction at the start (or end) of an open figure, from the
// first (last) element to the nearest element at another place; for curves
// that is the control point, so the direction is the exact tangent.
QPointF endDirection(const QPainterPath &figure, bool atStart)
{
    const int count = figure.elementCount();
    if (count < 2)
        return {};
    const int first = atStart ? 0 : count - 1;
    const int step = atStart ? 1 : -1;
    const QPointF end = figure.elementAt(first);
    for (int i = first + step; i >= 0 && i < count; i += step) {
        const QPointF p = figure.elementAt(i);
        const QPointF d = end - p;
        const double len = std::hypot(d.x(), d.y());
        if (len > 1e-12)
            return d / len;
    }
    return {};
}

void addCap(QPainterPath &caps, QPointF at, QPointF outward, double width, LineCap cap)
{
    if (outward.isNull() || width <= 0)
        return;
    const QPointF side(-outward.y() * width / 2, outward.x() * width / 2);
    const QPointF ahead = outward * (width / 2);
    switch (cap) {
    case LineCap::Flat:
        return;
    case LineCap::Square:
        caps.addPolygon(QPolygonF({at + side, at + side + ahead, at - side + ahead, at - side}));
        caps.closeSubpath();
        return;
    case LineCap::Round:
        caps.addEllipse(at, width / 2, width / 2);
        return;
    case LineCap::Triangle:
        caps.addPolygon(QPolygonF({at + side, at + ahead, at - side}));
        caps.closeSubpath();
        return;
    }
}

// Text laid out and shaped once: plans repeat the same captions thousands of
// times (every door's size, every room's name in one style).
struct ShapedText
{
    TextLayout layout;
    std::vector<QList<QGlyphRun>> runs; // per line, at the font's reference size
    std::vector<double> ascents;
};

struct TextKey
{
    QString text;
    LogFont font;
    QSizeF size;
    StringFormat format;
    friend bool operator==(const TextKey &, const TextKey &) = default;
};

size_t qHash(const TextKey &k, size_t seed = 0)
{
    const StringFormat &f = k.format;
    const int flags = int(f.alignment) | int(f.lineAlignment) << 2 | int(f.trimming) << 4 |
                      int(f.noKerning) << 8 | int(f.noLigatures) << 9 | int(f.noWrap) << 10 |
                      int(f.noClip) << 11;
    return qHashMulti(seed, k.text, k.font.faceName, k.font.height, k.font.weight, k.font.italic,
                      k.size.width(), k.size.height(), flags);
}

const ShapedText &shapedText(const QString &text, const Font &font, QSizeF size,
                             const StringFormat &format)
{
    static auto *cache = new QHash<TextKey, ShapedText>;
    TextKey key{text, font.logFont(), size, format};
    auto it = cache->constFind(key);
    if (it != cache->constEnd())
        return *it;
    if (cache->size() > 4096)
        cache->clear();
    ShapedText shaped;
    shaped.layout = layoutText(text, font, size, format);
    QFont qfont = font.referenceFont();
    if (format.noKerning)
        qfont.setKerning(false);
    for (const TextLayout::Line &line : shaped.layout.lines) {
        QTextLayout layout(line.text, qfont);
        layout.beginLayout();
        QTextLine textLine = layout.createLine();
        if (textLine.isValid())
            textLine.setPosition(QPointF(0, 0));
        layout.endLayout();
        // The line's metrics are known once the layout is complete.
        const double ascent = textLine.isValid() ? textLine.ascent() : 0.0;
        shaped.runs.push_back(layout.glyphRuns());
        shaped.ascents.push_back(ascent);
    }
    return *cache->insert(key, std::move(shaped));
}

} // namespace

Context::Context(QPainter *painter) : m_painter(painter)
{
    if (!m_painter)
        return;
    m_painter->save();
    m_page = m_painter->transform();
    if (QPaintDevice *dev = m_painter->device()) {
        m_device.printer = dev->devType() == QInternal::Printer;
        m_device.bitsPerPixel = dev->depth();
        m_device.dpiX = dev->logicalDpiX();
        m_device.dpiY = dev->logicalDpiY();
    }
    applyHints();
    updatePainterTransform();
}

Context::Context(Recording &recording) : m_recording(&recording)
{
}

Context::Context(QPainter *painter, Recording &recording) : Context(painter)
{
    m_recording = &recording;
}

Context::~Context()
{
    if (!m_painter || !m_painter->isActive())
        return;
    for (size_t i = 0; i < m_saved.size(); ++i)
        m_painter->restore();
    m_painter->restore();
}

bool Context::beginCall(bool valid)
{
    if (!valid) {
        m_status = Status::InvalidParameter;
        return false;
    }
    if (m_painter && !m_painter->isActive()) {
        m_status = Status::WrongState;
        return false;
    }
    m_status = Status::Ok;
    return true;
}

void Context::record(Record &&r)
{
    r.transform = m_world;
    m_recording->add(std::move(r));
}

// ---- quality ---------------------------------------------------------------

void Context::applyQualityPreset(int preset)
{
    if (const auto settings = qualityPreset(preset))
        setQuality(*settings);
    m_status = Status::Ok;
}

void Context::setQuality(const QualitySettings &quality)
{
    const bool offsetChanged =
        offsetsHalfPixel(quality.pixelOffset) != offsetsHalfPixel(m_quality.pixelOffset);
    m_quality = quality;
    applyHints();
    if (offsetChanged)
        updatePainterTransform();
}

void Context::setSmoothingMode(SmoothingMode mode)
{
    QualitySettings q = m_quality;
    q.smoothing = mode;
    setQuality(q);
}

void Context::setTextRenderingHint(TextRenderingHint hint)
{
    QualitySettings q = m_quality;
    q.textRendering = hint;
    setQuality(q);
}

void Context::setCompositingQuality(CompositingQuality quality)
{
    QualitySettings q = m_quality;
    q.compositing = quality;
    setQuality(q);
}

void Context::setPixelOffsetMode(PixelOffsetMode mode)
{
    QualitySettings q = m_quality;
    q.pixelOffset = mode;
    setQuality(q);
}

void Context::applyHints()
{
    if (!m_painter)
        return;
    m_painter->setRenderHint(QPainter::Antialiasing, antialiasesEdges(m_quality.smoothing));
    m_painter->setRenderHint(QPainter::TextAntialiasing, antialiasesText(m_quality.textRendering));
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, smoothsImages(m_quality.compositing));
}

// ---- transform -------------------------------------------------------------

QTransform Context::fullTransform() const
{
    return m_full;
}

void Context::updatePainterTransform()
{
    m_full = m_world * m_page;
    m_pixelsPerUnit = pixelsPerUnit(m_full);
    if (offsetsHalfPixel(m_quality.pixelOffset))
        m_full *= QTransform::fromTranslate(0.5, 0.5);
    m_visible.reset();
    if (m_painter)
        m_painter->setTransform(m_full);
}

void Context::setTransform(const QTransform &transform)
{
    if (!transform.isInvertible()) {
        m_status = Status::InvalidParameter;
        return;
    }
    m_world = transform;
    updatePainterTransform();
    m_status = Status::Ok;
}

void Context::translateTransform(double dx, double dy, MatrixOrder order)
{
    const QTransform t = QTransform::fromTranslate(dx, dy);
    setTransform(order == MatrixOrder::Prepend ? t * m_world : m_world * t);
}

void Context::scaleTransform(double sx, double sy, MatrixOrder order)
{
    const QTransform t = QTransform::fromScale(sx, sy);
    setTransform(order == MatrixOrder::Prepend ? t * m_world : m_world * t);
}

void Context::rotateTransform(double degrees, MatrixOrder order)
{
    QTransform t;
    t.rotate(degrees);
    setTransform(order == MatrixOrder::Prepend ? t * m_world : m_world * t);
}

double Context::devicePixelsPerUnit() const
{
    return m_pixelsPerUnit;
}

void Context::save()
{
    m_saved.push_back({m_world, m_quality});
    if (m_painter)
        m_painter->save();
    m_status = Status::Ok;
}

void Context::restore()
{
    if (m_saved.empty()) {
        m_status = Status::WrongState;
        return;
    }
    m_world = m_saved.back().world;
    m_quality = m_saved.back().quality;
    m_saved.pop_back();
    if (m_painter)
        m_painter->restore();
    updatePainterTransform();
    m_status = Status::Ok;
}

// ---- clip ------------------------------------------------------------------

void Context::setClipRect(const QRectF &rect)
{
    if (!beginCall(finite(rect)))
        return;
    if (m_painter)
        m_painter->setClipRect(rect, Qt::ReplaceClip);
    m_visible.reset();
}

void Context::intersectClipRect(const QRectF &rect)
{
    if (!beginCall(finite(rect)))
        return;
    if (m_painter)
        m_painter->setClipRect(rect, Qt::IntersectClip);
    m_visible.reset();
}

void Context::resetClip()
{
    if (m_painter)
        m_painter->setClipping(false);
    m_visible.reset();
    m_status = Status::Ok;
}

QRectF Context::visibleClipBounds() const
{
    if (!m_painter || !m_painter->device())
        return QRectF(-1e9, -1e9, 2e9, 2e9);
    if (m_visible)
        return *m_visible;
    const QPaintDevice *dev = m_painter->device();
    const QRectF deviceRect(0, 0, dev->width(), dev->height());
    QRectF visible = fullTransform().inverted().mapRect(deviceRect);
    if (m_painter->hasClipping())
        visible &= m_painter->clipBoundingRect();
    m_visible = visible;
    return visible;
}

bool Context::isVisible(const QRectF &rect) const
{
    if (!m_painter)
        return true;
    const QRectF visible = visibleClipBounds();
    return rect.right() >= visible.left() && rect.left() <= visible.right() &&
           rect.bottom() >= visible.top() && rect.top() <= visible.bottom();
}

// ---- stroking --------------------------------------------------------------

namespace {

QPen makeQPen(const Pen &pen, const QBrush &brush, Qt::PenCapStyle cap, double widthFactor)
{
    QPen qpen(brush, pen.width() * widthFactor, Qt::SolidLine, cap, toQtJoin(pen.lineJoin()));
    qpen.setMiterLimit(Pen::miterLimit);
    QList<qreal> dashes = pen.dashPattern();
    if (!dashes.isEmpty()) {
        // Dash lengths count in widths; keep them when the band is widened.
        for (qreal &d : dashes)
            d /= widthFactor;
        qpen.setDashPattern(dashes);
    }
    return qpen;
}

} // namespace

QBrush Context::worldBrush(const Brush &brush)
{
    // Drawing code builds equal brushes for object after object; handing the
    // painter the very same QBrush spares it setting the fill up again.
    const QTransform full = fullTransform();
    if (!m_brushCache || !(m_brushCache->brush == brush) || m_brushCache->transform != full)
        m_brushCache =
            BrushCache{brush, full, toQBrush(brush, full, QTransform(), devicePixelsPerUnit())};
    return m_brushCache->qbrush;
}

QPen Context::worldPen(const Pen &pen, Qt::PenCapStyle cap, double widthFactor)
{
    const QTransform full = fullTransform();
    if (!m_penCache || !(m_penCache->pen == pen) || m_penCache->transform != full ||
        m_penCache->cap != cap || m_penCache->widthFactor != widthFactor)
        m_penCache = PenCache{pen, full, cap, widthFactor,
                              makeQPen(pen, worldBrush(pen.brush()), cap, widthFactor)};
    return m_penCache->qpen;
}

void Context::strokeOpen(const Pen &pen, const QPainterPath &figure)
{
    if (qtDrawsCaps(pen) || pen.width() <= 0) {
        m_painter->setPen(worldPen(pen, toQtCap(pen.startCap()), 1.0));
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawPath(figure);
        return;
    }
    QPainterPathStroker stroker(worldPen(pen, Qt::FlatCap, 1.0));
    QPainterPath caps;
    addCap(caps, figure.elementAt(0), endDirection(figure, true), pen.width(), pen.startCap());
    addCap(caps, figure.elementAt(figure.elementCount() - 1), endDirection(figure, false),
           pen.width(), pen.endCap());
    const QPainterPath band = stroker.createStroke(figure).united(caps);
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(pen.brush()));
    m_painter->drawPath(band);
}

void Context::strokeClosedInset(const Pen &pen, const QPainterPath &figure)
{
    // Twice the width, centred on the outline and cut to its inside.
    m_painter->save();
    m_painter->setClipPath(figure, Qt::IntersectClip);
    m_painter->setPen(worldPen(pen, Qt::FlatCap, 2.0));
    m_painter->setBrush(Qt::NoBrush);
    m_painter->drawPath(figure);
    m_painter->restore();
}

void Context::strokeFigures(const Pen &pen, const std::vector<Path::Figure> &figures)
{
    if (pen.brush().isInvisible())
        return;
    for (const Path::Figure &f : figures) {
        if (f.path.elementCount() < 2)
            continue;
        if (!f.closed) {
            strokeOpen(pen, f.path);
        } else if (pen.alignment() == PenAlignment::Inset && pen.width() > 0) {
            strokeClosedInset(pen, f.path);
        } else {
            m_painter->setPen(worldPen(pen, Qt::FlatCap, 1.0));
            m_painter->setBrush(Qt::NoBrush);
            m_painter->drawPath(f.path);
        }
    }
}

void Context::drawLine(const Pen &pen, QPointF a, QPointF b)
{
    if (!beginCall(finite(a) && finite(b) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Line;
        r.pen = pen;
        r.points = QPolygonF({a, b});
        record(std::move(r));
    }
    if (!m_painter || pen.brush().isInvisible())
        return;
    if (qtDrawsCaps(pen)) {
        m_painter->setPen(worldPen(pen, toQtCap(pen.startCap()), 1.0));
        m_painter->drawLine(QLineF(a, b));
        return;
    }
    QPainterPath p(a);
    p.lineTo(b);
    strokeOpen(pen, p);
}

void Context::drawLines(const Pen &pen, const QPolygonF &points)
{
    if (!beginCall(finite(points) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Lines;
        r.pen = pen;
        r.points = points;
        record(std::move(r));
    }
    if (!m_painter || points.size() < 2)
        return;
    Path p;
    p.addLines(points);
    strokeFigures(pen, p.figures());
}

void Context::drawLineSegments(const Pen &pen, const std::vector<QLineF> &lines)
{
    const bool valid = std::all_of(lines.begin(), lines.end(), [](const QLineF &l) {
        return finite(l.p1()) && finite(l.p2());
    });
    if (!beginCall(valid && validPen(pen)))
        return;
    if (m_recording) {
        for (const QLineF &line : lines) {
            Record r;
            r.op = Op::Line;
            r.pen = pen;
            r.points = QPolygonF({line.p1(), line.p2()});
            record(std::move(r));
        }
    }
    if (!m_painter || pen.brush().isInvisible() || lines.empty())
        return;
    if (qtDrawsCaps(pen)) {
        m_painter->setPen(worldPen(pen, toQtCap(pen.startCap()), 1.0));
        m_painter->drawLines(lines.data(), static_cast<int>(lines.size()));
        return;
    }
    for (const QLineF &line : lines) {
        QPainterPath p(line.p1());
        p.lineTo(line.p2());
        strokeOpen(pen, p);
    }
}

void Context::drawBezier(const Pen &pen, QPointF p1, QPointF c1, QPointF c2, QPointF p2)
{
    if (!beginCall(finite(p1) && finite(c1) && finite(c2) && finite(p2) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Bezier;
        r.pen = pen;
        r.points = QPolygonF({p1, c1, c2, p2});
        record(std::move(r));
    }
    if (!m_painter)
        return;
    Path p;
    p.addBezier(p1, c1, c2, p2);
    strokeFigures(pen, p.figures());
}

void Context::drawArc(const Pen &pen, const QRectF &rect, double startDeg, double sweepDeg)
{
    if (!beginCall(finite(rect) && finite(startDeg) && finite(sweepDeg) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Arc;
        r.pen = pen;
        r.rect = rect;
        r.startDeg = startDeg;
        r.sweepDeg = sweepDeg;
        record(std::move(r));
    }
    if (!m_painter)
        return;
    Path p;
    p.addArc(rect, startDeg, sweepDeg);
    strokeFigures(pen, p.figures());
}

void Context::drawRectangle(const Pen &pen, const QRectF &rect)
{
    if (!beginCall(finite(rect) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Rectangle;
        r.pen = pen;
        r.rect = rect;
        record(std::move(r));
    }
    if (!m_painter)
        return;
    Path p;
    p.addRectangle(rect);
    strokeFigures(pen, p.figures());
}

void Context::drawEllipse(const Pen &pen, const QRectF &rect)
{
    if (!beginCall(finite(rect) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Ellipse;
        r.pen = pen;
        r.rect = rect;
        record(std::move(r));
    }
    if (!m_painter)
        return;
    Path p;
    p.addEllipse(rect);
    strokeFigures(pen, p.figures());
}

void Context::drawPolygon(const Pen &pen, const QPolygonF &points)
{
    if (!beginCall(finite(points) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Polygon;
        r.pen = pen;
        r.points = points;
        record(std::move(r));
    }
    if (!m_painter || points.size() < 2)
        return;
    Path p;
    p.addPolygon(points);
    strokeFigures(pen, p.figures());
}

void Context::drawPath(const Pen &pen, const Path &path)
{
    const QRectF bounds = path.bounds();
    if (!beginCall(finite(bounds) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Path;
        r.pen = pen;
        r.path = path.toPainterPath();
        record(std::move(r));
    }
    if (!m_painter)
        return;
    strokeFigures(pen, path.figures());
}

void Context::drawPolygonEdge(const Pen &pen, const QPolygonF &outline, int edge, double fromMm,
                              double toMm)
{
    if (!beginCall(finite(outline) && outline.size() >= 2 && edge >= 0 && edge < outline.size() &&
                   finite(fromMm) && finite(toMm) && validPen(pen)))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::PolygonEdge;
        r.pen = pen;
        r.points = outline;
        r.edge = edge;
        r.fromMm = fromMm;
        r.toMm = toMm;
        record(std::move(r));
    }
    if (!m_painter || pen.brush().isInvisible())
        return;
    paintEdges(pen, outline, {edge}, fromMm, toMm);
}

void Context::drawPolygonEdges(const Pen &pen, const QPolygonF &outline,
                               const std::vector<int> &edges)
{
    const bool edgesValid = std::all_of(edges.begin(), edges.end(),
                                        [&](int e) { return e >= 0 && e < outline.size(); });
    if (!beginCall(finite(outline) && outline.size() >= 2 && edgesValid && validPen(pen)))
        return;
    if (m_recording) {
        for (int edge : edges) {
            Record r;
            r.op = Op::PolygonEdge;
            r.pen = pen;
            r.points = outline;
            r.edge = edge;
            r.toMm = -1.0;
            record(std::move(r));
        }
    }
    if (!m_painter || pen.brush().isInvisible() || edges.empty())
        return;
    paintEdges(pen, outline, edges, 0.0, -1.0);
}

void Context::paintEdges(const Pen &pen, const QPolygonF &outline, const std::vector<int> &edges,
                         double fromMm, double toMm)
{
    if (pen.alignment() != PenAlignment::Inset || pen.width() <= 0) {
        for (int edge : edges) {
            const QLineF line(outline[edge], outline[(edge + 1) % outline.size()]);
            const double length = line.length();
            if (length <= 0)
                continue;
            const double from = std::clamp(fromMm, 0.0, length);
            const double to = toMm < 0 ? length : std::clamp(toMm, 0.0, length);
            QPainterPath p(line.pointAt(from / length));
            p.lineTo(line.pointAt(to / length));
            strokeOpen(pen, p);
        }
        return;
    }
    // All bands in one polygon, filled in one pass: the quads do not overlap,
    // and each is joined to the next by a bridge walked there and back, which
    // covers nothing.
    const InsetBands bands(outline);
    QPolygonF all;
    all.reserve(static_cast<qsizetype>(edges.size()) * 5 + 1);
    for (int edge : edges) {
        const QPolygonF band = bands.band(edge, pen.width(), fromMm, toMm);
        if (band.isEmpty())
            continue;
        all += band;
        all.append(band.first());
        if (!all.isEmpty() && all.first() != band.first())
            all.append(all.first());
    }
    if (all.size() < 3)
        return;
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(pen.brush()));
    m_painter->drawPolygon(all, Qt::OddEvenFill);
}

// ---- filling ---------------------------------------------------------------

void Context::fillBrushPath(const Brush &brush, const QPainterPath &path)
{
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(brush));
    m_painter->drawPath(path);
}

void Context::fillRectangle(const Brush &brush, const QRectF &rect)
{
    if (!beginCall(finite(rect) && brush.isValid()))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::FillRectangle;
        r.brush = brush;
        r.rect = rect;
        record(std::move(r));
    }
    if (!m_painter || brush.isInvisible())
        return;
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(brush));
    m_painter->drawRect(rect.normalized());
}

void Context::fillEllipse(const Brush &brush, const QRectF &rect)
{
    if (!beginCall(finite(rect) && brush.isValid()))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::FillEllipse;
        r.brush = brush;
        r.rect = rect;
        record(std::move(r));
    }
    if (!m_painter || brush.isInvisible())
        return;
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(brush));
    m_painter->drawEllipse(rect);
}

void Context::fillPolygon(const Brush &brush, const QPolygonF &points, FillMode mode)
{
    if (!beginCall(finite(points) && brush.isValid()))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::FillPolygon;
        r.brush = brush;
        r.points = points;
        record(std::move(r));
    }
    if (!m_painter || brush.isInvisible() || points.size() < 3)
        return;
    m_painter->setPen(Qt::NoPen);
    m_painter->setBrush(worldBrush(brush));
    m_painter->drawPolygon(points, mode == FillMode::Alternate ? Qt::OddEvenFill : Qt::WindingFill);
}

void Context::fillPath(const Brush &brush, const Path &path)
{
    const QRectF bounds = path.bounds();
    if (!beginCall(finite(bounds) && brush.isValid()))
        return;
    QPainterPath all = path.toPainterPath();
    if (m_recording) {
        Record r;
        r.op = Op::FillPath;
        r.brush = brush;
        r.path = all;
        record(std::move(r));
    }
    if (!m_painter || brush.isInvisible())
        return;
    fillBrushPath(brush, all);
}

// ---- pictures and text -----------------------------------------------------

void Context::drawImage(const QImage &image, const QRectF &rect)
{
    if (!beginCall(finite(rect) && !image.isNull()))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::Image;
        r.rect = rect;
        r.imageSize = image.size();
        record(std::move(r));
    }
    if (!m_painter)
        return;
    m_painter->drawImage(rect, image);
}

QImage Context::loadImage(const QString &path)
{
    auto it = m_images.constFind(path);
    if (it == m_images.constEnd()) {
        QImageReader reader(path);
        it = m_images.insert(path, reader.read());
    }
    if (it->isNull())
        m_status = QFileInfo::exists(path) ? Status::UnknownImageFormat : Status::FileNotFound;
    else
        m_status = Status::Ok;
    return *it;
}

void Context::drawString(const QString &text, const Font &font, const QRectF &layout,
                         const StringFormat &format, const Brush &brush)
{
    if (!beginCall(finite(layout) && brush.isValid() && finite(font.scale()) && font.scale() > 0))
        return;
    if (m_recording) {
        Record r;
        r.op = Op::String;
        r.brush = brush;
        r.rect = layout;
        r.text = text;
        r.font = font.logFont();
        r.format = format;
        record(std::move(r));
    }
    // Below a pixel text is a smudge; far beyond the largest screen it is
    // nothing anyone can read either, and glyphs that size only burden the
    // painter.
    const double emPixels = font.emHeight() * m_pixelsPerUnit;
    if (!m_painter || text.isEmpty() || brush.isInvisible() || emPixels < 1.0 ||
        emPixels > 100000.0)
        return;
    const ShapedText &shaped = shapedText(text, font, layout.size(), format);
    if (shaped.layout.lines.empty())
        return;

    // Text is set at the font's reference size and scaled into place.
    const QTransform toWorld = QTransform::fromScale(font.scale(), font.scale()) *
                               QTransform::fromTranslate(layout.left(), layout.top());
    const QTransform painterTransform = toWorld * fullTransform();

    const bool clip =
        shaped.layout.overflows && !format.noClip && layout.width() > 0 && layout.height() > 0;
    if (clip) {
        m_painter->save();
        m_painter->setClipRect(layout, Qt::IntersectClip);
    }
    m_painter->setTransform(painterTransform);
    m_painter->setPen(
        QPen(toQBrush(brush, painterTransform, toWorld.inverted(), devicePixelsPerUnit()), 0));
    for (size_t i = 0; i < shaped.layout.lines.size(); ++i) {
        const TextLayout::Line &line = shaped.layout.lines[i];
        const QPointF origin(line.x, line.baseline - shaped.ascents[i]);
        for (const QGlyphRun &run : shaped.runs[i])
            m_painter->drawGlyphRun(origin, run);
    }
    if (clip)
        m_painter->restore();
    else
        m_painter->setTransform(fullTransform());
}

QSizeF Context::measureString(const QString &text, const Font &font, QSizeF layoutSize,
                              const StringFormat &format) const
{
    return layoutText(text, font, layoutSize, format).naturalSize;
}

} // namespace graphics
