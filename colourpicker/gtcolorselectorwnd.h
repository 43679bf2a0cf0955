#pragma once

#include "colornotify.h"
#include "colourpicker/colorref.h"
#include "colourpicker/selectormodel.h"

#include <QImage>
#include <QWidget>

class GTColorSliderWnd;
class GTColorWellWnd;

// The square colour field: shows the two components of the mode that the
// slider does not hold and a ring marking the current position. A drag with
// the left (or middle) button and the arrow keys move the position.
class GTColorSelectorWnd : public QWidget
{
    Q_OBJECT
public:
    // `id` 0 means the field announces nothing.
    GTColorSelectorWnd(int id, QWidget *parent);

    void setSlider(GTColorSliderWnd *slider) { m_slider = slider; }
    void setWell(GTColorWellWnd *well) { m_well = well; }

    // The colour is lost: read it first and set it again to keep it.
    void SetMode(int mode);
    [[nodiscard]] COLORREF GetColor() const;
    void SetColor(COLORREF color);
    void SetZ(int z);

    // A change from the slider: its position becomes the field's z.
    void OnColorNotify(const COLORNOTIFY &notify);

    [[nodiscard]] int controlId() const { return m_id; }
    [[nodiscard]] const colourpicker::SelectorModel &model() const { return m_model; }
    [[nodiscard]] QRect colorArea() const { return m_area; }

signals:
    // Told last, after the slider and the well.
    void colorChanged(COLORREF color);

protected:
    // Tells the slider, then the well, then whoever listens to colorChanged.
    virtual void OnColorChanged(COLORREF color);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void track(QPoint point);
    void endDrag(QPoint point);
    void updateCursor(QPoint point);

    const int m_id;
    colourpicker::SelectorModel m_model;
    bool m_tracking = false;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    QRect m_area; // inclusive; also the hit rectangle
    QImage m_image;
    GTColorSliderWnd *m_slider = nullptr; // not owned
    GTColorWellWnd *m_well = nullptr;     // not owned
};
