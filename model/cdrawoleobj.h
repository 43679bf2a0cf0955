#pragma once

#include "model/cdrawobj.h"

#include <memory>

class CDrawItem;

// The drawing object that shows an embedded data item in its rectangle.
class CDrawOleObj : public CDrawObj
{
public:
    CDrawOleObj();
    // A new wrapper around the item, which it owns.
    CDrawOleObj(const geokit::Rect &position, std::unique_ptr<CDrawItem> item);
    ~CDrawOleObj() override;

    [[nodiscard]] const char *className() const override { return "CDrawOleObj"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    void Serialize(model::ArchiveReader &ar) override;

    void Draw(graphics::Context &g) override;
    // Opens the item with the desktop's application for its type.
    void OnOpen(model::DocumentView *view) override;
    // A copy with its own copy of the item.
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    // Writes the item's bytes to a file in the temporary folder and opens it
    // with the desktop's application; false when that is not possible.
    virtual bool Activate();
    // Opens the item's property sheet.
    virtual void EditOleProperties(model::DocumentView *view);

    [[nodiscard]] CDrawItem *item() const { return m_item.get(); }
    void setItem(std::unique_ptr<CDrawItem> item);
    // The item's size, sheet millimetres.
    [[nodiscard]] geokit::Size extent() const { return m_extent; }
    void setExtent(geokit::Size extent) { m_extent = extent; }

protected:
    CDrawOleObj(const CDrawOleObj &other);

private:
    std::unique_ptr<CDrawItem> m_item;
    geokit::Size m_extent;
};
