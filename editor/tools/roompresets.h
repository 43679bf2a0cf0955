#pragma once

#include "model/segmentstyle.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

class CDomoraDoc;
class CDrawObj;
class CDrawPoly;

namespace editing {

// The nine room types, in the order of the room-type dialog's list.
enum class RoomPreset
{
    Cucina = 0,
    Bagno,
    Camera,
    Sala,
    Giardino,
    Balcone,
    Corridoio,
    Ingresso,
    Ripostiglio
};
inline constexpr int roomPresetCount = 9;

struct RoomPresetInfo
{
    RoomPreset preset;
    const char *name; // also the room's name once applied
    quint32 fillArgb; // floor colour
    int commandId;    // the menu command that applies it
};

// In the dialog's order.
[[nodiscard]] const std::array<RoomPresetInfo, roomPresetCount> &roomPresets();
[[nodiscard]] const RoomPresetInfo &roomPreset(RoomPreset preset);
[[nodiscard]] QString roomPresetName(RoomPreset preset);
[[nodiscard]] std::optional<RoomPreset> presetForCommand(int commandId);
// The preset whose name the text is (case does not matter).
[[nodiscard]] std::optional<RoomPreset> presetNamed(const QString &name);

// The border every new wall gets: hatch fill, grey, black and white, 2 mm,
// shown.
[[nodiscard]] SegmentStyle defaultWallBorder();
// The default border on an existing wall: its description and its doors and
// windows stay.
void applyDefaultBorder(SegmentStyle &segment);

// The preset on the values a room is made of: every wall the default
// border, the floor a solid fill of the preset's colour, the preset's name as
// the room's name.
void applyPreset(std::vector<SegmentStyle> &segments, BrushStyle &fill, QString &name,
                 RoomPreset preset);
void applyPreset(CDrawPoly &room, RoomPreset preset);

// Applies the preset to every room among the objects, after one undo step;
// returns how many rooms changed (none: no step, nothing changed).
int applyPresetToRooms(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, RoomPreset preset);

} // namespace editing
