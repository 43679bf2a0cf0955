#pragma once

#include "editor/cpropertysheet.h"

class CBackgroundPage;
class CDomoraDoc;
class CDrawPoly;
class CRoomGeneralPage;
class CWallsPage;

// "Proprietà stanza poligonale": the room's caption, position and
// description, its walls and its floor, on copies. OK writes them back in
// one undo step (the position moves and stretches the room); Annulla leaves
// the room as it was. While the sheet is open the current wall is
// highlighted in the plan.
class CRoomSheet : public CPropertySheet
{
    Q_OBJECT
public:
    CRoomSheet(CDomoraDoc &doc, CDrawPoly &room, QWidget *parent = nullptr);

    [[nodiscard]] CRoomGeneralPage *generalPage() const { return m_general; }
    [[nodiscard]] CWallsPage *wallsPage() const { return m_walls; }
    [[nodiscard]] CBackgroundPage *backgroundPage() const { return m_background; }

    // "Scal&a...": the room's copy grows or shrinks about its centre by the
    // factor, doors and windows with it.
    void scaleBy(double factor);
    void askScale();
    // "&Predefiniti...": a room type on the copies.
    void askPreset();

    void accept() override;
    void done(int result) override;

private:
    void highlight(int segment);
    void showPositionOfCopy();

    CDomoraDoc &m_doc;
    CDrawPoly &m_room;
    CRoomGeneralPage *m_general;
    CWallsPage *m_walls;
    CBackgroundPage *m_background;
};
