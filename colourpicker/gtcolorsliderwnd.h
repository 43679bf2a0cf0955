#pragma once

#include "colornotify.h"
#include "colourpicker/colorref.h"
#include "colourpicker/slidermodel.h"

#include <QImage>
#include <QWidget>

#include <vector>

class GTColorSelectorWnd;

// The vertical slider beside the colour field: a bar showing the gradient of
// the slider's component for the field's current position, and two arrows at
// the value. Dragged with the left button or moved with the navigation keys.
class GTColorSliderWnd : public QWidget
{
    Q_OBJECT
public:
    // `id` 0 means the slider announces nothing.
    GTColorSliderWnd(int id, QWidget *parent);

    void setColorField(GTColorSelectorWnd *field) { m_field = field; }

    void SetMode(int mode);
    // Moves to a component of the field (counted from the top with the flag).
    void SetValue(int z);
    // The two components of the field that shape the gradient.
    void SetParam(int index, int value);

    // A change from the colour field: takes its components and its z.
    void OnColorNotify(const COLORNOTIFY &notify);

    [[nodiscard]] int controlId() const { return m_id; }
    [[nodiscard]] const colourpicker::SliderModel &model() const { return m_model; }
    [[nodiscard]] QRect barRect() const { return m_bar; }

signals:
    // Only when no colour field is linked.
    void valueChanged(int value);

protected:
    // Tells the linked colour field, or whoever listens to valueChanged.
    virtual void OnValueChanged(int value);

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void track(int y);
    void endDrag();

    static constexpr int arrowSize = 6;

    const int m_id;
    colourpicker::SliderModel m_model;
    std::vector<colourpicker::Pixel> m_gradient; // one entry per bar row, bottom first
    QImage m_image;
    QRect m_frame;
    QRect m_bar; // inclusive
    bool m_tracking = false;
    GTColorSelectorWnd *m_field = nullptr; // not owned
};
