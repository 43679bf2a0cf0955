#pragma once

#include "model/brushstyle.h"
#include "styles/brushpage.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace toolkit {
class ColorButton;
}

// The "Sfondo" page: how an area is filled (transparent, a solid colour, a
// linear gradient, or a texture from the picture library), each colour with
// its own opacity. It edits a copy of a BrushStyle; commit() writes it back.
class CBackgroundPage : public QWidget
{
    Q_OBJECT
public:
    explicit CBackgroundPage(const BrushStyle &style, QWidget *parent = nullptr);

    // Shows another style (the page's values are replaced).
    void setStyle(const BrushStyle &style);
    [[nodiscard]] styles::BrushPageValues values() const;
    void setValues(const styles::BrushPageValues &values);

    // On leaving the page: a texture fill without a picture offers to make
    // the object transparent (No brings back the kind it had).
    void leave();
    // Leaves the page, then stores the values into the style; a value out of
    // range is reported and nothing is stored (false).
    bool commit(BrushStyle &style);
    // The style with the page's values, without questions; unchanged while
    // a value is out of range.
    [[nodiscard]] BrushStyle currentStyle() const;

    // Opens the picture picker on the texture library.
    void browseTexture();

signals:
    void changed();

private:
    void updateEnabling();
    void showValues(const styles::BrushPageValues &v);

    BrushStyle m_style; // the style as it came in
    int m_kindOnEntry;
    QButtonGroup *m_kind;
    toolkit::ColorButton *m_solid;
    QSlider *m_solidAlpha;
    toolkit::ColorButton *m_start;
    QSlider *m_startAlpha;
    toolkit::ColorButton *m_end;
    QSlider *m_endAlpha;
    QComboBox *m_direction;
    QLineEdit *m_texture;
    QPushButton *m_browse;
    QSpinBox *m_angle;
    QSpinBox *m_scale;
    QWidget *m_preview;
};
