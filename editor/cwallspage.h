#pragma once

#include "geokit/geokit.h"
#include "model/segmentstyle.h"

#include <QWidget>

#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTableWidget;

namespace toolkit {
class ColorButton;
}

// The "Muri" page of the room and wall sheets: the table of the walls and
// the editor of the current one (shown, width in sheet millimetres or real
// metres, fill). It works on copies of the outline and of the wall styles;
// the sheet takes them back on OK.
class CWallsPage : public QWidget
{
    Q_OBJECT
public:
    // `closed`: a room, whose last wall runs back to the first vertex.
    CWallsPage(std::vector<geokit::PointF> points, std::vector<SegmentStyle> segments, double scale,
               bool closed, QWidget *parent = nullptr);

    [[nodiscard]] const std::vector<geokit::PointF> &points() const { return m_points; }
    [[nodiscard]] const std::vector<SegmentStyle> &segments() const { return m_segments; }
    // Replaces the copies (after a change made on another page).
    void setShape(std::vector<geokit::PointF> points, std::vector<SegmentStyle> segments);

    [[nodiscard]] int currentSegment() const { return m_current; }
    // Stores the editor into the current wall, then shows the other one;
    // false when the editor holds a value that cannot be stored.
    bool setCurrentSegment(int index);
    // The editor's values into the copy of the current wall; a width that is
    // not a number is reported and nothing is stored.
    bool storeEditor();

    [[nodiscard]] QTableWidget *table() const { return m_table; }
    [[nodiscard]] QString widthText() const;
    void setWidthText(const QString &text);
    [[nodiscard]] int unitIndex() const;
    void setUnitIndex(int index);

    // "&Proprietà estese..." and "Stile dei &muri..." of the current wall.
    void editSegment();
    void runWallStyleWizard();

signals:
    void currentSegmentChanged(int index);
    // The outline changed (a vertex moved in the segment dialog).
    void shapeChanged();

private:
    void refreshTable();
    void loadEditor();
    void updateEnabling();

    std::vector<geokit::PointF> m_points;
    std::vector<SegmentStyle> m_segments;
    double m_scale;
    bool m_closed;
    int m_current = 0;
    int m_unit = 0;

    QTableWidget *m_table;
    QCheckBox *m_enabled;
    QLineEdit *m_width;
    QComboBox *m_unitList;
    QButtonGroup *m_kind;
    toolkit::ColorButton *m_solid;
    QSlider *m_solidAlpha;
    QLineEdit *m_texture;
    QPushButton *m_browse;
    QSpinBox *m_textureScale;
    QSpinBox *m_textureAngle;
    QComboBox *m_hatch;
    toolkit::ColorButton *m_foreground;
    toolkit::ColorButton *m_background;
};
