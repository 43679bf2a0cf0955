#pragma once

#include "editor/cpropertysheet.h"
#include "model/labelstyle.h"

class CBackgroundPage;
class CDomoraDoc;
class CDrawRect;
class CPositionGroup;
class QCheckBox;
class QDoubleSpinBox;
class QSlider;
class QSpinBox;

namespace toolkit {
class ColorButton;
}

// The sheet of a rectangle primitive (rectangle, rounded rectangle, ellipse,
// line, tinted box, note, dimension line): position and size, the outline,
// the corners of a rounded rectangle, "Sfondo" for shapes with a fill, and
// the text style of notes and dimension lines. OK writes back in one undo
// step.
class CRectSheet : public CPropertySheet
{
    Q_OBJECT
public:
    CRectSheet(CDomoraDoc &doc, CDrawRect &rect, QWidget *parent = nullptr);

    [[nodiscard]] CPositionGroup *positionGroup() const { return m_position; }
    [[nodiscard]] CBackgroundPage *backgroundPage() const { return m_background; }
    [[nodiscard]] LabelStyle text() const { return m_text; }
    void editTextStyle();

    void accept() override;

private:
    CDomoraDoc &m_doc;
    CDrawRect &m_rect;
    LabelStyle m_text;
    CPositionGroup *m_position;
    QCheckBox *m_outlined;
    toolkit::ColorButton *m_stroke;
    QSlider *m_strokeAlpha;
    QDoubleSpinBox *m_penWidth;
    QSpinBox *m_cornerWidth = nullptr;
    QSpinBox *m_cornerHeight = nullptr;
    CBackgroundPage *m_background = nullptr;
    class QPlainTextEdit *m_noteText = nullptr;
};
