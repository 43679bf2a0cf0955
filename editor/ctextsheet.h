#pragma once

#include "editor/cpropertysheet.h"
#include "model/labelstyle.h"

class CBackgroundPage;
class CDomoraDoc;
class CDrawText;
class CPositionGroup;
class QCheckBox;
class QDoubleSpinBox;
class QPlainTextEdit;

namespace toolkit {
class ColorButton;
}

// "Proprietà oggetto di testo": position and size with the frame, the text
// with its font and colour, and the "Sfondo" of the box. OK writes back in
// one undo step.
class CTextSheet : public CPropertySheet
{
    Q_OBJECT
public:
    CTextSheet(CDomoraDoc &doc, CDrawText &text, QWidget *parent = nullptr);

    [[nodiscard]] CPositionGroup *positionGroup() const { return m_position; }
    [[nodiscard]] QPlainTextEdit *textEdit() const { return m_text; }
    [[nodiscard]] CBackgroundPage *backgroundPage() const { return m_background; }
    void editTextStyle();

    void accept() override;

private:
    CDomoraDoc &m_doc;
    CDrawText &m_object;
    LabelStyle m_label;
    CPositionGroup *m_position;
    QCheckBox *m_outlined;
    toolkit::ColorButton *m_border;
    QDoubleSpinBox *m_borderWidth;
    QPlainTextEdit *m_text;
    CBackgroundPage *m_background;
};
