#pragma once

#include "brush.h"
#include "font.h"
#include "path.h"
#include "pen.h"
#include "quality.h"
#include "status.h"

#include <QHash>
#include <QBrush>
#include <QImage>
#include <QPen>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace graphics {

class Recording;
struct Record;

// What drawing code may ask about the device it draws on.
struct DeviceInfo
{
    bool printer = false;  // paper: comment notes are not drawn there
    int bitsPerPixel = 32; // 8 or less: notes are drawn fainter
    double dpiX = 96.0;
    double dpiY = 96.0;
};

// The drawing context every plan object draws into. World units are sheet
// millimetres: the caller (view, printing, export) sets the painter up so that
// its transform maps one unit to one millimetre of the sheet on the device,
// and the world transform of the context acts before that mapping.
//
// A context draws on a QPainter, records every call in a Recording, or both.
// Drawing never stops on a failure: each call stores its outcome in
// lastStatus() and returns; invalid input (non-finite coordinates, a hatch
// style outside 0-52, an empty texture) draws nothing and reports
// InvalidParameter.
class Context
{
public:
    // Draws on an active painter; the painter's state is restored when the
    // context ends.
    explicit Context(QPainter *painter);
    // Records only; nothing is painted.
    explicit Context(Recording &recording);
    // Paints and records.
    Context(QPainter *painter, Recording &recording);
    ~Context();
    Context(const Context &) = delete;
    Context &operator=(const Context &) = delete;

    [[nodiscard]] Status lastStatus() const { return m_status; }
    // For drawing code that meets a failure of its own (a picture that does
    // not load) and wants it kept with the others.
    void setLastStatus(Status status) { m_status = status; }

    [[nodiscard]] const DeviceInfo &device() const { return m_device; }
    void setDevice(const DeviceInfo &device) { m_device = device; }
    [[nodiscard]] bool isPainting() const { return m_painter != nullptr; }

    // Quality: presets 0-5 (quality.h); any other number changes nothing.
    void applyQualityPreset(int preset);
    [[nodiscard]] QualitySettings quality() const { return m_quality; }
    void setQuality(const QualitySettings &quality);
    void setSmoothingMode(SmoothingMode mode);
    void setTextRenderingHint(TextRenderingHint hint);
    void setCompositingQuality(CompositingQuality quality);
    void setPixelOffsetMode(PixelOffsetMode mode);

    // The world transform (world units to sheet millimetres).
    [[nodiscard]] QTransform transform() const { return m_world; }
    void setTransform(const QTransform &transform);
    void resetTransform() { setTransform(QTransform()); }
    void translateTransform(double dx, double dy, MatrixOrder order = MatrixOrder::Prepend);
    void scaleTransform(double sx, double sy, MatrixOrder order = MatrixOrder::Prepend);
    void rotateTransform(double degrees, MatrixOrder order = MatrixOrder::Prepend);
    // Device pixels per world unit (the geometric mean of the two axes).
    [[nodiscard]] double devicePixelsPerUnit() const;

    // Saves the transform, quality and clip; restore() brings back the last
    // saved state.
    void save();
    void restore();

    void setClipRect(const QRectF &rect);
    void intersectClipRect(const QRectF &rect);
    void resetClip();
    // The part of the world that can still show on the device, for skipping
    // objects that lie wholly outside it. Unbounded when nothing is painted.
    [[nodiscard]] QRectF visibleClipBounds() const;
    // Whether anything drawn inside the rectangle (world units) can show.
    [[nodiscard]] bool isVisible(const QRectF &rect) const;

    void drawLine(const Pen &pen, QPointF a, QPointF b);
    // An open polyline through the points.
    void drawLines(const Pen &pen, const QPolygonF &points);
    // Separate lines with one pen (recorded as one Line record each).
    void drawLineSegments(const Pen &pen, const std::vector<QLineF> &lines);
    void drawBezier(const Pen &pen, QPointF p1, QPointF c1, QPointF c2, QPointF p2);
    // Angles as in Path::addArc.
    void drawArc(const Pen &pen, const QRectF &rect, double startDeg, double sweepDeg);
    void drawRectangle(const Pen &pen, const QRectF &rect);
    void drawEllipse(const Pen &pen, const QRectF &rect);
    void drawPolygon(const Pen &pen, const QPolygonF &points);
    void drawPath(const Pen &pen, const Path &path);
    // One edge (vertex `edge` to the next, the last to the first) of a closed
    // outline, from `fromMm` to `toMm` along it (the whole edge when toMm is
    // negative). With an inset pen the band lies inside the outline and meets
    // the bands of the neighbouring edges in mitred corners; the pen's fill
    // paints it, dashes and caps do not apply. With a centred pen it is a
    // line like drawLine.
    void drawPolygonEdge(const Pen &pen, const QPolygonF &outline, int edge, double fromMm = 0.0,
                         double toMm = -1.0);
    // Several whole edges of one outline with the same pen, painted at once;
    // recorded as one PolygonEdge record per edge.
    void drawPolygonEdges(const Pen &pen, const QPolygonF &outline, const std::vector<int> &edges);

    void fillRectangle(const Brush &brush, const QRectF &rect);
    void fillEllipse(const Brush &brush, const QRectF &rect);
    void fillPolygon(const Brush &brush, const QPolygonF &points,
                     FillMode mode = FillMode::Alternate);
    void fillPath(const Brush &brush, const Path &path);

    // The picture stretched into the rectangle.
    void drawImage(const QImage &image, const QRectF &rect);

    // Text laid out in the rectangle (textlayout.h for the rules) and filled
    // with the brush. Text whose em is less than a device pixel high cannot
    // be told from a smudge and is not painted (it is still recorded), nor
    // is text with an em of more than 100,000 pixels.
    void drawString(const QString &text, const Font &font, const QRectF &layout,
                    const StringFormat &format, const Brush &brush);
    // The size the text takes when laid out in a rectangle of the given size
    // (zero width: no wrapping), before lines are dropped for the height.
    [[nodiscard]] QSizeF measureString(const QString &text, const Font &font, QSizeF layoutSize,
                                       const StringFormat &format) const;

    // Reads a picture once per context (a drawing) and keeps it for later
    // calls with the same path. A null image when it cannot be read, with
    // FileNotFound or UnknownImageFormat as the status.
    QImage loadImage(const QString &path);

private:
    struct SavedState
    {
        QTransform world;
        QualitySettings quality;
    };

    bool beginCall(bool valid);
    void record(Record &&r);
    void updatePainterTransform();
    void applyHints();
    [[nodiscard]] QTransform fullTransform() const;
    void strokeFigures(const Pen &pen, const std::vector<Path::Figure> &figures);
    void strokeOpen(const Pen &pen, const QPainterPath &figure);
    void strokeClosedInset(const Pen &pen, const QPainterPath &figure);
    void fillBrushPath(const Brush &brush, const QPainterPath &path);
    [[nodiscard]] QBrush worldBrush(const Brush &brush);
    [[nodiscard]] QPen worldPen(const Pen &pen, Qt::PenCapStyle cap, double widthFactor);
    void paintEdges(const Pen &pen, const QPolygonF &outline, const std::vector<int> &edges,
                    double fromMm, double toMm);

    QPainter *m_painter = nullptr;
    Recording *m_recording = nullptr;
    Status m_status = Status::Ok;
    DeviceInfo m_device;
    QualitySettings m_quality;
    QTransform m_world;
    QTransform m_page; // the painter's own mapping when the context began
    QTransform m_full; // world, page and pixel offset: what the painter is given
    double m_pixelsPerUnit = 1.0;
    std::vector<SavedState> m_saved;
    QHash<QString, QImage> m_images;

    struct BrushCache
    {
        Brush brush;
        QTransform transform;
        QBrush qbrush;
    };
    struct PenCache
    {
        Pen pen;
        QTransform transform;
        Qt::PenCapStyle cap;
        double widthFactor;
        QPen qpen;
    };
    mutable std::optional<QRectF> m_visible; // visibleClipBounds(), until the view changes
    std::optional<BrushCache> m_brushCache;
    std::optional<PenCache> m_penCache;
};

} // namespace graphics
