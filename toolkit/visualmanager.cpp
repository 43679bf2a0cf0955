#include "visualmanager.h"

#include "drawmanager.h"
#include "toolkitstyle.h"
#include "visualmanagerxp.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

namespace toolkit {

namespace {

std::unique_ptr<VisualManager> &current()
{
    static std::unique_ptr<VisualManager> manager;
    return manager;
}

quint64 &generationCounter()
{
    static quint64 counter = 0;
    return counter;
}

bool &look2000Flag()
{
    static bool flag = false;
    return flag;
}

void drawFrame3d(QPainter &painter, const QRect &rect, const QColor &topLeft,
                 const QColor &bottomRight)
{
    painter.save();
    painter.setPen(topLeft);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.restore();
}

void repaintAll()
{
    if (!qApp)
        return;
    const QList<QWidget *> widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets)
        widget->update();
}

} // namespace

QString VisualManager::name() const
{
    return QStringLiteral("Standard");
}

QColor VisualManager::faceColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor VisualManager::lightColour()
{
    return QApplication::palette().color(QPalette::Light);
}

QColor VisualManager::shadowColour()
{
    return QApplication::palette().color(QPalette::Mid);
}

QColor VisualManager::darkShadowColour()
{
    return QApplication::palette().color(QPalette::Shadow);
}

void VisualManager::fillBarBackground(QPainter &painter, const BarInfo &bar, const QRect &client,
                                      const QRect &clip, bool nonClient)
{
    Q_UNUSED(bar);
    Q_UNUSED(clip);
    Q_UNUSED(nonClient);
    painter.fillRect(client, faceColour());
}

void VisualManager::drawMenuBorder(QPainter &painter, const QRect &rect)
{
    drawFrame3d(painter, rect, lightColour(), darkShadowColour());
    drawFrame3d(painter, rect.adjusted(1, 1, -1, -1), faceColour(), shadowColour());
}

void VisualManager::drawBarGripper(QPainter &painter, const QRect &rect, bool horizontalBar)
{
    // One raised ridge, two in the 2000 look, across the bar's direction.
    const int ridges = look2000() ? 2 : 1;
    for (int i = 0; i < ridges; ++i) {
        QRect ridge = horizontalBar
                          ? QRect(rect.left() + 2 + i * 3, rect.top() + 2, 3, rect.height() - 4)
                          : QRect(rect.left() + 2, rect.top() + 2 + i * 3, rect.width() - 4, 3);
        drawFrame3d(painter, ridge, lightColour(), shadowColour());
    }
}

void VisualManager::drawSeparator(QPainter &painter, const QRect &rect, bool horizontalLine)
{
    painter.save();
    const QPoint c = rect.center();
    if (horizontalLine) {
        painter.setPen(shadowColour());
        painter.drawLine(rect.left() + 1, c.y(), rect.right() - 1, c.y());
        painter.setPen(lightColour());
        painter.drawLine(rect.left() + 1, c.y() + 1, rect.right() - 1, c.y() + 1);
    } else {
        painter.setPen(shadowColour());
        painter.drawLine(c.x(), rect.top() + 1, c.x(), rect.bottom() - 1);
        painter.setPen(lightColour());
        painter.drawLine(c.x() + 1, rect.top() + 1, c.x() + 1, rect.bottom() - 1);
    }
    painter.restore();
}

void VisualManager::fillButtonInterior(QPainter &painter, const QRect &rect, ButtonState state)
{
    if (state == ButtonState::Checked)
        painter.fillRect(rect, DrawManager::blend(lightColour(), faceColour(), 0.6));
    else if (state != ButtonState::Normal)
        painter.fillRect(rect, faceColour());
}

void VisualManager::drawButtonBorder(QPainter &painter, const QRect &rect, ButtonState state)
{
    const QRect r = rect.adjusted(0, 0, -1, -1);
    switch (state) {
    case ButtonState::Normal:
        return;
    case ButtonState::Hot:
        drawFrame3d(painter, r, lightColour(), look2000() ? darkShadowColour() : shadowColour());
        if (look2000())
            drawFrame3d(painter, r.adjusted(1, 1, -1, -1), faceColour(), shadowColour());
        return;
    case ButtonState::Pressed:
    case ButtonState::Checked:
    case ButtonState::CheckedHot:
        drawFrame3d(painter, r, look2000() ? darkShadowColour() : shadowColour(), lightColour());
        return;
    }
}

void VisualManager::highlightMenuItem(QPainter &painter, const QRect &rect, bool enabled)
{
    const QPalette palette = QApplication::palette();
    painter.fillRect(
        rect, palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Highlight));
}

QColor VisualManager::menuTextColor(bool highlighted, bool enabled) const
{
    const QPalette palette = QApplication::palette();
    if (!enabled)
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    return palette.color(highlighted ? QPalette::HighlightedText : QPalette::WindowText);
}

void VisualManager::eraseTabsArea(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect, faceColour());
}

void VisualManager::drawTab(QPainter &painter, const QRect &rect, bool active, bool tabsAtBottom)
{
    const QRect r = rect.adjusted(0, 0, -1, -1);
    painter.fillRect(r,
                     active ? faceColour() : DrawManager::blend(faceColour(), shadowColour(), 0.7));
    painter.save();
    painter.setPen(lightColour());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    if (tabsAtBottom) {
        painter.setPen(darkShadowColour());
        painter.drawLine(r.bottomLeft(), r.bottomRight());
    } else {
        painter.drawLine(r.topLeft(), r.topRight());
    }
    painter.setPen(darkShadowColour());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.restore();
}

QColor VisualManager::tabTextColor(bool active) const
{
    const QPalette palette = QApplication::palette();
    return palette.color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
}

void VisualManager::drawMenuSideBand(QPainter &painter, const QRect &rect)
{
    const QColor base = QApplication::palette().color(QPalette::Highlight);
    DrawManager::fillGradient(painter, rect, base.darker(160), base, true);
}

QColor VisualManager::menuSideBandTextColor() const
{
    return Qt::white;
}

VisualManager *VisualManager::instance()
{
    if (!current()) {
        current() = std::make_unique<VisualManager>();
        ++generationCounter();
    }
    ToolkitStyle::ensureInstalled();
    return current().get();
}

void VisualManager::setDefaultManager(std::unique_ptr<VisualManager> manager)
{
    current() = manager ? std::move(manager) : std::make_unique<VisualManager>();
    ++generationCounter();
    ToolkitStyle::ensureInstalled();
    repaintAll();
}

void VisualManager::destroyInstance()
{
    if (!current())
        current() = std::make_unique<VisualManager>();
    current().reset();
    ++generationCounter();
}

quint64 VisualManager::generation()
{
    return generationCounter();
}

QStringList VisualManager::builtInLooks()
{
    return {QStringLiteral("Standard"), QStringLiteral("Office XP")};
}

std::unique_ptr<VisualManager> VisualManager::createBuiltInLook(const QString &name)
{
    if (name == QLatin1String("Standard"))
        return std::make_unique<VisualManager>();
    if (name == QLatin1String("Office XP"))
        return std::make_unique<VisualManagerXP>();
    return nullptr;
}

void VisualManager::setLook2000(bool look2000)
{
    look2000Flag() = look2000;
    repaintAll();
}

bool VisualManager::look2000()
{
    return look2000Flag();
}

} // namespace toolkit
