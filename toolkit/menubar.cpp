#include "menubar.h"

#include "commandtable.h"
#include "popupmenu.h"

#include <QAction>

namespace toolkit {

namespace {

bool &highlightDisabledFlag()
{
    static bool highlight = false;
    return highlight;
}

} // namespace

MenuBar::MenuBar(CommandTable &commands, QWidget *parent) : QMenuBar(parent), m_commands(commands)
{
    setObjectName(QStringLiteral("MenuBar"));
}

PopupMenu *MenuBar::addPopup(const QString &title)
{
    auto *menu = new PopupMenu(title, m_commands, this);
    menu->setToolTipsVisible(m_showToolTips);
    if (!m_sideText.isEmpty())
        menu->setSideText(m_sideText, m_sideFont);
    addMenu(menu);
    return menu;
}

QList<PopupMenu *> MenuBar::popups() const
{
    QList<PopupMenu *> result;
    for (QAction *action : actions()) {
        if (auto *menu = qobject_cast<PopupMenu *>(action->menu()))
            result.append(menu);
    }
    return result;
}

PopupMenu *MenuBar::popup(const QString &title) const
{
    for (PopupMenu *menu : popups()) {
        if (CommandTable::withoutMnemonic(menu->title()) == CommandTable::withoutMnemonic(title))
            return menu;
    }
    return nullptr;
}

void MenuBar::clearPopups()
{
    const QList<PopupMenu *> menus = popups();
    clear();
    for (PopupMenu *menu : menus)
        menu->deleteLater();
}

void MenuBar::setShowToolTips(bool show)
{
    m_showToolTips = show;
    std::function<void(PopupMenu *)> apply = [&](PopupMenu *menu) {
        menu->setToolTipsVisible(show);
        for (PopupMenu *sub : menu->popups())
            apply(sub);
    };
    for (PopupMenu *menu : popups())
        apply(menu);
}

void MenuBar::setHighlightDisabledItems(bool highlight)
{
    highlightDisabledFlag() = highlight;
}

bool MenuBar::highlightDisabledItems()
{
    return highlightDisabledFlag();
}

void MenuBar::setSideText(const QString &text, const QFont &font)
{
    m_sideText = text;
    m_sideFont = font;
    for (PopupMenu *menu : popups())
        menu->setSideText(text, font);
}

} // namespace toolkit
