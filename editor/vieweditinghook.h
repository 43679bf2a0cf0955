#pragma once

#include "toolkit/commandtable.h"

class CDrawObj;
class QKeyEvent;
class QMouseEvent;
class QPainter;

// What a plan view hands to the drawing tools and click modes: its mouse
// and keys while no zoom tool is on, a look at every command before the view
// handles it, and the chance to draw over the plan (rubber bands, the room
// being drawn). A view owns one.
class ViewEditingHook : public toolkit::CommandTarget
{
public:
    // Each returns true when the tools took the event; the view then does
    // nothing more with it.
    virtual bool mousePress(QMouseEvent &event) = 0;
    virtual bool mouseMove(QMouseEvent &event) = 0;
    virtual bool mouseRelease(QMouseEvent &event) = 0;
    virtual bool mouseDoubleClick(QMouseEvent &event) = 0;
    virtual bool keyPress(QKeyEvent &event) = 0;
    // Draws over the plan; the painter maps sheet millimetres to the window.
    virtual void drawOverlay(QPainter &painter) = 0;
    // The click mode (0 none; 30 turns and 40 scales the selected room).
    [[nodiscard]] virtual int editMode() const = 0;
    // The object is leaving the plan: nothing may hold on to it.
    virtual void objectRemoved(const CDrawObj *object) = 0;
};
