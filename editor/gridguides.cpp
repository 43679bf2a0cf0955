#include "editor/gridguides.h"

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
