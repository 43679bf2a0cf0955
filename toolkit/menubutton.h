#pragma once

#include "toolkit/toolkitglobal.h"

#include <QPushButton>

class QMenu;

namespace toolkit {

// A button that drops down a menu of commands and reports the command chosen
// once the menu has closed (0 when the menu was dismissed).
class TOOLKIT_EXPORT MenuButton : public QPushButton
{
    Q_OBJECT

public:
    explicit MenuButton(QWidget *parent = nullptr);

    // Items of the button's own menu; id 0 adds a separator.
    QAction *addCommand(int id, const QString &text);
    [[nodiscard]] QMenu *commandMenu() const { return m_menu; }
    // The menu opens to the right of the button instead of below it.
    void setMenuOnRight(bool right) { m_menuOnRight = right; }

    // Shows the image (a tool tip is set with QWidget::setToolTip).
    void setImage(const QPixmap &image);

    [[nodiscard]] int chosenCommand() const { return m_chosen; }
    // Opens the menu and returns the command chosen, as a click does.
    int showCommandMenu();

signals:
    // After the menu has closed, with the command chosen from it.
    void commandChosen(int id);

private:
    QMenu *m_menu;
    bool m_menuOnRight = false;
    int m_chosen = 0;
};

} // namespace toolkit
