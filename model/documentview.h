#pragma once

#include "geokit/geokit.h"

class CDomoraDoc;
class CDrawObj;

namespace model {

// What the document and its objects need from a view that shows the
// document. The editor's plan view implements it and registers itself with
// CDomoraDoc::addView().
class DocumentView
{
public:
    virtual ~DocumentView() = default;

    [[nodiscard]] virtual CDomoraDoc *document() const = 0;

    // Sheet millimetres to device pixels and back, at the view's zoom and
    // scroll position.
    [[nodiscard]] virtual geokit::Point toDevice(geokit::Point sheetMm) const = 0;
    [[nodiscard]] virtual geokit::Point toSheet(geokit::Point device) const = 0;

    // Repaints the area of one object (its position with the selection marks).
    virtual void invalidateObject(const CDrawObj *object) = 0;
    // The document changed: hint 1 with an object repaints that object, any
    // other hint the whole view.
    virtual void onUpdate(int hint, const CDrawObj *object) = 0;
    virtual void setPageSize(geokit::Size sheetMm) = 0;
    // The part of a placard sheet that may be drawn on, sheet millimetres.
    virtual void setPrintableArea(const geokit::Rect &areaMm) = 0;
    // The object is leaving the document; the view forgets it if selected.
    virtual void deselect(const CDrawObj *object) = 0;
    virtual void clearSelection() = 0;

    // Selection marks: drawn only in the active view, for selected objects.
    [[nodiscard]] virtual bool isActive() const = 0;
    [[nodiscard]] virtual bool isSelected(const CDrawObj *object) const = 0;
    // The view's editing mode; 30 rotates and 40 scales the selection.
    [[nodiscard]] virtual int editMode() const = 0;
};

} // namespace model
