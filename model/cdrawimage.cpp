#include "cdrawimage.h"

#include "model/archive.h"

#include "model/renderbrush.h"

#include <QFileInfo>
#include <QImageReader>
#include <QTransform>

using geokit::Rect;

namespace {

// Larger files are not pictures a plan can hold; reading them would only
// stall the program.
constexpr qint64 maxImageFileBytes = 256LL * 1024 * 1024;

int quarterTurns(qint32 rotationDeg)
{
    const int normalised = ((rotationDeg % 360) + 360) % 360;
    return normalised / 90;
}

} // namespace

CDrawImage::CDrawImage() = default;

CDrawImage::CDrawImage(const Rect &position, const QString &imagePath)
    : CDrawObj(position), m_imagePath(imagePath)
{
}

void CDrawImage::Serialize(model::ArchiveWriter &ar) const
{
    CDrawObj::Serialize(ar);
    ar.writeString(m_imagePath);
}

void CDrawImage::Serialize(model::ArchiveReader &ar)
{
    CDrawObj::Serialize(ar);
    m_imagePath = ar.readString();
    m_extra[3] = pictureClass;
    m_loaded = false;
    (void)bitmap();
}

std::unique_ptr<CDrawObj> CDrawImage::Clone(bool offset) const
{
    auto copy = std::unique_ptr<CDrawImage>(new CDrawImage(*this));
    if (offset)
        copy->m_position.offset(5, 5);
    return copy;
}

void CDrawImage::MirrorVertical()
{
    CDrawObj::MirrorVertical();
    if (m_loaded && !m_bitmap.isNull())
        m_bitmap = m_bitmap.mirrored(false, true);
}

void CDrawImage::MirrorHorizontal()
{
    CDrawObj::MirrorHorizontal();
    if (m_loaded && !m_bitmap.isNull())
        m_bitmap = m_bitmap.mirrored(true, false);
}

void CDrawImage::RotateQuarter(bool clockwise)
{
    const bool mirroredOnce = (m_flippedX != 0) != (m_flippedY != 0);
    const int step = clockwise != mirroredOnce ? 90 : 270;
    m_rotation = (quarterTurns(m_rotation) * 90 + step) % 360;
    if (m_loaded && !m_bitmap.isNull())
        m_bitmap = m_bitmap.transformed(QTransform().rotate(clockwise ? 90 : -90));
}

void CDrawImage::setImagePath(const QString &path)
{
    m_imagePath = path;
    m_bitmap = QImage();
    m_loaded = false;
}

const QImage &CDrawImage::bitmap() const
{
    if (!m_loaded) {
        m_loaded = true;
        QImage image = loadFromFile();
        if (!image.isNull()) {
            if (const int turns = quarterTurns(m_rotation))
                image = image.transformed(QTransform().rotate(90.0 * turns));
            if (m_flippedX || m_flippedY)
                image = image.mirrored(m_flippedX != 0, m_flippedY != 0);
        }
        m_bitmap = std::move(image);
    }
    return m_bitmap;
}

QImage CDrawImage::loadFromFile() const
{
    if (m_imagePath.isEmpty())
        return {};
    // Plans written elsewhere may carry '\' between folders, and a picture
    // of the library is looked for below this program folder, whatever the
    // current folder is.
    const QString path = model::resolveTexturePath(m_imagePath);
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0 || info.size() > maxImageFileBytes)
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}
