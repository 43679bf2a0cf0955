#pragma once

#include "editor/tools/wallstyles.h"

#include <QWizard>

class QCheckBox;
class QListWidget;
class QRadioButton;

namespace platform {
class Registry;
}

// "Stile dei muri": which walls (all of the room's, or only the selected
// one), which of the predefined wall styles, and what of it to take (always
// visible, the width, the colours and patterns). The welcome page is skipped
// while WizardBorderStyleHideWelcome is 1.
class CWallStyleWizard : public QWizard
{
    Q_OBJECT
public:
    enum PageId
    {
        WelcomePage = 0,
        WallsPage = 1,
        StylePage = 2
    };

    explicit CWallStyleWizard(platform::Registry &registry, QWidget *parent = nullptr);

    [[nodiscard]] editing::WallStyleChoice choice() const;
    void setChoice(const editing::WallStyleChoice &choice);

    void accept() override;

private:
    platform::Registry &m_registry;
    QCheckBox *m_hideWelcome;
    QRadioButton *m_allWalls;
    QRadioButton *m_oneWall;
    QListWidget *m_styles;
    QCheckBox *m_visible;
    QCheckBox *m_width;
    QCheckBox *m_fill;
};
