#pragma once

#include "geokit/geokit.h"

#include <QString>

#include <QtGlobal>

// How an area or a stroke is filled. Colours are ARGB (0xAARRGGBB).
struct BrushStyle
{
    // Values of fillKind.
    static constexpr qint32 fillNone = 1120; // transparent
    static constexpr qint32 fillSolid = 1121;
    static constexpr qint32 fillGradient = 1123; // linear gradient
    static constexpr qint32 fillTexture = 1125;
    static constexpr qint32 fillHatch = 1185;

    quint32 solidColor = 0xFF000000;
    quint32 color1 = 0xFF000000; // gradient start, hatch foreground
    quint32 color2 = 0xFF000000; // gradient end, hatch background
    qint32 fillKind = fillSolid;
    // 0 horizontal, 1 vertical, 2 forward diagonal, 3 backward diagonal.
    qint32 gradientMode = 0;
    qint32 hatchStyle = 18; // hatch-style numbering of the drawing context
    QString texturePath;
    float textureAngle = 0.0f; // degrees
    float textureScale = 0.2f; // both axes
    // The area the gradient was last built for; a cache, never stored.
    geokit::Rect bounds;

    // Compares what is stored; the cached bounds do not count.
    friend bool operator==(const BrushStyle &a, const BrushStyle &b)
    {
        return a.solidColor == b.solidColor && a.color1 == b.color1 && a.color2 == b.color2 &&
               a.fillKind == b.fillKind && a.gradientMode == b.gradientMode &&
               a.hatchStyle == b.hatchStyle && a.texturePath == b.texturePath &&
               a.textureAngle == b.textureAngle && a.textureScale == b.textureScale;
    }

    // A solid fill of one colour, used for the defaults of new objects:
    // solidColor and color1 take the colour, color2 is white.
    [[nodiscard]] static BrushStyle solid(quint32 argb)
    {
        BrushStyle b;
        b.solidColor = argb;
        b.color1 = argb;
        b.color2 = 0xFFFFFFFF;
        return b;
    }
};
