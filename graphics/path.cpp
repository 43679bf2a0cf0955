#include "path.h"

namespace graphics {

Path::Path(FillMode mode) : m_mode(mode)
{
}

void Path::startFigure()
{
    m_open = false;
}

void Path::closeFigure()
{
    if (m_open && !m_figures.empty()) {
        m_figures.back().path.closeSubpath();
        m_figures.back().closed = true;
    }
    m_open = false;
}

QPainterPath &Path::current(QPointF start)
{
    if (!m_open || m_figures.empty()) {
        m_figures.push_back({});
        m_figures.back().path.moveTo(start);
        m_open = true;
    } else {
        m_figures.back().path.lineTo(start);
    }
    return m_figures.back().path;
}

void Path::addLine(QPointF a, QPointF b)
{
    current(a).lineTo(b);
}

void Path::addLines(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    QPainterPath &p = current(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        p.lineTo(points[i]);
}

void Path::addArc(const QRectF &rect, double startDeg, double sweepDeg)
{
    // QPainterPath counts angles counter-clockwise on screen; ours turn from
    // +x towards +y, so both change sign.
    QPainterPath probe;
    probe.arcMoveTo(rect, -startDeg);
    QPainterPath &p = current(probe.currentPosition());
    p.arcTo(rect, -startDeg, -sweepDeg);
}

void Path::addBezier(QPointF p1, QPointF c1, QPointF c2, QPointF p2)
{
    current(p1).cubicTo(c1, c2, p2);
}

void Path::addRectangle(const QRectF &rect)
{
    addPolygon(QPolygonF(rect.normalized()).mid(0, 4));
}

void Path::addEllipse(const QRectF &rect)
{
    Figure f;
    f.path.addEllipse(rect);
    f.closed = true;
    m_figures.push_back(std::move(f));
    m_open = false;
}

void Path::addPolygon(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    Figure f;
    f.path.addPolygon(points);
    f.path.closeSubpath();
    f.closed = true;
    m_figures.push_back(std::move(f));
    m_open = false;
}

QRectF Path::bounds() const
{
    return toPainterPath().boundingRect();
}

QPainterPath Path::toPainterPath() const
{
    QPainterPath all;
    all.setFillRule(m_mode == FillMode::Alternate ? Qt::OddEvenFill : Qt::WindingFill);
    for (const Figure &f : m_figures)
        all.addPath(f.path);
    return all;
}

} // namespace graphics
