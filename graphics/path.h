#pragma once

#include <QPainterPath>
#include <QPolygonF>

#include <vector>

namespace graphics {

enum class FillMode
{
    Alternate = 0, // even-odd
    Winding = 1,
};

// A path of figures built the way plan drawing code builds outlines: each
// addition joins the current figure with a straight line from its last point,
// until the figure is closed or a new one is started. Angles are in degrees,
// measured from the +x axis towards +y (clockwise on a y-down sheet).
class Path
{
public:
    explicit Path(FillMode mode = FillMode::Alternate);

    void startFigure();
    void closeFigure();

    void addLine(QPointF a, QPointF b);
    void addLines(const QPolygonF &points);
    // An arc of the ellipse inscribed in rect.
    void addArc(const QRectF &rect, double startDeg, double sweepDeg);
    void addBezier(QPointF p1, QPointF c1, QPointF c2, QPointF p2);
    // Closed figures of their own.
    void addRectangle(const QRectF &rect);
    void addEllipse(const QRectF &rect);
    void addPolygon(const QPolygonF &points);

    [[nodiscard]] FillMode fillMode() const { return m_mode; }
    [[nodiscard]] bool isEmpty() const { return m_figures.empty(); }
    [[nodiscard]] QRectF bounds() const;

    struct Figure
    {
        QPainterPath path;
        bool closed = false;
    };
    [[nodiscard]] const std::vector<Figure> &figures() const { return m_figures; }
    // All figures in one QPainterPath with the path's fill rule.
    [[nodiscard]] QPainterPath toPainterPath() const;

private:
    QPainterPath &current(QPointF start);

    FillMode m_mode;
    std::vector<Figure> m_figures;
    bool m_open = false; // the last figure takes further additions
};

} // namespace graphics
