#include "programicon.h"

#include "colourpicker/colormode.h"
#include "colourpicker/gradient.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

using namespace colourpicker;

namespace {

QPixmap iconOfSize(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // The field in V mode at full value, and the bar of the H slider.
    const int fieldSide = side * 3 / 4;
    const int barWidth = std::max(2, side / 6);
    auto *origin = reinterpret_cast<Pixel *>(image.scanLine(1)) + 1;
    renderColorArea(origin, image.bytesPerLine() / 4, fieldSide - 2, side - 2, modeV, 1000);
    std::vector<Pixel> bar(static_cast<std::size_t>(side - 2));
    sliderGradient(bar.data(), side - 2, modeH, 1000, 1000, false);
    for (int i = 0; i < side - 2; ++i) {
        auto *line = reinterpret_cast<Pixel *>(image.scanLine(side - 2 - i));
        std::fill(line + side - 1 - barWidth, line + side - 1, bar[static_cast<std::size_t>(i)]);
    }
    QPainter painter(&image);
    painter.setPen(QColor(40, 40, 40));
    painter.drawRect(0, 0, fieldSide - 1, side - 1);
    painter.drawRect(side - 2 - barWidth, 0, barWidth + 1, side - 1);
    painter.setPen(Qt::black);
    const int r = std::max(2, side / 10);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.drawEllipse(QPointF(fieldSide * 0.6, side * 0.35), r, r);
    return QPixmap::fromImage(image);
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(iconOfSize(side));
    return icon;
}
