#pragma once

#include <QRect>

class QFont;

// Turns the dialog units of a window template into pixels for a font: four
// units across are the font's average character width, eight units down its
// height, so a window keeps its proportions with any font and resolution.
class DialogUnits
{
public:
    explicit DialogUnits(const QFont &font);

    [[nodiscard]] int x(int units) const;
    [[nodiscard]] int y(int units) const;
    [[nodiscard]] QRect rect(int x, int y, int width, int height) const;

private:
    int m_baseX = 0;
    int m_baseY = 0;
};
