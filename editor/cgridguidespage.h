#pragma once

#include "editor/gridguides.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The "Griglia e guide" page: how the view draws its grid and guides. Used
// by the view's sheet and by the options.
class CGridGuidesPage : public QWidget
{
    Q_OBJECT
public:
    explicit CGridGuidesPage(QWidget *parent = nullptr);

    void setSettings(const GridGuideSettings &settings);
    [[nodiscard]] GridGuideSettings settings() const;

private:
    QPushButton *colourButton(QRgb *colour);
    void showColour(QPushButton *button, QRgb colour);

    GridGuideSettings m_settings;
    QComboBox *m_guideStyle;
    QPushButton *m_guideColour;
    QCheckBox *m_showGuides;
    QSpinBox *m_guideWidth;
    QRadioButton *m_dots;
    QRadioButton *m_squares;
    QPushButton *m_gridColour;
    QComboBox *m_gridStyle;
    QPushButton *m_lineColour;
    QSpinBox *m_spacing;
    QSpinBox *m_majorEvery;
    QCheckBox *m_showGrid;
    QCheckBox *m_printGrid;
};

// The view's sheet "Proprietà" with the page "Generale"; true when the user
// confirmed, with the settings changed.
bool editGridGuides(QWidget *parent, GridGuideSettings &settings);
