#pragma once

#include "editor/cpropertysheet.h"
#include "model/openingops.h"

class QComboBox;
class QRadioButton;
class QWidget;

namespace toolkit {
class ColorButton;
}

// The door/window sheet with its page "Generale": colours of the stroke,
// the arc and the wall gap, the side the leaves open to, the dash styles of
// stroke and arc, the kind of arc, the type, and a preview of the symbol
// redrawn on every change. "Inserisci porta/finestra" prepares a new opening,
// "Proprietà porta/finestra" edits one.
class COpeningSheet : public CPropertySheet
{
    Q_OBJECT
public:
    enum class Purpose
    {
        Insert,
        Edit
    };

    // For insertion the page starts from the defaults; for an opening from
    // its values.
    COpeningSheet(Purpose purpose, const model::OpeningProperties &properties,
                  QWidget *parent = nullptr);

    [[nodiscard]] model::OpeningProperties properties() const;
    void setProperties(const model::OpeningProperties &properties);
    // How many times the preview has been drawn (it is drawn on every change).
    [[nodiscard]] int previewPaints() const;

    // The list texts of the type box, in type order.
    [[nodiscard]] static QStringList typeNames();

private:
    toolkit::ColorButton *m_stroke;
    toolkit::ColorButton *m_arc;
    toolkit::ColorButton *m_background;
    QRadioButton *m_inwards;
    QRadioButton *m_outwards;
    QComboBox *m_strokeDash;
    QComboBox *m_arcDash;
    QComboBox *m_arcKind;
    QComboBox *m_type;
    QWidget *m_preview;
};
