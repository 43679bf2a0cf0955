#pragma once

#include "toolkit/visualmanager.h"

namespace toolkit {

// The flat look: pale bars without 3-D borders, white menus with a shaded
// image margin, and a blue frame around the item or button under the
// pointer.
class TOOLKIT_EXPORT VisualManagerXP : public VisualManager
{
public:
    [[nodiscard]] QString name() const override;

    void fillBarBackground(QPainter &painter, const BarInfo &bar, const QRect &client,
                           const QRect &clip, bool nonClient) override;
    void drawMenuBorder(QPainter &painter, const QRect &rect) override;
    void drawBarGripper(QPainter &painter, const QRect &rect, bool horizontalBar) override;
    void drawSeparator(QPainter &painter, const QRect &rect, bool horizontalLine) override;
    void fillButtonInterior(QPainter &painter, const QRect &rect, ButtonState state) override;
    void drawButtonBorder(QPainter &painter, const QRect &rect, ButtonState state) override;
    void highlightMenuItem(QPainter &painter, const QRect &rect, bool enabled) override;
    [[nodiscard]] QColor menuTextColor(bool highlighted, bool enabled) const override;
    void eraseTabsArea(QPainter &painter, const QRect &rect) override;
    void drawTab(QPainter &painter, const QRect &rect, bool active, bool tabsAtBottom) override;
    [[nodiscard]] QColor tabTextColor(bool active) const override;
    void drawMenuSideBand(QPainter &painter, const QRect &rect) override;

    // Width of the shaded strip at the left of a menu where images stand.
    static constexpr int menuImageMargin = 24;

protected:
    [[nodiscard]] static QColor barColour();
    [[nodiscard]] static QColor menuColour();
    [[nodiscard]] static QColor highlightColour();
    [[nodiscard]] static QColor highlightBorderColour();
    [[nodiscard]] static QColor pressedColour();
    [[nodiscard]] static QColor separatorColour();
};

} // namespace toolkit
