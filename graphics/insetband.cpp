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

qsizetype wrap(qsizetype i, qsizetype n)
{
    return ((i % n) + n) % n;
}

QPointF direction(const QPolygonF &outline, qsizetype edge)
{
    const qsizetype n = outline.size();
    const QPointF d = outline[wrap(edge + 1, n)] - outline[wrap(edge, n)];
    const double len = std::hypot(d.x(), d.y());
    return len > 0 ? d / len : QPointF();
}

// The nearest edge before `edge` with a length, so that repeated vertices do
// not spoil the mitre; -1 when there is none.
qsizetype previousRealEdge(const QPolygonF &outline, qsizetype edge)
{
    const qsizetype n = outline.size();
    for (qsizetype k = 1; k < n; ++k) {
        const qsizetype e = wrap(edge - k, n);
        if (!direction(outline, e).isNull())
            return e;
    }
    return -1;
}

qsizetype nextRealEdge(const QPolygonF &outline, qsizetype edge)
{
    const qsizetype n = outline.size();
    for (qsizetype k = 1; k < n; ++k) {
        const qsizetype e = wrap(edge + k, n);
        if (!direction(outline, e).isNull())
            return e;
    }
    return -1;
}

// How far along the inner line of `edge` (measured from the edge's start
// vertex) the mitre with the neighbouring edge `other` lies. `atStart` tells
// which end of the edge the corner is at.
double mitreAlong(const QPolygonF &outline, qsizetype edge, qsizetype other, double width,
                  bool atStart, double edgeLength)
{
    const QPointF n = inwardNormal(outline, static_cast<int>(edge));
    const QPointF d = direction(outline, edge);
    const double fallback = atStart ? 0.0 : edgeLength;
    if (other < 0 || other == edge)
        return fallback;
    const QPointF m = n + inwardNormal(outline, static_cast<int>(other));
    const double mLen = std::hypot(m.x(), m.y());
    if (mLen < 1e-9)
        return fallback;
    const QPointF unit = m / mLen;
    const double cosHalf = dot(unit, n);
    if (cosHalf < 1.0 / miterLimit)
        return fallback;
    const QPointF corner = unit * (width / cosHalf); // from the vertex
    return (atStart ? 0.0 : edgeLength) + dot(corner, d);
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
    if (outline.size() < 2)
        return {};
    const QPointF d = direction(outline, edge);
    const bool clockwise = signedArea2(outline) >= 0;
    return clockwise ? QPointF(-d.y(), d.x()) : QPointF(d.y(), -d.x());
}

QPolygonF insetEdgeBand(const QPolygonF &outline, int edge, double width, double fromMm,
                        double toMm)
{
    const qsizetype n = outline.size();
    if (n < 2 || edge < 0 || edge >= n || !(width > 0))
        return {};
    const QPointF start = outline[edge];
    const QPointF d = direction(outline, edge);
    if (d.isNull())
        return {};
    const double length = QLineF(start, outline[wrap(edge + 1, n)]).length();
    const QPointF inward = inwardNormal(outline, edge) * width;

    double innerStart =
        mitreAlong(outline, edge, previousRealEdge(outline, edge), width, true, length);
    double innerEnd = mitreAlong(outline, edge, nextRealEdge(outline, edge), width, false, length);
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
