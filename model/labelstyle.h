#pragma once

#include "model/brushstyle.h"

#include <QString>

#include <array>

// A font description in the 60-byte layout the plan files carry: five 32-bit
// integers, eight bytes and a 32-byte face name in Windows-1252, padded with
// zeros. The face bytes are kept as read, so a font round-trips byte for byte.
struct LogFont
{
    static constexpr int faceSize = 32;
    static constexpr int storedSize = 60;

    qint32 height = 0; // logical units; negative for a character height
    qint32 width = 0;
    qint32 escapement = 0;
    qint32 orientation = 0;
    qint32 weight = 0;
    quint8 italic = 0;
    quint8 underline = 0;
    quint8 strikeOut = 0;
    quint8 charSet = 0;
    quint8 outPrecision = 0;
    quint8 clipPrecision = 0;
    quint8 quality = 0;
    quint8 pitchAndFamily = 0;
    std::array<char, faceSize> faceName{};

    // The face name up to its first zero byte.
    [[nodiscard]] QString face() const;
    // Stores at most 31 characters and clears the rest of the field.
    void setFace(const QString &name);

    friend bool operator==(const LogFont &, const LogFont &) = default;
};

// The caption block every drawing object carries (room name and area, wall
// description, the text of a text box).
struct LabelStyle
{
    // Screen resolution the default caption height is worked out for.
    static constexpr int screenPixelsPerInch = 96;
    // Alignment numbering of the string format: 0 near, 1 centre, 2 far.
    LabelStyle();

    qint32 visible = 1;   // drawn only when non-zero
    qint32 lineAlign = 1; // vertical alignment
    qint32 align = 1;     // horizontal alignment
    qint32 noKerning = 0;
    qint32 noLigatures = 0;
    quint16 trimming = 0; // string trimming mode
    LogFont font;
    qint32 shadow = 0; // drawn first offset by (1, 1) in the shadow colour
    // 0 as typed, 1 lower case, any other value upper case.
    qint32 textCase = 0;
    BrushStyle textBrush; // caption colour, solid black
    QString text;

    friend bool operator==(const LabelStyle &, const LabelStyle &) = default;
};
