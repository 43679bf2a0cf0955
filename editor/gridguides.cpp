#include "editor/gridguides.h"

#include <QGuiApplication>
#include <QScreen>

GridGuideSettings GridGuideSettings::forColourDepth(int bitsPerPixel)
{
    GridGuideSettings s;
    if (bitsPerPixel <= 8) {
        s.gridAsDots = false;
        s.gridColour = s.guideColour = s.lineColour = qRgb(0x00, 0x00, 0xC0);
    }
    return s;
}

Qt::PenStyle penStyleAt(int index)
{
    static constexpr Qt::PenStyle styles[penStyleCount] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                           Qt::DashDotLine, Qt::DashDotDotLine};
    return index >= 0 && index < penStyleCount ? styles[index] : Qt::SolidLine;
}

GridGuideSettings &gridGuideDefaults()
{
    static GridGuideSettings defaults = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return GridGuideSettings::forColourDepth(screen ? screen->depth() : 32);
    }();
    return defaults;
}
