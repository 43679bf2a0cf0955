#include "toolbarimages.h"

#include <QImage>
#include <QImageReader>

namespace toolkit {

bool ToolBarImages::load(const QString &path, QSize imageSize)
{
    m_images.clear();
    if (imageSize.isEmpty())
        return false;
    QImageReader reader(path);
    QImage strip = reader.read();
    if (strip.isNull() || strip.width() < imageSize.width())
        return false;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = qRgb(192, 192, 192);
    for (int y = 0; y < strip.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((line[x] & 0x00ffffff) == (transparent & 0x00ffffff))
                line[x] = 0;
        }
    }
    m_imageSize = imageSize;
    const int n = strip.width() / imageSize.width();
    for (int i = 0; i < n; ++i) {
        m_images.append(
            QPixmap::fromImage(strip.copy(i * imageSize.width(), 0, imageSize.width(),
                                          std::min(imageSize.height(), strip.height()))));
    }
    return true;
}

QIcon ToolBarImages::icon(int index) const
{
    if (index < 0 || index >= m_images.size())
        return {};
    return QIcon(m_images[index]);
}

} // namespace toolkit
