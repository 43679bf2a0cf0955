#pragma once

#include <QRgb>
#include <QString>

#include <functional>
#include <optional>

struct BrushStyle;

namespace styles {

// What the "Sfondo" page shows of a BrushStyle: each colour split into its
// RGB part (for the colour button) and its alpha (for the slider beside it),
// the texture's angle in whole degrees and its scale in per cent.
struct BrushPageValues
{
    int fillKind = 1121; // the checked radio button (1185 when none is)
    QRgb solidRgb = 0;
    int solidAlpha = 255;
    QRgb startRgb = 0; // "Colore di &partenza:"
    int startAlpha = 255;
    QRgb endRgb = 0; // "Colore d'&arrivo:"
    int endAlpha = 255;
    int gradientMode = 0;
    QString texturePath;
    int angleDeg = 0;
    int scalePercent = 20;

    friend bool operator==(const BrushPageValues &, const BrushPageValues &) = default;
};

// The controls a fill kind enables: transparent none, solid the solid colour
// and its alpha, gradient the two colours, their alphas and the direction,
// texture the path, the browse button, the angle and the scale.
struct BrushPageControls
{
    bool solid = false;
    bool gradient = false;
    bool texture = false;

    friend bool operator==(const BrushPageControls &, const BrushPageControls &) = default;
};

inline constexpr int minAngleDeg = 0;
inline constexpr int maxAngleDeg = 360;
inline constexpr int minScalePercent = 1;
inline constexpr int maxScalePercent = 500;

[[nodiscard]] int alphaOf(quint32 argb);
[[nodiscard]] QRgb rgbOf(quint32 argb); // alpha cleared
[[nodiscard]] quint32 joinAlpha(int alpha, QRgb rgb);

// The page on entry.
[[nodiscard]] BrushPageValues brushPageValues(const BrushStyle &style);
[[nodiscard]] BrushPageControls enabledControls(int fillKind);

// Why the values cannot be stored (angle outside 0-360, scale outside
// 1-500), or nothing when they can.
[[nodiscard]] std::optional<QString> validateBrushPage(const BrushPageValues &values);

// Asks a Yes/No question (exclamation icon); true for Yes.
using YesNoQuestion = std::function<bool(const QString &text)>;

// After the texture picker closed: a chosen image becomes the path; when
// the user confirmed without choosing one, the page offers to make the
// object transparent. A cancelled picker changes nothing.
void afterTextureBrowse(BrushPageValues &values, bool confirmed, const QString &chosenPath,
                        const YesNoQuestion &ask);

// On leaving the page: a texture fill without an image offers to make the
// object transparent; No brings back the kind the style had on entry.
void beforeLeaving(BrushPageValues &values, int kindOnEntry, const YesNoQuestion &ask);

// Writes valid values into the style (colours joined with their alphas, the
// scale as a fraction); returns the reason and leaves the style unchanged
// when they are not valid.
std::optional<QString> storeBrushPage(const BrushPageValues &values, BrushStyle &style);

} // namespace styles
