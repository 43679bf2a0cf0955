#pragma once

#include "geokit/geokit.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CDrawObj;
class QMimeData;

// The editor's own clipboard and drag formats, and the conversion of drawing
// objects to and from their bytes. The native format carries the objects as
// an archive list (count, then one object reference each, class tags and
// indices starting afresh), the same encoding as the plan files; the object
// descriptor tells a drop target how large the dragged objects are and where
// the mouse held them.
namespace planclipboard {

// The names the formats are registered under, as MIME types.
[[nodiscard]] QString nativeFormat();
[[nodiscard]] QString descriptorFormat();

[[nodiscard]] QByteArray encodeObjects(const std::vector<const CDrawObj *> &objects);
// The objects of a native-format block; none, with the reason in `error`,
// when the bytes are damaged.
[[nodiscard]] std::vector<std::unique_ptr<CDrawObj>> decodeObjects(const QByteArray &bytes,
                                                                   QString *error = nullptr);

struct Descriptor
{
    geokit::Rect boundsMm; // the union of the objects' positions
    geokit::Point grabMm;  // where the mouse held them, sheet mm
};
[[nodiscard]] QByteArray encodeDescriptor(const Descriptor &descriptor);
[[nodiscard]] std::optional<Descriptor> decodeDescriptor(const QByteArray &bytes);

// The union of the normalised positions of the objects.
[[nodiscard]] geokit::Rect boundsOf(const std::vector<const CDrawObj *> &objects);

// Whether the data holds something a plan can take in: the native format, a
// picture, or text.
[[nodiscard]] bool canPaste(const QMimeData *data);

// A picture or text from another program as a data item on the sheet: a
// picture keeps its size at 96 pixels per inch, text gets a 60 x 30 mm box;
// both are placed at `topLeftMm` and shrunk to fit `sheetMm`. Null when the
// data holds neither.
[[nodiscard]] std::unique_ptr<CDrawObj> dataItemFrom(const QMimeData *data, geokit::Point topLeftMm,
                                                     geokit::Size sheetMm);

} // namespace planclipboard
