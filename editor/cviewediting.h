#pragma once

#include "editor/tools/editingtools.h"
#include "editor/tools/roomgeometry.h"
#include "editor/vieweditinghook.h"
#include "model/openinginsertion.h"

#include <QPointF>
#include <QString>

#include <memory>
#include <optional>

class CDomoraDoc;
class CDomoraView;
class CDrawObj;
class CDrawPoly;
class QWidget;
class ViewReadouts;

// The drawing tools, click modes and editing commands of one plan view.
// The current tool is shared by all views; the click mode belongs to the
// view. A tool turns mouse drags into new objects (rooms, walls, shapes,
// texts, pictures); a click mode turns the next click on the selected room
// into an edit of it (a wall split or removed, a door placed, moved,
// resized, flipped...). Every change is preceded by its undo step.
class CViewEditing : public ViewEditingHook
{
public:
    CViewEditing(CDomoraView &view, ViewReadouts *readouts);
    ~CViewEditing() override;

    // The view's click mode (0 none).
    [[nodiscard]] int clickMode() const { return m_mode; }
    // The room the click mode works on.
    [[nodiscard]] CDrawPoly *modeRoom() const { return m_modeRoom; }
    // The door insertion under way, in the insertion's states.
    [[nodiscard]] const model::OpeningInsertion *insertion() const { return m_insertion.get(); }
    // The room or wall being drawn by the polygon and open-path tools.
    [[nodiscard]] CDrawObj *drawing() const { return m_drawing; }
    // The polygon tools' spacing rule: a vertex closer than this to the one
    // before is ignored while the rule is on.
    void setSpacing(bool on, double spacingMm);

    // ViewEditingHook
    bool handleCommand(int id) override;
    bool updateCommand(int id, toolkit::CommandUpdate &update) override;
    bool mousePress(QMouseEvent &event) override;
    bool mouseMove(QMouseEvent &event) override;
    bool mouseRelease(QMouseEvent &event) override;
    bool mouseDoubleClick(QMouseEvent &event) override;
    bool keyPress(QKeyEvent &event) override;
    void drawOverlay(QPainter &painter) override;
    [[nodiscard]] int editMode() const override { return m_mode; }
    void objectRemoved(const CDrawObj *object) override;

private:
    [[nodiscard]] CDomoraDoc &doc() const;
    [[nodiscard]] QWidget *window() const;
    // The one selected object when it is a room.
    [[nodiscard]] CDrawPoly *selectedRoom() const;
    [[nodiscard]] bool roomStillThere() const;
    void repaint();
    void prompt(const QString &text);

    // Commands.
    bool chooseTool(int id);
    void setTool(editing::Tool tool, int command = 0);
    void startClickMode(int mode, CDrawPoly *room);
    void endClickMode();
    void cancelEverything();
    void insertOpening();
    void splitSegmentCommand();
    void alignCommand(bool horizontal);
    void presetCommand(int id);
    void predefinedStyles();
    void moveCommand(int dxMm, int dyMm);
    void cloneCommand(bool offset);
    void colourCommand(bool fill);
    void documentType();
    void autoFormat();

    // Tools.
    void finishDrag(geokit::Point end);
    void createRoom(const std::vector<geokit::PointF> &vertices);
    void addDrawingVertex(geokit::Point point, bool shiftHeld);
    void finishDrawing();
    void showDrawingReadouts(geokit::Point mouse);

    // Click modes.
    void clickModePress(geokit::Point point, bool shiftHeld);
    void clickModeMove(geokit::Point point, bool buttonHeld, bool shiftHeld);
    void clickModeRelease(geokit::Point point);
    [[nodiscard]] std::optional<editing::SegmentHit> wallAt(geokit::Point point) const;
    [[nodiscard]] model::OpeningRef openingAt(geokit::Point point) const;
    void highlightWall(int segment);
    void highlightOpening(const model::OpeningRef &ref);
    void clearHighlights();
    void actOnOpening(const model::OpeningRef &ref);
    void turnOrScale(geokit::Point point);

    CDomoraView &m_view;
    ViewReadouts *m_readouts; // the frame's; may be null

    int m_mode = editing::clickmode::none;
    CDrawPoly *m_modeRoom = nullptr; // borrowed from the document
    std::unique_ptr<model::OpeningInsertion> m_insertion;
    std::unique_ptr<model::OpeningMover> m_mover;
    // Turning, scaling and resizing: the room as it was when the drag began.
    std::optional<editing::RoomShape> m_original;
    geokit::PointF m_centre;
    geokit::PointF m_pressMm;
    int m_resizeSegment = -1;
    int m_resizeOpening = -1;
    editing::OpeningEnd m_resizeEnd = editing::OpeningEnd::End;
    QString m_dragText; // the angle or factor shown while dragging

    // Drag tools.
    bool m_dragging = false;
    geokit::Point m_dragStart;
    geokit::Point m_dragNow;

    // Polygon and open-path tools.
    CDrawObj *m_drawing = nullptr; // borrowed from the document
    std::optional<geokit::Point> m_mouse;
    bool m_spacing = true;
    double m_spacingMm = 5.0;
};
