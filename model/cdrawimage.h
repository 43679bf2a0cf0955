#pragma once

#include "model/cdrawobj.h"

#include <QImage>

// A picture from an image file, stretched into position. The bitmap is
// loaded on first use and shows the stored quarter turn and mirroring: first
// the turn, then the mirrors, so that the same fields always give the same
// look, before saving and after opening.
class CDrawImage : public CDrawObj
{
public:
    CDrawImage();
    CDrawImage(const geokit::Rect &position, const QString &imagePath);

    [[nodiscard]] const char *className() const override { return "CDrawImage"; }
    void Serialize(model::ArchiveWriter &ar) const override;
    // After reading, the picture is picked before other objects (extra4 = 3)
    // and its bitmap is loaded.
    void Serialize(model::ArchiveReader &ar) override;

    void Draw(graphics::Context &g) override;
    [[nodiscard]] std::unique_ptr<CDrawObj> Clone(bool offset) const override;
    void MirrorVertical() override;
    void MirrorHorizontal() override;
    // Turns the picture a quarter turn as it is seen. The stored rotation
    // steps 0, 90, 180, 270 clockwise (the reverse otherwise); on a picture
    // mirrored on one axis it steps the other way, as a mirror turns a
    // clockwise turn into an anticlockwise one.
    virtual void RotateQuarter(bool clockwise);

    [[nodiscard]] const QString &imagePath() const { return m_imagePath; }
    // A new path drops the bitmap; the next use loads it again.
    void setImagePath(const QString &path);
    // The picture as drawn; a null image when the file cannot be loaded.
    [[nodiscard]] const QImage &bitmap() const;

protected:
    CDrawImage(const CDrawImage &) = default;

private:
    [[nodiscard]] QImage loadFromFile() const;

    QString m_imagePath;
    mutable QImage m_bitmap;
    mutable bool m_loaded = false;
};
