#pragma once

#include "colorref.h"

#include <QString>

// What the picker's edit boxes show, and how what the user types there turns
// into a colour.
namespace colourpicker {

// The leading integer of a text ("12abc" → 12, " -5" → −5); 0 when the text
// does not start with one. Saturates at the limits of int.
[[nodiscard]] int leadingInteger(const QString &text);
// The leading real number, with an optional fraction and exponent, read with
// a '.' whatever the locale; 0 when the text does not start with one.
[[nodiscard]] double leadingReal(const QString &text);

// The R, G and B boxes: each value clamped to 0–255.
[[nodiscard]] COLORREF colorFromRgbTexts(const QString &red, const QString &green,
                                         const QString &blue);
// The H, S and V boxes: hue clamped to 0–359 degrees, saturation and value
// (percent) to 0–100.
[[nodiscard]] COLORREF colorFromHsvTexts(const QString &hue, const QString &saturation,
                                         const QString &value);
// The hex box: "#RRGGBB" exactly seven characters long, else black. Digits
// are not checked: after upper-casing, a character up to '@' counts as its
// code − 48, any other as its code − 55, and each pair is cut to a byte.
[[nodiscard]] COLORREF colorFromHexText(const QString &text);

struct EditBoxTexts
{
    QString red;
    QString green;
    QString blue;
    QString hue;        // six decimals: "240.000000"
    QString saturation; // whole percent, truncated
    QString value;
    QString hex; // "#0000FF"
};
[[nodiscard]] EditBoxTexts editBoxTexts(COLORREF color);

// What OK shows: "(R-255,G-0,B-0)".
[[nodiscard]] QString chosenColorMessage(COLORREF color);

} // namespace colourpicker
