#include "vantoriehorizon.h"

#include "toolkit/drawmanager.h"

#include <QPainter>

namespace {

toolkit::VisualManager *createVantorieHorizon()
{
    return new CVantorieHorizon;
}

} // namespace

const toolkit::SkinClass CVantorieHorizon::skinClass{"CVantorieHorizon", &createVantorieHorizon};

QString CVantorieHorizon::name() const
{
    return QStringLiteral("Vantorie Horizon");
}

QColor CVantorieHorizon::fromColorref(quint32 colorref)
{
    return QColor(int(colorref & 0xFF), int((colorref >> 8) & 0xFF), int((colorref >> 16) & 0xFF));
}

void CVantorieHorizon::fillBarBackground(QPainter &painter, const toolkit::BarInfo &bar,
                                         const QRect &client, const QRect &clip, bool nonClient)
{
    Q_UNUSED(clip);
    if (!nonClient && bar.kind != toolkit::BarKind::PopupMenu) {
        // The orientation follows the docking edge: bars along the top or
        // bottom run the other way than bars along the sides.
        toolkit::DrawManager::fillGradient(painter, client, fromColorref(gradientStart),
                                           fromColorref(gradientEnd), bar.horizontal);
        return;
    }
    painter.fillRect(client, fromColorref(solidFill));
}
