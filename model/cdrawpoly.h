#pragma once

#include "model/cdrawobj.h"

#include <vector>

// A room: a closed polygon of float vertices in sheet millimetres. Edge i
// runs from vertex i to vertex i + 1 (the last edge closes the polygon) and
// has segment style i, with the doors and windows placed on it.
class CDrawPoly : public CDrawObj
{
public:
    CDrawPoly();
    // A new room: tan fill, caption "Stanza" hidden, in capitals.
    explicit CDrawPoly(const geokit::Rect &position);

    [[nodiscard]] const char *className() const override { return "CDrawPoly"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    [[nodiscard]] int GetHandleCount() const override;
    [[nodiscard]] geokit::Point GetHandle(int handle) const override;
    [[nodiscard]] Qt::CursorShape GetHandleCursor(int handle) const override;
    void Draw(graphics::Context &g) override;
    // Moves the vertices with the rectangle; refused off the sheet when the
    // placement rules are enforced.
    void MoveTo(const geokit::Rect &position, model::DocumentView *view) override;
    [[nodiscard]] bool Intersects(const geokit::Rect &rect) override;
    void OnEditProperties(model::DocumentView *view) override;
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    void Rotate(double angleDeg, model::DocumentView *view) override;
    // Moves vertex `handle` - 1. Refused off the sheet (placement rules) and,
    // once the room is complete, when a door or window would no longer fit
    // on one of the two edges that meet at the vertex.
    void MoveHandleTo(int handle, geokit::Point point, model::DocumentView *view) override;
    // Lays the openings of every enabled segment along it and draws them.
    virtual void DrawOpenings(graphics::Context &g);

    // Appends a vertex and grows position to hold it.
    void AddPoint(geokit::PointF point);
    // Replaces the vertices; position becomes their bounding box.
    void setPoints(std::vector<geokit::PointF> points);
    [[nodiscard]] int pointCount() const { return static_cast<int>(m_points.size()); }
    [[nodiscard]] const std::vector<geokit::PointF> &points() const { return m_points; }
    // Position as the bounding box of the vertices.
    void RecalcBounds();
    // Whether every opening on the edges at vertex `index` still fits when
    // the vertex moves to `to`.
    [[nodiscard]] bool openingsFitAfterMove(int index, geokit::PointF to) const;

    [[nodiscard]] const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    [[nodiscard]] float polyValueA() const { return m_polyValueA; }
    [[nodiscard]] qint32 polyValueB() const { return m_polyValueB; }
    [[nodiscard]] float polyValueC() const { return m_polyValueC; }
    void setPolyValues(float a, qint32 b, float c);
    // 1 while the room is being drawn, 0 once complete and after reading.
    [[nodiscard]] qint32 fresh() const { return m_fresh; }
    void setFresh(qint32 fresh) { m_fresh = fresh; }

protected:
    CDrawPoly(const CDrawPoly &) = default;

private:
    std::vector<geokit::PointF> m_points;
    QString m_name;
    float m_polyValueA = 0.0f;
    qint32 m_polyValueB = 0;
    float m_polyValueC = 0.0f;
    qint32 m_fresh = 1;
};

// The bounding box of float vertices, truncated to whole millimetres.
[[nodiscard]] geokit::Rect boundingBox(const std::vector<geokit::PointF> &points);
