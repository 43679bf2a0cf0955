#pragma once

#include "geokit/geokit.h"
#include "model/archive.h"
#include "model/brushstyle.h"
#include "model/labelstyle.h"
#include "model/segmentstyle.h"

#include <QtGlobal>

namespace model {

// The archive blocks of the style records. Transient fields (cached bounds,
// highlights, the insertion state, the gap colour) are not written; reading
// clears them, and an opening's gap colour comes back white.
void writeRecord(ArchiveWriter &ar, const BrushStyle &brush);
void writeRecord(ArchiveWriter &ar, const Opening &opening);
void writeRecord(ArchiveWriter &ar, const SegmentStyle &segment);
void writeRecord(ArchiveWriter &ar, const LabelStyle &label);
void readRecord(ArchiveReader &ar, BrushStyle &brush);
void readRecord(ArchiveReader &ar, Opening &opening);
void readRecord(ArchiveReader &ar, SegmentStyle &segment);
void readRecord(ArchiveReader &ar, LabelStyle &label);

// The same blocks inside a run of fields (see ArchiveCursor), which must
// have room for recordBytes() of each; they return the cursor after the
// block. A segment with more openings than a WORD counts must be refused
// beforehand (checkSegment() throws TooLarge for it).
[[nodiscard]] ArchiveCursor putRecord(ArchiveCursor c, const BrushStyle &brush);
[[nodiscard]] ArchiveCursor putRecord(ArchiveCursor c, const Opening &opening);
[[nodiscard]] ArchiveCursor putRecord(ArchiveCursor c, const SegmentStyle &segment);
[[nodiscard]] ArchiveCursor putRecord(ArchiveCursor c, const LabelStyle &label);
inline void checkSegment(const SegmentStyle &segment)
{
    if (segment.openings.size() > 0xFFFF)
        ArchiveWriter::throwTooMany(QT_TRANSLATE_NOOP("Archive", "le porte e finestre di un muro"));
}

// A rectangle coordinate or a vertex; anything beyond the largest sheet is
// a damaged file (ArchiveException, BadValue).
[[nodiscard]] qint32 readCoordinate(ArchiveReader &ar);
[[nodiscard]] geokit::PointF readVertex(ArchiveReader &ar);

// Fewest bytes each block can take, for checking counts before allocating.
inline constexpr unsigned brushMinBytes = 33;
inline constexpr unsigned openingBytes = 44;
inline constexpr unsigned segmentMinBytes = 44;
inline constexpr unsigned fontBytes = 60;

// Most bytes each block can take.
[[nodiscard]] inline qsizetype recordBytes(const BrushStyle &brush)
{
    return 32 + ArchiveWriter::stringBytes(brush.texturePath);
}
[[nodiscard]] inline qsizetype recordBytes(const SegmentStyle &segment)
{
    return ArchiveWriter::stringBytes(segment.description) + 10 + recordBytes(segment.brush) +
           openingBytes * static_cast<qsizetype>(segment.openings.size());
}
[[nodiscard]] inline qsizetype recordBytes(const LabelStyle &label)
{
    return 34 + fontBytes + recordBytes(label.textBrush) + ArchiveWriter::stringBytes(label.text);
}

} // namespace model
