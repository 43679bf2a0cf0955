#include "insetband.h"

#include <QLineF>

#include <algorithm>
#include <cmath>

namespace graphics {

namespace {

constexpr double miterLimit = 10.0;

double dot(QPointF a, QPointF b)
{
    return a.x() * b.x() + a.y() * b.y();
}

QPointF normalOf(QPointF d, bool clockwise)
{
    return clockwise ? QPointF(-d.y(), d.x()) : QPointF(d.y(), -d.x());
}

} // namespace

double signedArea2(const QPolygonF &outline)
{
    double sum = 0.0;
    const qsizetype n = outline.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF &a = outline[i];
        const QPointF &b = outline[(i + 1) % n];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum;
}

QPointF inwardNormal(const QPolygonF &outline, int edge)
{
    return InsetBands(outline).inwardNormal(edge);
}

QPolygonF insetEdgeBand(const QPolygonF &outline, int edge, double width, double fromMm,
                        double toMm)
{
    return InsetBands(outline).band(edge, width, fromMm, toMm);
}

InsetBands::InsetBands(const QPolygonF &outline)
    : m_outline(outline), m_clockwise(signedArea2(outline) >= 0)
{
    const qsizetype n = outline.size();
    m_directions.reserve(static_cast<size_t>(n));
    m_lengths.reserve(static_cast<size_t>(n));
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF d = outline[(i + 1) % n] - outline[i];
        const double length = std::sqrt(d.x() * d.x() + d.y() * d.y());
        m_directions.push_back(length > 0 ? d / length : QPointF());
        m_lengths.push_back(length);
    }
}

QPointF InsetBands::inwardNormal(int edge) const
{
    if (m_outline.size() < 2 || edge < 0 || edge >= m_outline.size())
        return {};
    return normalOf(m_directions[static_cast<size_t>(edge)], m_clockwise);
}

// The nearest edge before (step -1) or after (step +1) `edge` with a length,
// so that repeated vertices do not spoil the mitre; -1 when there is none.
int InsetBands::neighbour(int edge, int step) const
{
    const int n = static_cast<int>(m_lengths.size());
    for (int k = 1; k < n; ++k) {
        const int e = ((edge + step * k) % n + n) % n;
        if (m_lengths[static_cast<size_t>(e)] > 0)
            return e;
    }
    return -1;
}

// How far along the inner line of `edge` (measured from the edge's start
// vertex) the mitre with the neighbouring edge `other` lies; `atStart` tells
// which end of the edge the corner is at.
double InsetBands::mitreAlong(int edge, int other, double width, bool atStart) const
{
    const double length = m_lengths[static_cast<size_t>(edge)];
    const double fallback = atStart ? 0.0 : length;
    if (other < 0 || other == edge)
        return fallback;
    const QPointF d = m_directions[static_cast<size_t>(edge)];
    const QPointF n = normalOf(d, m_clockwise);
    const QPointF m = n + normalOf(m_directions[static_cast<size_t>(other)], m_clockwise);
    const double mLen = std::sqrt(m.x() * m.x() + m.y() * m.y());
    if (mLen < 1e-9)
        return fallback;
    const QPointF unit = m / mLen;
    const double cosHalf = dot(unit, n);
    if (cosHalf < 1.0 / miterLimit)
        return fallback;
    const QPointF corner = unit * (width / cosHalf); // from the vertex
    return fallback + dot(corner, d);
}

QPolygonF InsetBands::band(int edge, double width, double fromMm, double toMm) const
{
    const qsizetype n = m_outline.size();
    if (n < 2 || edge < 0 || edge >= n || !(width > 0))
        return {};
    const double length = m_lengths[static_cast<size_t>(edge)];
    if (!(length > 0))
        return {};
    const QPointF start = m_outline[edge];
    const QPointF d = m_directions[static_cast<size_t>(edge)];
    const QPointF inward = normalOf(d, m_clockwise) * width;

    double innerStart = mitreAlong(edge, neighbour(edge, -1), width, true);
    double innerEnd = mitreAlong(edge, neighbour(edge, +1), width, false);
    if (innerStart > innerEnd)
        innerStart = innerEnd = (innerStart + innerEnd) / 2.0;

    const double from = std::clamp(fromMm, 0.0, length);
    const double to = toMm < 0 ? length : std::clamp(toMm, 0.0, length);
    if (to <= from)
        return {};
    const bool whole = from <= 0.0 && to >= length;
    const double innerFrom = whole ? innerStart : std::clamp(from, innerStart, innerEnd);
    const double innerTo = whole ? innerEnd : std::clamp(to, innerStart, innerEnd);

    return QPolygonF({start + d * from, start + d * to, start + inward + d * innerTo,
                      start + inward + d * innerFrom});
}

} // namespace graphics
