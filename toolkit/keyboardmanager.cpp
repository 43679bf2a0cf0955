#include "keyboardmanager.h"

#include "commandtable.h"

#include "platform/registry.h"

#include <QAction>

namespace toolkit {

namespace {

// Keys of one command in the saved map, separated by tabs (a tab key is
// written as the word "Tab", so the character never occurs inside one).
QString encodeKeys(const QList<QKeySequence> &keys)
{
    QStringList texts;
    for (const QKeySequence &key : keys)
        texts.append(key.toString(QKeySequence::PortableText));
    return texts.join(QLatin1Char('\t'));
}

QList<QKeySequence> decodeKeys(const QString &text)
{
    QList<QKeySequence> keys;
    for (const QString &part : text.split(QLatin1Char('\t'), Qt::SkipEmptyParts)) {
        const QKeySequence key = QKeySequence::fromString(part, QKeySequence::PortableText);
        if (!key.isEmpty() && !keys.contains(key))
            keys.append(key);
    }
    return keys;
}

} // namespace

bool KeyboardManager::assign(CommandTable &commands, int id, const QKeySequence &key)
{
    QAction *target = commands.action(id);
    if (!target || key.isEmpty())
        return false;
    if (const int owner = commandForKey(commands, key); owner != 0 && owner != id)
        remove(commands, owner, key);
    QList<QKeySequence> keys = target->shortcuts();
    if (!keys.contains(key))
        keys.append(key);
    target->setShortcuts(keys);
    return true;
}

bool KeyboardManager::remove(CommandTable &commands, int id, const QKeySequence &key)
{
    QAction *target = commands.action(id);
    if (!target)
        return false;
    QList<QKeySequence> keys = target->shortcuts();
    if (!keys.removeAll(key))
        return false;
    target->setShortcuts(keys);
    return true;
}

void KeyboardManager::resetAll(CommandTable &commands)
{
    for (int id : commands.ids())
        commands.action(id)->setShortcuts(commands.defaultShortcuts(id));
}

int KeyboardManager::commandForKey(const CommandTable &commands, const QKeySequence &key)
{
    for (int id : commands.ids()) {
        if (commands.action(id)->shortcuts().contains(key))
            return id;
    }
    return 0;
}

QString KeyboardManager::keysText(const CommandTable &commands, int id)
{
    const QAction *action = commands.action(id);
    if (!action)
        return {};
    QStringList texts;
    for (const QKeySequence &key : action->shortcuts())
        texts.append(key.toString(QKeySequence::NativeText));
    return texts.join(QStringLiteral(", "));
}

bool KeyboardManager::saveState(platform::Registry &registry, const QString &section,
                                const CommandTable &commands) const
{
    registry.deleteKey(section);
    bool ok = true;
    for (int id : commands.ids())
        ok = registry.writeString(section, QString::number(id),
                                  encodeKeys(commands.action(id)->shortcuts())) &&
             ok;
    return ok;
}

bool KeyboardManager::loadState(const platform::Registry &registry, const QString &section,
                                CommandTable &commands) const
{
    const QStringList names = registry.valueNames(section);
    if (names.isEmpty())
        return false;
    // Keys first leave every command they are given to, so that a key moved
    // from one command to another does not end up on both.
    QHash<int, QList<QKeySequence>> saved;
    for (const QString &name : names) {
        bool ok = false;
        const int id = name.toInt(&ok);
        if (ok && commands.contains(id))
            saved.insert(id, decodeKeys(registry.readString(section, name)));
    }
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        commands.action(it.key())->setShortcuts({});
    for (auto it = saved.cbegin(); it != saved.cend(); ++it) {
        for (const QKeySequence &key : it.value())
            assign(commands, it.key(), key);
    }
    return true;
}

} // namespace toolkit
