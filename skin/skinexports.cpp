// The functions the toolkit's skin manager looks for in a skin library.
#include "vantoriehorizon.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace {

constexpr const char *lookName = "Vantorie Horizon";
constexpr const char *author = "Velmar Software";
constexpr const char *authorMail = "skins@velmar.example";

// The 360 x 300 picture of the editor's main window in this look, built
// into the library.
const QImage &previewImage()
{
    static const QImage image(QStringLiteral(":/horizonskin/preview.png"));
    return image;
}

} // namespace

extern "C" {

Q_DECL_EXPORT int BCGCBGetSkinCount()
{
    return 1;
}

Q_DECL_EXPORT const toolkit::SkinClass *BCGCBGetSkinClass(int index)
{
    return index == 0 ? &CVantorieHorizon::skinClass : nullptr;
}

Q_DECL_EXPORT const char *BCGCBGetSkinName(int index)
{
    return index == 0 ? lookName : nullptr;
}

Q_DECL_EXPORT int BCGCBGetSkinVersion(int &major, int &minor)
{
    major = 5;
    minor = 8;
    return 1;
}

// Draws the picture unscaled at the rectangle's top-left corner, cut to the
// rectangle. The caller's painter comes back in the state it was given.
Q_DECL_EXPORT int BCGCBPreviewSkin(QPainter *dc, int index, QRect rect)
{
    if (index != 0 || !dc)
        return 0;
    const QImage &image = previewImage();
    if (image.isNull())
        return 0;
    dc->save();
    const QRect source(0, 0, std::min(image.width(), rect.width()),
                       std::min(image.height(), rect.height()));
    if (!source.isEmpty())
        dc->drawImage(rect.topLeft(), image, source);
    dc->restore();
    return 1;
}

Q_DECL_EXPORT const char *BCGCBGetSkinAuthor(int)
{
    return author;
}

Q_DECL_EXPORT const char *BCGCBGetSkinAuthorMail(int)
{
    return authorMail;
}

Q_DECL_EXPORT const char *BCGCBGetSkinAuthorURL(int)
{
    return "";
}

Q_DECL_EXPORT int BCGCBGetSkinUpdate()
{
    return 1;
}

} // extern "C"
