#pragma once

#include "geokit/geokit.h"
#include "model/labelstyle.h"

#include <QWidget>

class CPositionGroup;
class QCheckBox;
class QLineEdit;

// The "Generale" page of the room sheet: the caption (shown, its text, its
// style), where the room lies and how large it is, the room's description,
// and the buttons that scale the room and apply a room type.
class CRoomGeneralPage : public QWidget
{
    Q_OBJECT
public:
    CRoomGeneralPage(const LabelStyle &label, const QString &description,
                     const geokit::Rect &position, QWidget *parent = nullptr);

    // The caption with the page's visible flag and text.
    [[nodiscard]] LabelStyle label() const;
    [[nodiscard]] QString description() const;
    void setDescription(const QString &description);
    [[nodiscard]] geokit::Rect position() const;
    void setPosition(const geokit::Rect &position);

    // "S&tile...": the "Font" sheet on a copy of the caption.
    void editStyle();

signals:
    void scaleRequested();
    void presetRequested();

private:
    LabelStyle m_label;
    QCheckBox *m_visible;
    QLineEdit *m_text;
    CPositionGroup *m_position;
    QLineEdit *m_description;
};
