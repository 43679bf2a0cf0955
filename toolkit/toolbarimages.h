#pragma once

#include "toolkit/toolkitglobal.h"

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace toolkit {

// A strip of button images side by side in one bitmap ("tbar.bmp"), as the
// user images of the customisation dialog come. Light grey (192, 192, 192)
// is transparent, as in every toolbar bitmap.
class TOOLKIT_EXPORT ToolBarImages
{
public:
    static constexpr QSize defaultImageSize{16, 15};

    // Returns false, keeping no images, when the file is missing, is not a
    // picture or is narrower than one image.
    bool load(const QString &path, QSize imageSize = defaultImageSize);
    void clear() { m_images.clear(); }
    [[nodiscard]] bool isEmpty() const { return m_images.isEmpty(); }
    [[nodiscard]] int count() const { return int(m_images.size()); }
    [[nodiscard]] QSize imageSize() const { return m_imageSize; }
    // A null icon for an index out of range.
    [[nodiscard]] QIcon icon(int index) const;
    [[nodiscard]] QPixmap pixmap(int index) const { return m_images.value(index); }

private:
    QSize m_imageSize = defaultImageSize;
    QList<QPixmap> m_images;
};

} // namespace toolkit
