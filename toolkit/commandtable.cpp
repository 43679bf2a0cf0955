#include "commandtable.h"

#include <QAction>
#include <QRegularExpression>
#include <QWidget>
#include <QWidgetAction>

namespace toolkit {

namespace {

constexpr const char *commandIdProperty = "toolkitCommandId";

// A command shown as a widget on every toolbar it is placed on.
class FactoryWidgetAction : public QWidgetAction
{
public:
    FactoryWidgetAction(QObject *parent, CommandTable::WidgetFactory factory)
        : QWidgetAction(parent), m_factory(std::move(factory))
    {
    }

protected:
    QWidget *createWidget(QWidget *parent) override { return m_factory(parent); }

private:
    CommandTable::WidgetFactory m_factory;
};

} // namespace

CommandTable::CommandTable(QWidget *frame) : QObject(frame), m_frame(frame)
{
}

QAction *CommandTable::add(const CommandInfo &info)
{
    if (QAction *existing = m_actions.value(info.id)) {
        applyInfo(existing, info);
        return existing;
    }
    return attach(new QAction(m_frame), info);
}

QAction *CommandTable::addWidgetCommand(const CommandInfo &info, WidgetFactory factory)
{
    if (QAction *existing = m_actions.value(info.id)) {
        m_actions.remove(info.id);
        m_order.removeAll(info.id);
        m_frame->removeAction(existing);
        existing->deleteLater();
    }
    return attach(new FactoryWidgetAction(m_frame, std::move(factory)), info);
}

QAction *CommandTable::attach(QAction *action, const CommandInfo &info)
{
    action->setProperty(commandIdProperty, info.id);
    action->setShortcutContext(Qt::WindowShortcut);
    applyInfo(action, info);
    m_actions.insert(info.id, action);
    m_order.append(info.id);
    m_frame->addAction(action);
    const int id = info.id;
    connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
    return action;
}

void CommandTable::applyInfo(QAction *action, const CommandInfo &info)
{
    action->setText(info.text);
    const qsizetype lineFeed = info.prompt.indexOf(QLatin1Char('\n'));
    const QString status = lineFeed < 0 ? info.prompt : info.prompt.left(lineFeed);
    QString tip = lineFeed < 0 ? QString() : info.prompt.mid(lineFeed + 1);
    if (tip.isEmpty())
        tip = withoutMnemonic(info.text);
    action->setStatusTip(status);
    action->setToolTip(tip);
    m_ownIcons.insert(info.id, info.icon);
    if (m_userImageIndex.value(info.id, -1) < 0)
        action->setIcon(info.icon.isNull() ? m_collection.value(info.id) : info.icon);
    action->setCheckable(info.checkable);
    m_defaultShortcuts.insert(info.id, info.shortcuts);
    action->setShortcuts(info.shortcuts);
}

int CommandTable::idOf(const QAction *action)
{
    return action ? action->property(commandIdProperty).toInt() : 0;
}

QString CommandTable::withoutMnemonic(const QString &text)
{
    QString plain = text.section(QLatin1Char('\t'), 0, 0);
    plain.replace(QLatin1String("&&"), QLatin1String("\x01"));
    plain.remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    while (plain.endsWith(QLatin1Char('.')))
        plain.chop(1);
    return plain.trimmed();
}

QString CommandTable::plainText(int id) const
{
    const QAction *action = m_actions.value(id);
    return action ? withoutMnemonic(action->text()) : QString();
}

QString CommandTable::description(int id) const
{
    const QAction *action = m_actions.value(id);
    return action ? action->statusTip() : QString();
}

QList<QKeySequence> CommandTable::defaultShortcuts(int id) const
{
    return m_defaultShortcuts.value(id);
}

void CommandTable::setCollectionImage(int id, const QIcon &icon)
{
    m_collection.insert(id, icon);
    QAction *action = m_actions.value(id);
    if (action && m_ownIcons.value(id).isNull() && m_userImageIndex.value(id, -1) < 0)
        action->setIcon(icon);
}

void CommandTable::setUserImage(int id, const QIcon &icon, int userImageIndex)
{
    QAction *action = m_actions.value(id);
    if (icon.isNull() || userImageIndex < 0) {
        m_userImageIndex.remove(id);
        if (action) {
            const QIcon own = m_ownIcons.value(id);
            action->setIcon(own.isNull() ? m_collection.value(id) : own);
        }
        return;
    }
    m_userImageIndex.insert(id, userImageIndex);
    if (action)
        action->setIcon(icon);
}

} // namespace toolkit
