#include "popupmenu.h"

#include "commandtable.h"
#include "tearoffmanager.h"
#include "usertoolsmanager.h"
#include "visualmanager.h"
#include "workspace.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

namespace toolkit {

namespace {

constexpr int sideBandPadding = 3;

} // namespace

PopupMenu::PopupMenu(const QString &title, CommandTable &commands, QWidget *parent)
    : QMenu(title, parent), m_commands(commands)
{
    connect(this, &QMenu::aboutToShow, this, &PopupMenu::fillUserTools);
}

QAction *PopupMenu::addCommand(int id, const QString &text)
{
    if (id == 0)
        return addSeparator();
    const Workspace *workspace = Workspace::instance();
    const UserToolsManager *tools = workspace ? workspace->userToolsManager() : nullptr;
    if (tools && id == tools->dummyCommand() && !m_toolsMarker) {
        m_toolsMarker = new QAction(this);
        m_toolsMarker->setVisible(false);
        addAction(m_toolsMarker);
        fillUserTools();
        return m_toolsMarker;
    }
    QAction *action = m_commands.action(id);
    if (!action)
        action = m_commands.add({id, text, {}, {}, {}, false});
    addAction(action);
    return action;
}

PopupMenu *PopupMenu::addPopup(const QString &title)
{
    auto *menu = new PopupMenu(title, m_commands, this);
    menu->setToolTipsVisible(toolTipsVisible());
    addMenu(menu);
    return menu;
}

QList<PopupMenu *> PopupMenu::popups() const
{
    QList<PopupMenu *> result;
    for (QAction *action : actions()) {
        if (auto *menu = qobject_cast<PopupMenu *>(action->menu()))
            result.append(menu);
    }
    return result;
}

QList<int> PopupMenu::commandIds() const
{
    QList<int> ids;
    for (const QAction *action : actions()) {
        if (action->isSeparator())
            ids.append(0);
        else if (const int id = CommandTable::idOf(action); id > 0 && !action->menu())
            ids.append(id);
    }
    return ids;
}

void PopupMenu::setTearOffId(int id)
{
    const Workspace *workspace = Workspace::instance();
    TearOffManager *tearOff = workspace ? workspace->tearOffManager() : nullptr;
    if (id == 0 && tearOff)
        id = tearOff->takeNextId();
    m_tearOffId = id;
    setTearOffEnabled(tearOff && id != 0 && tearOff->isTearOffId(id));
}

void PopupMenu::setSideText(const QString &text, const QFont &font)
{
    m_sideText = text;
    m_sideFont = font;
    const QMargins margins = contentsMargins();
    const int band = text.isEmpty() ? 0 : QFontMetrics(font).height() + 2 * sideBandPadding;
    setContentsMargins(band, margins.top(), margins.right(), margins.bottom());
    // The menu keeps its measured size until something like a font change
    // tells it to measure its items again.
    QEvent remeasure(QEvent::FontChange);
    QCoreApplication::sendEvent(this, &remeasure);
}

void PopupMenu::paintEvent(QPaintEvent *event)
{
    QMenu::paintEvent(event);
    if (m_sideText.isEmpty())
        return;
    QPainter painter(this);
    const QRect band(0, 0, contentsMargins().left(), height());
    VisualManager::instance()->drawMenuSideBand(painter, band);
    painter.setFont(m_sideFont);
    painter.setPen(VisualManager::instance()->menuSideBandTextColor());
    painter.translate(band.left(), band.bottom());
    painter.rotate(-90);
    const QRect upright(sideBandPadding * 2, 0, band.height() - 4 * sideBandPadding, band.width());
    painter.drawText(upright, Qt::AlignLeft | Qt::AlignVCenter, m_sideText);
}

void PopupMenu::fillUserTools()
{
    if (!m_toolsMarker)
        return;
    for (QAction *item : std::as_const(m_toolItems))
        removeAction(item);
    m_toolItems.clear();
    const Workspace *workspace = Workspace::instance();
    const UserToolsManager *tools = workspace ? workspace->userToolsManager() : nullptr;
    if (!tools)
        return;
    const QList<UserTool> list = tools->tools();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const int id = tools->commandOf(int(i));
        QAction *action = m_commands.action(id);
        if (!action)
            action = m_commands.add({id, list[i].caption, {}, {}, {}, false});
        action->setText(list[i].caption);
        action->setVisible(true);
        m_toolItems.append(action);
    }
    insertActions(m_toolsMarker, m_toolItems);
}

} // namespace toolkit
