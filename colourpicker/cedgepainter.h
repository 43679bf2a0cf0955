#pragma once

#include <QColor>

class QPainter;
class QPalette;

// The two shapes every picker control is drawn with: a 3-D frame and a small
// triangle. Coordinates follow the controls' own convention: a line ends one
// pixel before its end point, as with move-to/line-to drawing.
class CEdgePainter
{
public:
    // Shadow on the left and top, light on the right and bottom.
    static constexpr int frameSunken = 2;
    // A black outline inside the 3-D edge.
    static constexpr int frameOutline = 4;

    enum class Triangle
    {
        Left = 1,
        Up,
        Right,
        Down,
        // Right-angled corners at the apex, legs running the named ways.
        CornerRightDown,
        CornerRightUp,
        CornerLeftDown,
        CornerLeftUp
    };

    static void drawFrame(QPainter &painter, const QPalette &palette, int left, int top, int right,
                          int bottom, int flags);
    // `size` is the number of pixels from the apex to the base, apex included.
    static void drawTriangle(QPainter &painter, int x, int y, Triangle kind, int size,
                             const QColor &pen, const QColor &fill);
};
