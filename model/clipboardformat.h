#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class CDrawObj;

namespace model {

// The clipboard formats the editor registers by name. The draw-file format
// carries the archive of the copied objects.
inline constexpr const char *drawFileFormatName = "Domora draw file";
inline constexpr const char *objectDescriptorFormatName = "Domora Object Descriptor";
// The MIME type under which the draw-file bytes travel on the clipboard; on
// Windows it is the registered format of the same name.
[[nodiscard]] QString drawFileMimeType();

// The selection as a list: count, then one object reference per object in
// selection order. Class tags and indices start afresh in every such archive.
[[nodiscard]] QByteArray writeObjectList(const std::vector<const CDrawObj *> &objects);
// Reads such a list back; throws ArchiveException on damaged bytes. The
// objects belong to no document.
[[nodiscard]] std::vector<std::unique_ptr<CDrawObj>> readObjectList(const QByteArray &bytes);

} // namespace model
