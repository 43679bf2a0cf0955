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

// Each block goes out through a cursor over room claimed beforehand.

ArchiveCursor putRecord(ArchiveCursor b, const BrushStyle &brush)
{
    b.dword(static_cast<quint32>(brush.fillKind));
    b.dword(static_cast<quint32>(brush.gradientMode));
    b.dword(static_cast<quint32>(brush.hatchStyle));
    b.real(brush.textureAngle);
    b.string(brush.texturePath);
    b.real(brush.textureScale);
    b.dword(brush.color1);
    b.dword(brush.color2);
    b.dword(brush.solidColor);
    return b;
}

ArchiveCursor putRecord(ArchiveCursor b, const Opening &o)
{
    const quint32 fields[] = {static_cast<quint32>(o.offset),
                              static_cast<quint32>(o.angle),
                              static_cast<quint32>(o.flipped),
                              static_cast<quint32>(o.type),
                              static_cast<quint32>(o.reserved),
                              static_cast<quint32>(o.size),
                              static_cast<quint32>(o.arcKind),
                              static_cast<quint32>(o.opensInwards),
                              o.strokeColor,
                              o.arcColor};
    b.dwords(fields);
    b.word(static_cast<quint16>(o.strokeDash));
    b.word(static_cast<quint16>(o.arcDash));
    return b;
}

ArchiveCursor putRecord(ArchiveCursor b, const SegmentStyle &s)
{
    b.string(s.description);
    b.real(s.width);
    b.dword(static_cast<quint32>(s.enabled));
    b = putRecord(b, s.brush);
    b.word(static_cast<quint16>(s.openings.size()));
    for (const Opening &o : s.openings)
        b = putRecord(b, o);
    return b;
}

// The 60-byte font block, laid out as the Windows structure: five int32,
// eight bytes, the 32-byte face name.
ArchiveCursor putFont(ArchiveCursor b, const LogFont &f)
{
    const quint32 ints[] = {static_cast<quint32>(f.height), static_cast<quint32>(f.width),
                            static_cast<quint32>(f.escapement), static_cast<quint32>(f.orientation),
                            static_cast<quint32>(f.weight)};
    b.dwords(ints);
    const quint8 bytes[8] = {f.italic,       f.underline,     f.strikeOut, f.charSet,
                             f.outPrecision, f.clipPrecision, f.quality,   f.pitchAndFamily};
    b.raw(bytes, 8);
    b.raw(f.faceName.data(), LogFont::faceSize);
    return b;
}

ArchiveCursor putRecord(ArchiveCursor b, const LabelStyle &l)
{
    b.dword(static_cast<quint32>(l.align));
    b.dword(static_cast<quint32>(l.lineAlign));
    b = putRecord(b, l.textBrush);
    b.dword(static_cast<quint32>(l.noKerning));
    b.dword(static_cast<quint32>(l.noLigatures));
    b = putFont(b, l.font);
    b.integer(l.shadow);
    b.string(l.text);
    b.integer(l.textCase);
    b.word(l.trimming);
    b.integer(l.visible);
    return b;
}

void writeRecord(ArchiveWriter &ar, const BrushStyle &brush)
{
    ar.commit(putRecord(ArchiveCursor(ar.claim(recordBytes(brush))), brush).end());
}

void writeRecord(ArchiveWriter &ar, const Opening &opening)
{
    ar.commit(putRecord(ArchiveCursor(ar.claim(openingBytes)), opening).end());
}

void writeRecord(ArchiveWriter &ar, const SegmentStyle &segment)
{
    checkSegment(segment);
    ar.commit(putRecord(ArchiveCursor(ar.claim(recordBytes(segment))), segment).end());
}

void writeRecord(ArchiveWriter &ar, const LabelStyle &label)
{
    ar.commit(putRecord(ArchiveCursor(ar.claim(recordBytes(label))), label).end());
}

void readRecord(ArchiveReader &ar, BrushStyle &brush)
{
    quint32 head[4];
    ar.readDwords(head);
    brush.fillKind = static_cast<qint32>(head[0]);
    brush.gradientMode = static_cast<qint32>(head[1]);
    brush.hatchStyle = static_cast<qint32>(head[2]);
    brush.textureAngle = ArchiveReader::bitsFloat(head[3]);
    brush.texturePath = ar.readString();
    quint32 tail[4];
    ar.readDwords(tail);
    brush.textureScale = ArchiveReader::bitsFloat(tail[0]);
    brush.color1 = tail[1];
    brush.color2 = tail[2];
    brush.solidColor = tail[3];
    brush.bounds = {};
}

void readRecord(ArchiveReader &ar, Opening &o)
{
    quint32 fields[10];
    ar.readDwords(fields);
    o.offset = static_cast<qint32>(fields[0]);
    o.angle = static_cast<qint32>(fields[1]);
    o.flipped = static_cast<qint32>(fields[2]);
    o.type = static_cast<qint32>(fields[3]);
    o.reserved = static_cast<qint32>(fields[4]);
    o.size = static_cast<qint32>(fields[5]);
    o.arcKind = static_cast<qint32>(fields[6]);
    o.opensInwards = static_cast<qint32>(fields[7]);
    o.strokeColor = fields[8];
    o.arcColor = fields[9];
    o.strokeDash = ar.readWord();
    o.arcDash = ar.readWord();
    o.insertState = 0;
    o.highlighted = 0;
    o.backColor = 0xFFFFFFFF;
}

void readRecord(ArchiveReader &ar, SegmentStyle &s)
{
    s.description = ar.readString();
    quint32 widthEnabled[2];
    ar.readDwords(widthEnabled);
    s.width = ArchiveReader::bitsFloat(widthEnabled[0]);
    s.enabled = static_cast<qint32>(widthEnabled[1]);
    readRecord(ar, s.brush);
    const quint16 count = ar.readWord();
    ar.requireItems(count, openingBytes, QT_TRANSLATE_NOOP("Archive", "porte e finestre"));
    s.openings.resize(count);
    for (Opening &o : s.openings)
        readRecord(ar, o);
    s.highlighted = 0;
}

namespace {

void readFont(ArchiveReader &ar, LogFont &f)
{
    quint32 ints[5];
    ar.readDwords(ints);
    f.height = static_cast<qint32>(ints[0]);
    f.width = static_cast<qint32>(ints[1]);
    f.escapement = static_cast<qint32>(ints[2]);
    f.orientation = static_cast<qint32>(ints[3]);
    f.weight = static_cast<qint32>(ints[4]);
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

void readRecord(ArchiveReader &ar, LabelStyle &l)
{
    quint32 aligns[2];
    ar.readDwords(aligns);
    l.align = static_cast<qint32>(aligns[0]);
    l.lineAlign = static_cast<qint32>(aligns[1]);
    readRecord(ar, l.textBrush);
    quint32 options[2];
    ar.readDwords(options);
    l.noKerning = static_cast<qint32>(options[0]);
    l.noLigatures = static_cast<qint32>(options[1]);
    readFont(ar, l.font);
    l.shadow = ar.readInt();
    l.text = ar.readString();
    l.textCase = ar.readInt();
    l.trimming = ar.readWord();
    l.visible = ar.readInt();
}

} // namespace model
