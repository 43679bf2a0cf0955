#pragma once

#include "model/cdrawobj.h"

#include <vector>

// A free-standing wall: an open polyline of float vertices, one segment
// style per segment.
class CDrawOpenPath : public CDrawObj
{
public:
    // Picking distance from the wall's centre line, sheet millimetres.
    static constexpr int pickToleranceMm = 5;

    CDrawOpenPath();
    explicit CDrawOpenPath(const geokit::Rect &position);

    [[nodiscard]] const char *className() const override { return "CDrawOpenPath"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    [[nodiscard]] int GetHandleCount() const override;
    [[nodiscard]] geokit::Point GetHandle(int handle) const override;
    [[nodiscard]] Qt::CursorShape GetHandleCursor(int handle) const override;
    void Draw(graphics::Context &g) override;
    void MoveTo(const geokit::Rect &position, model::DocumentView *view) override;
    // Whether the rectangle's top-left point lies within 5 units of a segment.
    [[nodiscard]] bool Intersects(const geokit::Rect &rect) override;
    // Refused in Printnet documents, whose walls have a fixed look.
    void OnEditProperties(model::DocumentView *view) override;
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    void Rotate(double angleDeg, model::DocumentView *view) override;

    void AddPoint(geokit::PointF point);
    void setPoints(std::vector<geokit::PointF> points);
    [[nodiscard]] int pointCount() const { return static_cast<int>(m_points.size()); }
    [[nodiscard]] const std::vector<geokit::PointF> &points() const { return m_points; }
    void RecalcBounds();

    [[nodiscard]] qint32 pathValue() const { return m_pathValue; }
    void setPathValue(qint32 value) { m_pathValue = value; }

protected:
    CDrawOpenPath(const CDrawOpenPath &) = default;

private:
    std::vector<geokit::PointF> m_points;
    qint32 m_pathValue = 1;
};
