#pragma once

#include "geokit/geokit.h"
#include "model/brushstyle.h"
#include "model/labelstyle.h"
#include "model/persistent.h"
#include "model/segmentstyle.h"

#include <QString>
#include <Qt>

#include <array>
#include <memory>
#include <vector>

class CDomoraDoc;

namespace graphics {
class Context;
}
namespace model {
class DocumentView;
}

// The base of every drawing object: a bounding box in sheet millimetres
// (x right, y down) with a fill, per-edge segment styles and a caption.
// Itself concrete and stored as "CDrawObj". Handles are numbered from 1.
class CDrawObj : public model::Persistent
{
public:
    static constexpr int extraCount = 7;
    // Value of the picking class (extra4) for a picture read from a file.
    static constexpr int pictureClass = 3;

    // The object as read from an archive, before its data arrives.
    CDrawObj();
    // A new object on the rectangle, normalised.
    explicit CDrawObj(const geokit::Rect &position);
    ~CDrawObj() override;

    [[nodiscard]] const char *className() const override { return "CDrawObj"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    // The virtual operations, in slot order.
    [[nodiscard]] virtual int GetHandleCount() const;
    [[nodiscard]] virtual geokit::Point GetHandle(int handle) const;
    [[nodiscard]] virtual Qt::CursorShape GetHandleCursor(int handle) const;
    virtual void Draw(graphics::Context &g);
    // state: 1 selected, 2 active, 3 rotating, 4 scaling.
    virtual void DrawTracker(graphics::Context &g, int state);
    virtual void MoveTo(const geokit::Rect &position, model::DocumentView *view);
    // With `selected`: the first handle whose hit area holds the point, or 0.
    // Otherwise 1 when the object covers the point, else 0.
    [[nodiscard]] virtual int HitTest(geokit::Point point, model::DocumentView *view,
                                      bool selected);
    [[nodiscard]] virtual bool Intersects(const geokit::Rect &rect);
    virtual void OnOpen(model::DocumentView *view);
    virtual void OnEditProperties(model::DocumentView *view);
    // A copy of the object with every field, on the same spot or moved by
    // (5, 5); it belongs to no document yet.
    [[nodiscard]] virtual std::unique_ptr<CDrawObj> Clone(bool offset) const;
    virtual void SetSize(geokit::Size size);
    virtual void Scale(float factor);
    virtual void SetWidth(int cx);
    virtual void SetHeight(int cy);
    virtual void Rotate(double angleDeg, model::DocumentView *view);
    virtual void MirrorVertical();
    virtual void MirrorHorizontal();
    [[nodiscard]] virtual bool IsRectAllowed(model::DocumentView *view,
                                             const geokit::Rect &rect) const;
    // True without a view; else 1 <= x < sheet width and 1 <= y < sheet height.
    [[nodiscard]] virtual bool IsPointAllowed(model::DocumentView *view, geokit::Point point) const;
    // Moves a handle to the point: the rectangle edges the handle names take
    // its coordinates. Nothing happens for a point off the sheet.
    virtual void MoveHandleTo(int handle, geokit::Point point, model::DocumentView *view);

    // Clones the object into the document, which owns the copy.
    CDrawObj *CloneInto(CDomoraDoc &doc, bool offset) const;
    // The handle's hit square: 3 device pixels around the handle, in sheet units.
    [[nodiscard]] geokit::Rect GetHandleRect(int handle, model::DocumentView *view) const;
    // Asks the document to repaint this object in every view.
    void Invalidate();

    [[nodiscard]] const geokit::Rect &position() const { return m_position; }
    void setPosition(const geokit::Rect &position) { m_position = position; }
    [[nodiscard]] CDomoraDoc *document() const { return m_document; }
    void setDocument(CDomoraDoc *doc) { m_document = doc; }
    [[nodiscard]] qint32 objectFlag() const { return m_objectFlag; }
    void setObjectFlag(qint32 v) { m_objectFlag = v; }
    [[nodiscard]] qint32 objectWord() const { return m_objectWord; }
    void setObjectWord(qint32 v) { m_objectWord = v; }
    [[nodiscard]] const std::vector<SegmentStyle> &segmentStyles() const { return m_segmentStyles; }
    void setSegmentStyles(std::vector<SegmentStyle> styles) { m_segmentStyles = std::move(styles); }
    // Replaces one segment style; an index out of range is ignored.
    void setSegmentStyle(size_t index, SegmentStyle style);
    [[nodiscard]] const BrushStyle &fill() const { return m_fill; }
    void setFill(const BrushStyle &fill) { m_fill = fill; }
    [[nodiscard]] const LabelStyle &label() const { return m_label; }
    void setLabel(const LabelStyle &label) { m_label = label; }
    [[nodiscard]] qint32 flippedX() const { return m_flippedX; }
    [[nodiscard]] qint32 flippedY() const { return m_flippedY; }
    void setFlipped(qint32 x, qint32 y);
    [[nodiscard]] qint32 rotation() const { return m_rotation; }
    void setRotation(qint32 degrees) { m_rotation = degrees; }
    [[nodiscard]] const QString &typeName() const { return m_typeName; }
    void setTypeName(const QString &name) { m_typeName = name; }
    // extra1 ... extra7, numbered from 1.
    [[nodiscard]] qint32 extra(int number) const;
    void setExtra(int number, qint32 value);
    // extra4: 3 puts the object in the document's first picking pass.
    [[nodiscard]] qint32 pickingClass() const { return m_extra[3]; }

protected:
    CDrawObj(const CDrawObj &other);
    CDrawObj &operator=(const CDrawObj &) = delete;

    // Marks the owning document modified, when there is one.
    void setModified();
    // Repaints through the view when one is given, else through the document.
    void invalidateIn(model::DocumentView *view);
    // The width and height of the sheet this object lies on, or none.
    [[nodiscard]] static bool sheetSize(model::DocumentView *view, geokit::Size &size);

    geokit::Rect m_position;
    CDomoraDoc *m_document = nullptr; // not owned
    qint32 m_objectFlag = 1;
    qint32 m_objectWord = 1; // stored as 16 bits
    std::vector<SegmentStyle> m_segmentStyles;
    BrushStyle m_fill;
    LabelStyle m_label;
    qint32 m_flippedX = 0;
    qint32 m_flippedY = 0;
    qint32 m_rotation = 0; // 0, 90, 180 or 270
    QString m_typeName;
    std::array<qint32, extraCount> m_extra{0, 0, 0, 1, 0, 0, 0};
};
