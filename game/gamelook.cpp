#include "gamelook.h"

#include <QLabel>

#include <cmath>

namespace gamelook {

QFont tahoma(double points, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void applyLook(QLabel *label, const QFont &font, const QColor &text, const QColor &back)
{
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, text);
    if (back.isValid()) {
        palette.setColor(QPalette::Window, back);
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
}

} // namespace gamelook
