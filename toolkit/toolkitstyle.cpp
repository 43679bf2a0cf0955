#include "toolkitstyle.h"

#include "menubar.h"
#include "visualmanager.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace toolkit {

namespace {

bool insideMdiArea(const QWidget *widget)
{
    return widget && qobject_cast<const QMdiArea *>(widget->parentWidget());
}

bool onToolBar(const QWidget *widget)
{
    return widget && qobject_cast<const QToolBar *>(widget->parentWidget());
}

BarInfo toolBarInfo(const QStyleOption *option, const QWidget *widget)
{
    BarInfo info;
    info.kind = BarKind::ToolBar;
    info.widget = widget;
    info.horizontal = (option->state & QStyle::State_Horizontal) != 0;
    if (const auto *bar = qobject_cast<const QToolBar *>(widget))
        info.horizontal = bar->orientation() == Qt::Horizontal;
    return info;
}

ButtonState buttonState(QStyle::State state)
{
    const bool hot = state & QStyle::State_MouseOver;
    if (state & QStyle::State_Sunken)
        return ButtonState::Pressed;
    if (state & QStyle::State_On)
        return hot ? ButtonState::CheckedHot : ButtonState::Checked;
    if (hot && (state & QStyle::State_Enabled))
        return ButtonState::Hot;
    return ButtonState::Normal;
}

QStyle *platformStyle()
{
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        return fusion;
    return nullptr;
}

} // namespace

ToolkitStyle::ToolkitStyle() : QProxyStyle(platformStyle())
{
}

void ToolkitStyle::ensureInstalled()
{
    if (!qApp || qobject_cast<ToolkitStyle *>(QApplication::style()))
        return;
    QApplication::setStyle(new ToolkitStyle);
}

int ToolkitStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return MenuBar::highlightDisabledItems() ? 1 : 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int ToolkitStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                              const QWidget *widget) const
{
    if (metric == PM_MenuBarPanelWidth)
        return 0;
    if (metric == PM_MenuPanelWidth)
        return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void ToolkitStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    VisualManager *look = VisualManager::instance();
    switch (element) {
    case PE_PanelMenu:
        if (qobject_cast<const QMenu *>(widget)) {
            BarInfo info{BarKind::PopupMenu, false, widget};
            QRect client = option->rect;
            client.setLeft(client.left() + widget->contentsMargins().left());
            look->fillBarBackground(*painter, info, option->rect, option->rect, true);
            look->fillBarBackground(*painter, info, client, option->rect, false);
            return;
        }
        break;
    case PE_FrameMenu:
        if (qobject_cast<const QMenu *>(widget)) {
            look->drawMenuBorder(*painter, option->rect);
            return;
        }
        break;
    case PE_PanelMenuBar:
        look->fillBarBackground(*painter, {BarKind::MenuBar, true, widget}, option->rect,
                                option->rect, false);
        return;
    case PE_PanelStatusBar:
        look->fillBarBackground(*painter, {BarKind::StatusBar, true, widget}, option->rect,
                                option->rect, false);
        return;
    case PE_IndicatorToolBarHandle:
        look->drawBarGripper(*painter, option->rect, (option->state & State_Horizontal) != 0);
        return;
    case PE_IndicatorToolBarSeparator:
        // A separator of a horizontal bar is an upright line.
        look->drawSeparator(*painter, option->rect, !(option->state & State_Horizontal));
        return;
    case PE_PanelButtonTool:
        if (onToolBar(widget)) {
            const ButtonState state = buttonState(option->state);
            look->fillButtonInterior(*painter, option->rect, state);
            look->drawButtonBorder(*painter, option->rect, state);
            return;
        }
        break;
    case PE_FrameTabBarBase:
        if (insideMdiArea(widget)) {
            look->eraseTabsArea(*painter, option->rect);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ToolkitStyle::drawControl(ControlElement element, const QStyleOption *option,
                               QPainter *painter, const QWidget *widget) const
{
    VisualManager *look = VisualManager::instance();
    switch (element) {
    case CE_ToolBar:
        drawToolBar(option, painter, widget);
        return;
    case CE_MenuBarEmptyArea:
        look->fillBarBackground(*painter, {BarKind::MenuBar, true, widget},
                                widget ? widget->rect() : option->rect, option->rect, false);
        return;
    case CE_MenuBarItem:
        drawMenuBarItem(option, painter, widget);
        return;
    case CE_MenuItem:
        drawMenuItem(option, painter, widget);
        return;
    case CE_TabBarTabShape:
        if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
            tab && insideMdiArea(widget)) {
            const bool bottom =
                tab->shape == QTabBar::RoundedSouth || tab->shape == QTabBar::TriangularSouth;
            look->drawTab(*painter, tab->rect, tab->state & State_Selected, bottom);
            return;
        }
        break;
    case CE_TabBarTabLabel:
        if (const auto *tab = qstyleoption_cast<const QStyleOptionTab *>(option);
            tab && insideMdiArea(widget)) {
            QStyleOptionTab copy(*tab);
            const QColor text = look->tabTextColor(tab->state & State_Selected);
            copy.palette.setColor(QPalette::WindowText, text);
            copy.palette.setColor(QPalette::ButtonText, text);
            QProxyStyle::drawControl(element, &copy, painter, widget);
            return;
        }
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ToolkitStyle::drawToolBar(const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    VisualManager *look = VisualManager::instance();
    const BarInfo info = toolBarInfo(option, widget);
    // The border and the handle are the bar's frame; the buttons stand in
    // its client area.
    look->fillBarBackground(*painter, info, option->rect, option->rect, true);
    QRect client = option->rect;
    if (const auto *bar = qobject_cast<const QToolBar *>(widget)) {
        QStyleOptionToolBar toolOption;
        toolOption.initFrom(bar);
        toolOption.state |= info.horizontal ? State_Horizontal : State_None;
        if (bar->isMovable() && bar->parentWidget() &&
            qobject_cast<const QMainWindow *>(bar->parentWidget()) && !bar->isFloating()) {
            const QRect handle = subElementRect(SE_ToolBarHandle, &toolOption, bar);
            if (handle.isValid()) {
                if (info.horizontal)
                    client.setLeft(handle.right() + 1);
                else
                    client.setTop(handle.bottom() + 1);
            }
        }
    }
    look->fillBarBackground(*painter, info, client, option->rect, false);
}

void ToolkitStyle::drawMenuBarItem(const QStyleOption *option, QPainter *painter,
                                   const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    VisualManager *look = VisualManager::instance();
    painter->save();
    painter->setClipRect(item->rect, Qt::IntersectClip);
    look->fillBarBackground(*painter, {BarKind::MenuBar, true, widget},
                            widget ? widget->rect() : item->rect, item->rect, false);
    painter->restore();
    const bool enabled = item->state & State_Enabled;
    const bool highlighted =
        (item->state & State_Selected) && (enabled || MenuBar::highlightDisabledItems());
    if (highlighted) {
        const bool open = item->state & State_Sunken;
        look->highlightMenuItem(*painter, item->rect, enabled || open);
    }
    int flags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextDontClip | Qt::TextSingleLine;
    if (!styleHint(SH_UnderlineShortcut, item, widget))
        flags |= Qt::TextHideMnemonic;
    painter->save();
    painter->setPen(look->menuTextColor(highlighted, enabled));
    painter->drawText(item->rect, flags, item->text);
    painter->restore();
}

void ToolkitStyle::drawMenuItem(const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
        return;
    }
    VisualManager *look = VisualManager::instance();
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        QRect line = item->rect;
        line.setLeft(line.left() + 24);
        look->drawSeparator(*painter, line, true);
        return;
    }
    const bool enabled = item->state & State_Enabled;
    const bool highlighted =
        (item->state & State_Selected) && (enabled || MenuBar::highlightDisabledItems());
    if (highlighted)
        look->highlightMenuItem(*painter, item->rect, enabled);
    // The platform style draws check, icon, text and shortcut on top, in
    // the look's colours and without its own highlight.
    QStyleOptionMenuItem copy(*item);
    copy.state &= ~State_Selected;
    const QColor text = look->menuTextColor(highlighted, enabled);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText,
                                         QPalette::HighlightedText})
            copy.palette.setColor(group, role, text);
    }
    QProxyStyle::drawControl(CE_MenuItem, &copy, painter, widget);
}

} // namespace toolkit
