#pragma once

#include "geokit/geokit.h"

#include <QtGlobal>

struct BrushStyle;
struct LabelStyle;
struct Opening;
struct SegmentStyle;

namespace model {

class ArchiveReader;
class ArchiveWriter;

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

// A rectangle coordinate or a vertex; anything beyond the largest sheet is
// a damaged file (ArchiveException, BadValue).
[[nodiscard]] qint32 readCoordinate(ArchiveReader &ar);
[[nodiscard]] geokit::PointF readVertex(ArchiveReader &ar);

// Fewest bytes each block can take, for checking counts before allocating.
inline constexpr unsigned brushMinBytes = 33;
inline constexpr unsigned openingBytes = 44;
inline constexpr unsigned segmentMinBytes = 44;

} // namespace model
