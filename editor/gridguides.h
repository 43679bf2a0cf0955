#pragma once

#include <QRgb>
#include <Qt>

// How a plan view shows its grid and guides. The grid lies on the sheet
// every spacingMm, drawn as dots or as squares whose every majorEvery-th
// line is stronger; the guides are the sheet's margins.
struct GridGuideSettings
{
    bool gridAsDots = true;
    QRgb gridColour = qRgb(0xF0, 0xF0, 0xF5);  // the squares' thin lines
    QRgb guideColour = qRgb(0x00, 0x9D, 0xC0); // the margin guides
    QRgb lineColour = qRgb(0xBE, 0xBE, 0xC3);  // dots and the strong lines
    int guidePenStyle = 0;                     // index into penStyles()
    int gridPenStyle = 0;
    int majorEvery = 4;
    int spacingMm = 5;
    int showGrid = 1;
    int showGuides = 0;
    int guideWidthTenthsMm = 5;
    int printGrid = 0;

    // The defaults for a screen of the given colour depth: with 8 bits per
    // pixel or fewer the grid is drawn as squares in one dark blue.
    [[nodiscard]] static GridGuideSettings forColourDepth(int bitsPerPixel);

    friend bool operator==(const GridGuideSettings &, const GridGuideSettings &) = default;
};

// The grid and guides a new view starts with (the options change them):
// the defaults for the screen's colour depth until then.
GridGuideSettings &gridGuideDefaults();

// The pen styles the page offers, in list order: solid, dashes, dots,
// dash-dot, dash-dot-dot. An index out of range is solid.
[[nodiscard]] Qt::PenStyle penStyleAt(int index);
inline constexpr int penStyleCount = 5;
