#pragma once

#include "model/cdomoradoc.h"
#include "model/documentview.h"

#include <set>
#include <vector>

// A view that records what the document tells it. Device pixels are sheet
// millimetres times `zoom`.
class FakeView : public model::DocumentView
{
public:
    explicit FakeView(CDomoraDoc *doc, int zoom = 1) : m_doc(doc), m_zoom(zoom)
    {
        if (doc)
            doc->addView(this);
    }
    ~FakeView() override
    {
        if (m_doc)
            m_doc->removeView(this);
    }

    CDomoraDoc *document() const override { return m_doc; }
    geokit::Point toDevice(geokit::Point p) const override { return {p.x * m_zoom, p.y * m_zoom}; }
    geokit::Point toSheet(geokit::Point p) const override { return {p.x / m_zoom, p.y / m_zoom}; }
    void invalidateObject(const CDrawObj *o) override { invalidated.push_back(o); }
    void onUpdate(int hint, const CDrawObj *o) override { updates.emplace_back(hint, o); }
    void setPageSize(geokit::Size s) override { pageSizes.push_back(s); }
    void setPrintableArea(const geokit::Rect &r) override { printableAreas.push_back(r); }
    void deselect(const CDrawObj *o) override
    {
        selected.erase(o);
        departed.insert(o);
    }
    void clearSelection() override { selected.clear(); }
    bool isActive() const override { return active; }
    bool isSelected(const CDrawObj *o) const override { return selected.count(o) != 0; }
    int editMode() const override { return mode; }

    std::vector<const CDrawObj *> invalidated;
    std::vector<std::pair<int, const CDrawObj *>> updates;
    std::vector<geokit::Size> pageSizes;
    std::vector<geokit::Rect> printableAreas;
    std::set<const CDrawObj *> selected;
    std::set<const CDrawObj *> departed; // every object the view was told left
    bool active = true;
    int mode = 0;

private:
    CDomoraDoc *m_doc;
    int m_zoom;
};
