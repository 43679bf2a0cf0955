#include "editor/tools/roompresets.h"

#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"

#include <QCoreApplication>

#include <algorithm>

namespace editing {

namespace {

// Command ids of the preset commands (menu "Stanza").
constexpr int cmdCamera = 32993;
constexpr int cmdGiardino = 32996;
constexpr int cmdSala = 32994;
constexpr int cmdCucina = 32992;
constexpr int cmdBagno = 32991;
constexpr int cmdCorridoio = 171;
constexpr int cmdBalcone = 170;
constexpr int cmdRipostiglio = 181;
constexpr int cmdIngresso = 180;

constexpr std::array<RoomPresetInfo, roomPresetCount> presets{{
    {RoomPreset::Cucina, QT_TRANSLATE_NOOP("editing", "Cucina"), 0xFF329632, cmdCucina},
    {RoomPreset::Bagno, QT_TRANSLATE_NOOP("editing", "Bagno"), 0xFFB5DEF8, cmdBagno},
    {RoomPreset::Camera, QT_TRANSLATE_NOOP("editing", "Camera"), 0xFFF4AECB, cmdCamera},
    {RoomPreset::Sala, QT_TRANSLATE_NOOP("editing", "Sala"), 0xFFFFFB9D, cmdSala},
    {RoomPreset::Giardino, QT_TRANSLATE_NOOP("editing", "Giardino"), 0xFFEBFFEE, cmdGiardino},
    {RoomPreset::Balcone, QT_TRANSLATE_NOOP("editing", "Balcone"), 0xFFA27C2B, cmdBalcone},
    {RoomPreset::Corridoio, QT_TRANSLATE_NOOP("editing", "Corridoio"), 0xFFC3C3C2, cmdCorridoio},
    {RoomPreset::Ingresso, QT_TRANSLATE_NOOP("editing", "Ingresso"), 0xFFC3C3C2, cmdIngresso},
    {RoomPreset::Ripostiglio, QT_TRANSLATE_NOOP("editing", "Ripostiglio"), 0xFFC3C3C2,
     cmdRipostiglio},
}};

} // namespace

const std::array<RoomPresetInfo, roomPresetCount> &roomPresets()
{
    return presets;
}

const RoomPresetInfo &roomPreset(RoomPreset preset)
{
    return presets[static_cast<size_t>(preset)];
}

QString roomPresetName(RoomPreset preset)
{
    return QCoreApplication::translate("editing", roomPreset(preset).name);
}

std::optional<RoomPreset> presetForCommand(int commandId)
{
    const auto it = std::find_if(presets.begin(), presets.end(),
                                 [commandId](const auto &p) { return p.commandId == commandId; });
    if (it == presets.end())
        return std::nullopt;
    return it->preset;
}

std::optional<RoomPreset> presetNamed(const QString &name)
{
    const QString wanted = name.trimmed();
    for (const RoomPresetInfo &p : presets) {
        if (wanted.compare(roomPresetName(p.preset), Qt::CaseInsensitive) == 0)
            return p.preset;
    }
    return std::nullopt;
}

SegmentStyle defaultWallBorder()
{
    SegmentStyle s;
    applyDefaultBorder(s);
    return s;
}

void applyDefaultBorder(SegmentStyle &segment)
{
    segment.enabled = 1;
    segment.width = 2.0f;
    segment.highlighted = 0;
    segment.brush = BrushStyle();
    segment.brush.fillKind = BrushStyle::fillHatch;
    segment.brush.solidColor = 0xFF7F7F7F;
    segment.brush.color1 = 0xFF000000;
    segment.brush.color2 = 0xFFFFFFFF;
}

void applyPreset(std::vector<SegmentStyle> &segments, BrushStyle &fill, QString &name,
                 RoomPreset preset)
{
    for (SegmentStyle &s : segments)
        applyDefaultBorder(s);
    const BrushStyle previous = fill;
    fill = BrushStyle::solid(roomPreset(preset).fillArgb);
    // What the other fill kinds would use stays, should the user go back.
    fill.gradientMode = previous.gradientMode;
    fill.hatchStyle = previous.hatchStyle;
    fill.texturePath = previous.texturePath;
    fill.textureAngle = previous.textureAngle;
    fill.textureScale = previous.textureScale;
    name = roomPresetName(preset);
}

void applyPreset(CDrawPoly &room, RoomPreset preset)
{
    std::vector<SegmentStyle> segments = room.segmentStyles();
    BrushStyle fill = room.fill();
    QString name = room.name();
    applyPreset(segments, fill, name, preset);
    room.setSegmentStyles(std::move(segments));
    room.setFill(fill);
    room.setName(name);
}

int applyPresetToRooms(CDomoraDoc &doc, const std::vector<CDrawObj *> &objects, RoomPreset preset)
{
    std::vector<CDrawPoly *> rooms;
    for (CDrawObj *o : objects) {
        if (auto *room = dynamic_cast<CDrawPoly *>(o))
            rooms.push_back(room);
    }
    if (rooms.empty())
        return 0;
    doc.CheckPoint();
    for (CDrawPoly *room : rooms) {
        applyPreset(*room, preset);
        if (room->document())
            room->Invalidate();
    }
    doc.SetModifiedFlag();
    return static_cast<int>(rooms.size());
}

} // namespace editing
