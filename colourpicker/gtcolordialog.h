#pragma once

#include "colourpicker/colorref.h"

#include <QDialog>

class GTColorSelectorWnd;
class GTColorSliderWnd;
class GTColorWellWnd;
class QLineEdit;

// The picker's main window: the colour field, the slider, the preview well,
// the six mode buttons and the edit boxes for R/G/B, H/S/V and hex. A change
// anywhere runs through field, slider and well at once and comes back to the
// edit boxes, except to the boxes the user is typing in.
class GTColorDialog : public QDialog
{
    Q_OBJECT
public:
    // Starts in H mode with the given colour.
    explicit GTColorDialog(COLORREF startColor = 0x0000FF, QWidget *parent = nullptr);

    // The colour shown in the well.
    [[nodiscard]] COLORREF color() const;

public slots:
    // Shows the chosen colour as "(R-…,G-…,B-…)", then closes.
    void accept() override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void createControls();
    void OnModeClicked(int mode);
    void OnRgbChanged();
    void OnHsvChanged();
    void OnHexChanged();
    void RefreshEditBoxes(COLORREF color);
    void OnAbout();

    QLineEdit *m_hex = nullptr;
    QLineEdit *m_v = nullptr;
    QLineEdit *m_s = nullptr;
    QLineEdit *m_h = nullptr;
    QLineEdit *m_r = nullptr;
    QLineEdit *m_g = nullptr;
    QLineEdit *m_b = nullptr;
    GTColorSelectorWnd *m_field = nullptr;
    GTColorWellWnd *m_well = nullptr;
    GTColorSliderWnd *m_slider = nullptr;
    // Taken while a change typed into that group of boxes runs through the
    // controls, so that those boxes are not rewritten under the user.
    bool m_hsvBusy = false;
    bool m_rgbBusy = false;
    bool m_hexBusy = false;
};
