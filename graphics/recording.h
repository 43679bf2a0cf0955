#pragma once

#include "brush.h"
#include "font.h"
#include "pen.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QSize>
#include <QTransform>

#include <optional>
#include <vector>

namespace graphics {

// One drawing call as a context received it, in the world coordinates of the
// call, with the world transform in force at the time.
struct Record
{
    enum class Op
    {
        Line,
        Lines,
        Bezier,
        Arc,
        Rectangle,
        Ellipse,
        Polygon,
        Path,
        PolygonEdge,
        FillRectangle,
        FillEllipse,
        FillPolygon,
        FillPath,
        Image,
        String,
    };

    Op op = Op::Line;
    std::optional<Pen> pen;     // the stroking calls
    std::optional<Brush> brush; // the filling calls and strings
    QPolygonF points;           // lines, polylines, Béziers, polygons, the edge's outline
    QRectF rect;                // rectangles, ellipses, arcs, images, string layouts
    double startDeg = 0.0;      // arcs
    double sweepDeg = 0.0;
    QPainterPath path; // paths
    int edge = -1;     // PolygonEdge: the edge and the part of it stroked
    double fromMm = 0.0;
    double toMm = 0.0;
    QString text; // strings
    LogFont font;
    StringFormat format;
    QSize imageSize; // images
    QTransform transform;

    // Length of a line record (first to second point).
    [[nodiscard]] double length() const;
};

// What a recording context was asked to draw, for tests that check what a
// drawing routine did ("exactly two lines, each as long as the wall is wide").
class Recording
{
public:
    void add(Record record) { m_records.push_back(std::move(record)); }
    void clear() { m_records.clear(); }

    [[nodiscard]] const std::vector<Record> &records() const { return m_records; }
    [[nodiscard]] std::vector<Record> ofOp(Record::Op op) const;
    [[nodiscard]] qsizetype count(Record::Op op) const;
    [[nodiscard]] qsizetype size() const { return static_cast<qsizetype>(m_records.size()); }

private:
    std::vector<Record> m_records;
};

} // namespace graphics
