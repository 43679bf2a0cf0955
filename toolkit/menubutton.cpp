#include "menubutton.h"

#include <QAction>
#include <QMenu>

namespace toolkit {

namespace {

constexpr const char *menuCommandProperty = "menuButtonCommand";

} // namespace

MenuButton::MenuButton(QWidget *parent) : QPushButton(parent), m_menu(new QMenu(this))
{
    connect(this, &QPushButton::clicked, this, &MenuButton::showCommandMenu);
}

QAction *MenuButton::addCommand(int id, const QString &text)
{
    if (id == 0)
        return m_menu->addSeparator();
    QAction *action = m_menu->addAction(text);
    action->setProperty(menuCommandProperty, id);
    return action;
}

void MenuButton::setImage(const QPixmap &image)
{
    setIcon(QIcon(image));
    setIconSize(image.size());
}

int MenuButton::showCommandMenu()
{
    const QPoint at =
        m_menuOnRight ? mapToGlobal(QPoint(width(), 0)) : mapToGlobal(QPoint(0, height()));
    setDown(true);
    const QAction *chosen = m_menu->exec(at);
    setDown(false);
    m_chosen = chosen ? chosen->property(menuCommandProperty).toInt() : 0;
    emit commandChosen(m_chosen);
    return m_chosen;
}

} // namespace toolkit
