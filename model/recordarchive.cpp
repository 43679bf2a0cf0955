#include "recordarchive.h"

#include "model/archive.h"
#include "model/brushstyle.h"
#include "model/coordinates.h"
#include "model/labelstyle.h"
#include "model/opening.h"
#include "model/segmentstyle.h"

#include <QCoreApplication>

namespace model {

namespace {

[[noreturn]] void badCoordinate()
{
    throw ArchiveException(
        ArchiveException::Kind::BadValue,
        QCoreApplication::translate("Archive", "Il file contiene coordinate fuori dal foglio."));
}

} // namespace

qint32 readCoordinate(ArchiveReader &ar)
{
    const qint32 v = ar.readInt();
    if (!isValidCoordinate(v))
        badCoordinate();
    return v;
}

geokit::PointF readVertex(ArchiveReader &ar)
{
    const float x = ar.readFloat();
    const float y = ar.readFloat();
    if (!isValidCoordinate(x) || !isValidCoordinate(y))
        badCoordinate();
    return {x, y};
}

void writeRecord(ArchiveWriter &ar, const BrushStyle &brush)
{
    ar.writeInt(brush.fillKind);
    ar.writeInt(brush.gradientMode);
    ar.writeInt(brush.hatchStyle);
    ar.writeFloat(brush.textureAngle);
    ar.writeString(brush.texturePath);
    ar.writeFloat(brush.textureScale);
    ar.writeDword(brush.color1);
    ar.writeDword(brush.color2);
    ar.writeDword(brush.solidColor);
}

void readRecord(ArchiveReader &ar, BrushStyle &brush)
{
    brush.fillKind = ar.readInt();
    brush.gradientMode = ar.readInt();
    brush.hatchStyle = ar.readInt();
    brush.textureAngle = ar.readFloat();
    brush.texturePath = ar.readString();
    brush.textureScale = ar.readFloat();
    brush.color1 = ar.readDword();
    brush.color2 = ar.readDword();
    brush.solidColor = ar.readDword();
    brush.bounds = {};
}

void writeRecord(ArchiveWriter &ar, const Opening &o)
{
    ar.writeInt(o.offset);
    ar.writeInt(o.angle);
    ar.writeInt(o.flipped);
    ar.writeInt(o.type);
    ar.writeInt(o.reserved);
    ar.writeInt(o.size);
    ar.writeInt(o.arcKind);
    ar.writeInt(o.opensInwards);
    ar.writeDword(o.strokeColor);
    ar.writeDword(o.arcColor);
    ar.writeWord(static_cast<quint16>(o.strokeDash));
    ar.writeWord(static_cast<quint16>(o.arcDash));
}

void readRecord(ArchiveReader &ar, Opening &o)
{
    o.offset = ar.readInt();
    o.angle = ar.readInt();
    o.flipped = ar.readInt();
    o.type = ar.readInt();
    o.reserved = ar.readInt();
    o.size = ar.readInt();
    o.arcKind = ar.readInt();
    o.opensInwards = ar.readInt();
    o.strokeColor = ar.readDword();
    o.arcColor = ar.readDword();
    o.strokeDash = ar.readWord();
    o.arcDash = ar.readWord();
    o.insertState = 0;
    o.highlighted = 0;
    o.backColor = 0xFFFFFFFF;
}

void writeRecord(ArchiveWriter &ar, const SegmentStyle &s)
{
    ar.writeString(s.description);
    ar.writeFloat(s.width);
    ar.writeInt(s.enabled);
    writeRecord(ar, s.brush);
    ar.writeWordCount(s.openings.size(),
                      QT_TRANSLATE_NOOP("Archive", "le porte e finestre di un muro"));
    for (const Opening &o : s.openings)
        writeRecord(ar, o);
}

void readRecord(ArchiveReader &ar, SegmentStyle &s)
{
    s.description = ar.readString();
    s.width = ar.readFloat();
    s.enabled = ar.readInt();
    readRecord(ar, s.brush);
    const quint16 count = ar.readWord();
    ar.requireItems(count, openingBytes, QT_TRANSLATE_NOOP("Archive", "porte e finestre"));
    s.openings.resize(count);
    for (Opening &o : s.openings)
        readRecord(ar, o);
    s.highlighted = 0;
}

namespace {

// The 60-byte font block, laid out as the Windows structure.
void writeFont(ArchiveWriter &ar, const LogFont &f)
{
    ar.writeInt(f.height);
    ar.writeInt(f.width);
    ar.writeInt(f.escapement);
    ar.writeInt(f.orientation);
    ar.writeInt(f.weight);
    const quint8 bytes[8] = {f.italic,       f.underline,     f.strikeOut, f.charSet,
                             f.outPrecision, f.clipPrecision, f.quality,   f.pitchAndFamily};
    ar.writeRaw(bytes, 8);
    ar.writeRaw(f.faceName.data(), LogFont::faceSize);
}

void readFont(ArchiveReader &ar, LogFont &f)
{
    f.height = ar.readInt();
    f.width = ar.readInt();
    f.escapement = ar.readInt();
    f.orientation = ar.readInt();
    f.weight = ar.readInt();
    quint8 bytes[8];
    ar.readRaw(bytes, 8);
    f.italic = bytes[0];
    f.underline = bytes[1];
    f.strikeOut = bytes[2];
    f.charSet = bytes[3];
    f.outPrecision = bytes[4];
    f.clipPrecision = bytes[5];
    f.quality = bytes[6];
    f.pitchAndFamily = bytes[7];
    ar.readRaw(f.faceName.data(), LogFont::faceSize);
}

} // namespace

void writeRecord(ArchiveWriter &ar, const LabelStyle &l)
{
    ar.writeInt(l.align);
    ar.writeInt(l.lineAlign);
    writeRecord(ar, l.textBrush);
    ar.writeInt(l.noKerning);
    ar.writeInt(l.noLigatures);
    writeFont(ar, l.font);
    ar.writeInt(l.shadow);
    ar.writeString(l.text);
    ar.writeInt(l.textCase);
    ar.writeWord(l.trimming);
    ar.writeInt(l.visible);
}

void readRecord(ArchiveReader &ar, LabelStyle &l)
{
    l.align = ar.readInt();
    l.lineAlign = ar.readInt();
    readRecord(ar, l.textBrush);
    l.noKerning = ar.readInt();
    l.noLigatures = ar.readInt();
    readFont(ar, l.font);
    l.shadow = ar.readInt();
    l.text = ar.readString();
    l.textCase = ar.readInt();
    l.trimming = ar.readWord();
    l.visible = ar.readInt();
}

} // namespace model
