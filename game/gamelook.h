#pragma once

#include <QColor>
#include <QFont>

class QLabel;

// The colours and fonts the game's windows share.
namespace gamelook {

inline const QColor formBack(224, 224, 224);
inline const QColor captionText(22, 91, 137);
inline const QColor valueBack(64, 64, 64);
inline const QColor levelText(255, 192, 64);
inline const QColor scoreText(128, 255, 128);
inline const QColor hiScoreText(255, 98, 98);
inline const QColor difficultyColour(150, 200, 255);

// Tahoma at a size in points, laid out at 96 pixels per inch as the layout
// of the windows expects; another sans face stands in where Tahoma is missing.
[[nodiscard]] QFont tahoma(double points, bool bold);
// Sets font, text colour and, when given, an opaque background.
void applyLook(QLabel *label, const QFont &font, const QColor &text, const QColor &back = {});

} // namespace gamelook
