#pragma once

#include "editor/cpropertysheet.h"

class CDomoraDoc;
class CDrawOpenPath;
class CPositionGroup;
class CWallsPage;

// "Proprietà muro (percorso aperto)": where the wall lies and how large it
// is, and its segments in the wall table with their editor. OK writes back
// in one undo step.
class CWallSheet : public CPropertySheet
{
    Q_OBJECT
public:
    CWallSheet(CDomoraDoc &doc, CDrawOpenPath &wall, QWidget *parent = nullptr);

    [[nodiscard]] CPositionGroup *positionGroup() const { return m_position; }
    [[nodiscard]] CWallsPage *wallsPage() const { return m_walls; }

    void accept() override;

private:
    CDomoraDoc &m_doc;
    CDrawOpenPath &m_wall;
    CPositionGroup *m_position;
    CWallsPage *m_walls;
};
