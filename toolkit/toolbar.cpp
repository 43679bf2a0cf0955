#include "toolbar.h"

#include "commandtable.h"

#include <QAction>
#include <QActionEvent>
#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>

namespace toolkit {

namespace {

constexpr const char *buttonMimeType = "application/x-domora-toolbar-button";

bool &quickCustomizeFlag()
{
    static bool enabled = false;
    return enabled;
}

bool &toolTipsFlag()
{
    static bool enabled = true;
    return enabled;
}

bool &shortcutsInTipsFlag()
{
    static bool enabled = false;
    return enabled;
}

// Payload of a dragged button: the command and, when it comes from a
// toolbar, that toolbar and the button's index there.
QByteArray encodeButton(int commandId, int sourceBar, int sourceIndex)
{
    return QByteArray::number(commandId) + ' ' + QByteArray::number(sourceBar) + ' ' +
           QByteArray::number(sourceIndex);
}

struct DraggedButton
{
    int commandId = 0;
    int sourceBar = 0;
    int sourceIndex = -1;
};

bool decodeButton(const QMimeData *data, DraggedButton &button)
{
    if (!data || !data->hasFormat(QLatin1String(buttonMimeType)))
        return false;
    const QList<QByteArray> parts = data->data(QLatin1String(buttonMimeType)).split(' ');
    if (parts.size() != 3)
        return false;
    bool ok1 = false, ok2 = false, ok3 = false;
    button.commandId = parts[0].toInt(&ok1);
    button.sourceBar = parts[1].toInt(&ok2);
    button.sourceIndex = parts[2].toInt(&ok3);
    return ok1 && ok2 && ok3 && button.commandId > 0;
}

} // namespace

ToolBar::ToolBar(int barId, const QString &title, CommandTable &commands, QWidget *parent)
    : QToolBar(title, parent), m_barId(barId), m_commands(commands)
{
    setObjectName(objectNameFor(barId));
    setAcceptDrops(true);
}

QString ToolBar::objectNameFor(int barId)
{
    return QStringLiteral("ToolBar-%1").arg(barId);
}

void ToolBar::loadToolBar(const QList<ToolBarItem> &items)
{
    QList<int> ids;
    ids.reserve(items.size());
    for (const ToolBarItem &item : items) {
        ids.append(item.id);
        if (item.id == 0)
            continue;
        if (!m_commands.contains(item.id))
            m_commands.add({item.id, item.text, {}, item.icon, {}, false});
        else if (!item.icon.isNull())
            m_commands.setCollectionImage(item.id, item.icon);
    }
    m_defaultButtons.clear();
    for (int id : ids) {
        if (id == 0 || m_commands.contains(id))
            m_defaultButtons.append(id);
    }
    setButtons(m_defaultButtons);
}

void ToolBar::setButtons(const QList<int> &ids)
{
    QList<int> kept;
    for (int id : ids) {
        if (id == 0 || m_commands.contains(id))
            kept.append(id);
    }
    if (kept == m_buttons && actions().size() == m_buttons.size())
        return;
    m_buttons = kept;
    rebuild();
    emit buttonsChanged();
}

void ToolBar::insertButton(int index, int id)
{
    if (id != 0 && !m_commands.contains(id))
        return;
    QList<int> ids = m_buttons;
    ids.insert(std::clamp<qsizetype>(index, 0, ids.size()), id);
    setButtons(ids);
}

void ToolBar::removeButton(int index)
{
    if (index < 0 || index >= m_buttons.size())
        return;
    QList<int> ids = m_buttons;
    ids.removeAt(index);
    setButtons(ids);
}

void ToolBar::moveButton(int from, int to)
{
    if (from < 0 || from >= m_buttons.size())
        return;
    QList<int> ids = m_buttons;
    const int id = ids.takeAt(from);
    ids.insert(std::clamp<qsizetype>(to, 0, ids.size()), id);
    setButtons(ids);
}

void ToolBar::rebuild()
{
    m_rebuilding = true;
    const QList<QAction *> old = actions();
    clear();
    for (QAction *action : old) {
        if (action->isSeparator() && action->parent() == this)
            action->deleteLater();
    }
    for (int id : m_buttons) {
        if (id == 0)
            addSeparator();
        else
            addAction(m_commands.action(id));
    }
    m_rebuilding = false;
}

void ToolBar::actionEvent(QActionEvent *event)
{
    QToolBar::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    if (QWidget *button = widgetForAction(event->action()))
        button->installEventFilter(this);
    if (!m_rebuilding) {
        // A separator or a command added by other code than ours joins the
        // button list; any other action is not part of the saved layout.
        const QAction *action = event->action();
        const int index = int(actions().indexOf(event->action()));
        const bool separator = action->isSeparator();
        const int id = separator ? 0 : CommandTable::idOf(action);
        if (index >= 0 && (separator || (id > 0 && m_commands.action(id) == action))) {
            m_buttons.insert(std::min<qsizetype>(index, m_buttons.size()), id);
            emit buttonsChanged();
        }
    }
}

void ToolBar::setQuickCustomize(bool enabled)
{
    quickCustomizeFlag() = enabled;
}

bool ToolBar::quickCustomize()
{
    return quickCustomizeFlag();
}

void ToolBar::setShowToolTips(bool show)
{
    toolTipsFlag() = show;
}

bool ToolBar::showToolTips()
{
    return toolTipsFlag();
}

void ToolBar::setShortcutsInToolTips(bool show)
{
    shortcutsInTipsFlag() = show;
}

bool ToolBar::shortcutsInToolTips()
{
    return shortcutsInTipsFlag();
}

int ToolBar::buttonIndexOf(const QWidget *button) const
{
    const QList<QAction *> list = actions();
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (widgetForAction(list[i]) == button)
            return int(i);
    }
    return -1;
}

int ToolBar::insertIndexAt(const QPoint &pos) const
{
    const QList<QAction *> list = actions();
    const bool horizontal = orientation() == Qt::Horizontal;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QWidget *w = widgetForAction(list[i]);
        if (!w || !w->isVisible())
            continue;
        const QRect r = w->geometry();
        const int centre = horizontal ? r.center().x() : r.center().y();
        if ((horizontal ? pos.x() : pos.y()) < centre)
            return int(i);
    }
    return int(list.size());
}

bool ToolBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        const int index = buttonIndexOf(qobject_cast<QWidget *>(watched));
        const QAction *action = index >= 0 ? actions().value(index) : nullptr;
        if (!showToolTips() || !action) {
            QToolTip::hideText();
            return true;
        }
        QString tip = action->toolTip();
        if (shortcutsInToolTips() && !action->shortcut().isEmpty())
            tip +=
                QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip,
                           qobject_cast<QWidget *>(watched));
        return true;
    }
    if (event->type() == QEvent::MouseButtonPress && quickCustomize()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && (mouse->modifiers() & Qt::AltModifier)) {
            const int index = buttonIndexOf(qobject_cast<QWidget *>(watched));
            if (index >= 0) {
                startButtonDrag(index);
                return true;
            }
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void ToolBar::startButtonDrag(int index)
{
    const int id = m_buttons.value(index);
    if (id == 0)
        return;
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(QLatin1String(buttonMimeType), encodeButton(id, m_barId, index));
    drag->setMimeData(data);
    if (const QAction *action = m_commands.action(id); action && !action->icon().isNull())
        drag->setPixmap(action->icon().pixmap(iconSize()));
    // A button dropped outside every toolbar leaves its toolbar.
    if (drag->exec(Qt::MoveAction) == Qt::IgnoreAction && m_buttons.value(index) == id)
        removeButton(index);
}

void ToolBar::dragEnterEvent(QDragEnterEvent *event)
{
    DraggedButton button;
    if (decodeButton(event->mimeData(), button))
        event->acceptProposedAction();
    else
        QToolBar::dragEnterEvent(event);
}

void ToolBar::dragMoveEvent(QDragMoveEvent *event)
{
    DraggedButton button;
    if (decodeButton(event->mimeData(), button))
        event->acceptProposedAction();
    else
        QToolBar::dragMoveEvent(event);
}

void ToolBar::dropEvent(QDropEvent *event)
{
    auto *source = event->source() ? qobject_cast<ToolBar *>(event->source()) : nullptr;
    if (!dropButton(event->mimeData(), event->position().toPoint(), source)) {
        QToolBar::dropEvent(event);
        return;
    }
    // The copy action tells the dragging toolbar that nothing is left for it
    // to remove.
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

bool ToolBar::dropButton(const QMimeData *data, const QPoint &pos, ToolBar *source)
{
    DraggedButton button;
    if (!decodeButton(data, button))
        return false;
    int index = insertIndexAt(pos);
    if (button.sourceBar == m_barId && button.sourceIndex >= 0) {
        if (index > button.sourceIndex)
            --index;
        moveButton(button.sourceIndex, index);
        return true;
    }
    // A button dragged from another toolbar leaves it.
    if (button.sourceIndex >= 0 && source && source->barId() == button.sourceBar)
        source->removeButton(button.sourceIndex);
    insertButton(index, button.commandId);
    return true;
}

} // namespace toolkit
