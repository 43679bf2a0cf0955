#pragma once

#include "colornotify.h"
#include "colourpicker/colorref.h"

#include <QImage>
#include <QWidget>

class GTColorSelectorWnd;

// The preview well: shows the colour field's current colour.
class GTColorWellWnd : public QWidget
{
    Q_OBJECT
public:
    GTColorWellWnd(int id, QWidget *parent);

    void setColorField(GTColorSelectorWnd *field) { m_field = field; }
    [[nodiscard]] COLORREF color() const { return m_color; }

    // A change from the colour field: takes the field's colour, tells
    // colorTaken (the dialog refreshes its edit boxes) and repaints.
    void OnColorNotify(const COLORNOTIFY &notify);

signals:
    void colorTaken(COLORREF color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    COLORREF m_color = 0x00FF80;
    QImage m_image;
    GTColorSelectorWnd *m_field = nullptr; // not owned
};
