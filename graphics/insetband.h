#pragma once

#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace graphics {

// Geometry of bands laid inside a closed outline (inset pens, wall bands).
// Coordinates are world units, y pointing down.

// Twice the signed area of the outline: positive when it runs clockwise on a
// y-down sheet.
[[nodiscard]] double signedArea2(const QPolygonF &outline);

// The unit normal of edge `edge` (vertex edge to the next) pointing into the
// outline; a null point for an edge of zero length.
[[nodiscard]] QPointF inwardNormal(const QPolygonF &outline, int edge);

// The band of the given width inside the outline along one edge, from fromMm
// to toMm measured along the edge from its start vertex (clamped to the
// edge; the whole edge when toMm is negative). Its outer side is the edge
// itself; where it reaches a corner it ends on the mitre line, so that the
// bands of neighbouring edges meet without gaps or overlaps. Very sharp
// corners (mitres longer than ten widths) are squared off instead. Empty for
// an edge of zero length or an outline of fewer than two vertices.
[[nodiscard]] QPolygonF insetEdgeBand(const QPolygonF &outline, int edge, double width,
                                      double fromMm = 0.0, double toMm = -1.0);

// The same for many edges of one outline, which is examined once.
class InsetBands
{
public:
    explicit InsetBands(const QPolygonF &outline);
    [[nodiscard]] QPolygonF band(int edge, double width, double fromMm = 0.0,
                                 double toMm = -1.0) const;
    [[nodiscard]] QPointF inwardNormal(int edge) const;

private:
    double mitreAlong(int edge, int other, double width, bool atStart) const;
    [[nodiscard]] int neighbour(int edge, int step) const;

    const QPolygonF &m_outline;
    bool m_clockwise;
    std::vector<QPointF> m_directions; // unit vectors; null for edges of no length
    std::vector<double> m_lengths;
};

} // namespace graphics
