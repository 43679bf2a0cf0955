#include "visualmanagerxp.h"

#include "drawmanager.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace toolkit {

QString VisualManagerXP::name() const
{
    return QStringLiteral("Office XP");
}

QColor VisualManagerXP::barColour()
{
    return DrawManager::blend(faceColour(), QColor(Qt::white), 0.8);
}

QColor VisualManagerXP::menuColour()
{
    return DrawManager::blend(faceColour(), QColor(Qt::white), 0.15);
}

QColor VisualManagerXP::highlightColour()
{
    return DrawManager::blend(QApplication::palette().color(QPalette::Highlight), QColor(Qt::white),
                              0.3);
}

QColor VisualManagerXP::highlightBorderColour()
{
    return QApplication::palette().color(QPalette::Highlight);
}

QColor VisualManagerXP::pressedColour()
{
    return DrawManager::blend(QApplication::palette().color(QPalette::Highlight), QColor(Qt::white),
                              0.5);
}

QColor VisualManagerXP::separatorColour()
{
    return DrawManager::blend(darkShadowColour(), faceColour(), 0.35);
}

void VisualManagerXP::fillBarBackground(QPainter &painter, const BarInfo &bar, const QRect &client,
                                        const QRect &clip, bool nonClient)
{
    Q_UNUSED(clip);
    if (bar.kind != BarKind::PopupMenu || nonClient) {
        painter.fillRect(client, barColour());
        return;
    }
    painter.fillRect(client, menuColour());
    painter.fillRect(QRect(client.left(), client.top(), menuImageMargin, client.height()),
                     barColour());
}

void VisualManagerXP::drawMenuBorder(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setPen(DrawManager::blend(darkShadowColour(), faceColour(), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void VisualManagerXP::drawBarGripper(QPainter &painter, const QRect &rect, bool horizontalBar)
{
    // A column (or row) of small dots across the bar's direction.
    const QColor dot = DrawManager::blend(darkShadowColour(), faceColour(), 0.5);
    const QPoint c = rect.center();
    if (horizontalBar) {
        for (int y = rect.top() + 3; y < rect.bottom() - 2; y += 2)
            painter.fillRect(c.x() - 1, y, 2, 1, dot);
    } else {
        for (int x = rect.left() + 3; x < rect.right() - 2; x += 2)
            painter.fillRect(x, c.y() - 1, 1, 2, dot);
    }
}

void VisualManagerXP::drawSeparator(QPainter &painter, const QRect &rect, bool horizontalLine)
{
    painter.save();
    painter.setPen(separatorColour());
    const QPoint c = rect.center();
    if (horizontalLine)
        painter.drawLine(rect.left() + 2, c.y(), rect.right() - 2, c.y());
    else
        painter.drawLine(c.x(), rect.top() + 2, c.x(), rect.bottom() - 2);
    painter.restore();
}

void VisualManagerXP::fillButtonInterior(QPainter &painter, const QRect &rect, ButtonState state)
{
    switch (state) {
    case ButtonState::Normal:
        return;
    case ButtonState::Hot:
        painter.fillRect(rect, highlightColour());
        return;
    case ButtonState::Pressed:
    case ButtonState::CheckedHot:
        painter.fillRect(rect, pressedColour());
        return;
    case ButtonState::Checked:
        painter.fillRect(rect, DrawManager::blend(highlightColour(), QColor(Qt::white), 0.4));
        return;
    }
}

void VisualManagerXP::drawButtonBorder(QPainter &painter, const QRect &rect, ButtonState state)
{
    if (state == ButtonState::Normal)
        return;
    painter.save();
    painter.setPen(highlightBorderColour());
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

void VisualManagerXP::highlightMenuItem(QPainter &painter, const QRect &rect, bool enabled)
{
    painter.save();
    painter.setBrush(enabled ? highlightColour() : Qt::NoBrush);
    painter.setPen(enabled ? highlightBorderColour() : separatorColour());
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

QColor VisualManagerXP::menuTextColor(bool highlighted, bool enabled) const
{
    Q_UNUSED(highlighted);
    const QPalette palette = QApplication::palette();
    return palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

void VisualManagerXP::eraseTabsArea(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect, barColour());
}

void VisualManagerXP::drawTab(QPainter &painter, const QRect &rect, bool active, bool tabsAtBottom)
{
    if (!active) {
        // Inactive tabs are flat, parted by short lines.
        painter.save();
        painter.setPen(separatorColour());
        painter.drawLine(rect.right(), rect.top() + 3, rect.right(), rect.bottom() - 3);
        painter.restore();
        return;
    }
    const QRect r = rect.adjusted(0, 0, -1, -1);
    painter.fillRect(r, menuColour());
    painter.save();
    painter.setPen(darkShadowColour());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (tabsAtBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    else
        painter.drawLine(r.topLeft(), r.topRight());
    painter.restore();
}

QColor VisualManagerXP::tabTextColor(bool active) const
{
    const QPalette palette = QApplication::palette();
    return active ? palette.color(QPalette::WindowText)
                  : DrawManager::blend(palette.color(QPalette::WindowText), barColour(), 0.6);
}

void VisualManagerXP::drawMenuSideBand(QPainter &painter, const QRect &rect)
{
    const QColor base = QApplication::palette().color(QPalette::Highlight);
    DrawManager::fillGradient(painter, rect, base, base.lighter(130), true);
}

} // namespace toolkit
