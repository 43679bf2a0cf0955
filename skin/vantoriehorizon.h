#pragma once

#include "toolkit/skinabi.h"
#include "toolkit/visualmanagerxp.h"

// The "Vantorie Horizon" look: the flat look with pale green bars. Bars and
// the menu bar get a gradient running along their docking edge; menus and the
// bars' borders and grippers a plain pale green.
class CVantorieHorizon : public toolkit::VisualManagerXP
{
public:
    // COLORREF values, 0x00BBGGRR.
    static constexpr quint32 gradientStart = 0xE1F5E1;
    static constexpr quint32 gradientEnd = 0xE1EBE1;
    static constexpr quint32 solidFill = 0xE1F0E1;

    // The class the skin library hands to the skin manager.
    static const toolkit::SkinClass skinClass;

    [[nodiscard]] QString name() const override;
    void fillBarBackground(QPainter &painter, const toolkit::BarInfo &bar, const QRect &client,
                           const QRect &clip, bool nonClient) override;

    [[nodiscard]] static QColor fromColorref(quint32 colorref);
};
