#pragma once

#include "geokit/geokit.h"

#include <QGroupBox>

class QSpinBox;

// Where an object lies on the sheet: its distance from the left and top
// edges and its width and height, whole millimetres.
class CPositionGroup : public QGroupBox
{
    Q_OBJECT
public:
    // `minimumSize`: the smallest width and height allowed (0 lets a line lie
    // flat).
    CPositionGroup(const QString &title, const geokit::Rect &position, int minimumSize,
                   QWidget *parent = nullptr);

    // Left, top, left + width, top + height.
    [[nodiscard]] geokit::Rect position() const;
    void setPosition(const geokit::Rect &position);

private:
    QSpinBox *m_left;
    QSpinBox *m_top;
    QSpinBox *m_width;
    QSpinBox *m_height;
};
