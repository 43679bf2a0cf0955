#include "editor/tools/wallstyles.h"

#include "editor/tools/roompresets.h"
#include "graphics/hatch.h"
#include "model/cdomoradoc.h"
#include "model/cdrawobj.h"
#include "platform/paths.h"

#include <QCoreApplication>

namespace editing {

namespace {

using graphics::HatchStyle;

struct WallStyleDef
{
    const char *name;
    float width;
    qint32 kind;
    quint32 colour1; // solid colour, or hatch foreground
    quint32 colour2; // hatch background
    HatchStyle hatch;
    const char *texture; // for textures: the library picture's name
};

constexpr quint32 black = 0xFF000000;
constexpr quint32 white = 0xFFFFFFFF;
constexpr float textureScale = 0.05f;

constexpr WallStyleDef styles[wallStyleCount] = {
    {QT_TRANSLATE_NOOP("editing", "Formato predefinito per i muri (Vantorie)"), 2.0f,
     BrushStyle::fillHatch, black, white, HatchStyle::LightDownwardDiagonal, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Muri pieni con sfondo nero"), 2.5f, BrushStyle::fillSolid, black,
     white, HatchStyle::LightDownwardDiagonal, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Muri vuoti con sfondo bianco"), 2.5f, BrushStyle::fillSolid,
     white, black, HatchStyle::LightDownwardDiagonal, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Muro di cinta in mattoni (a colori)"), 4.0f,
     BrushStyle::fillTexture, 0xFF9C4A2E, 0xFFE6C9A8, HatchStyle::HorizontalBrick, "Mattoni"},
    {QT_TRANSLATE_NOOP("editing", "Muro di cinta in mattoni (in bianco e nero)"), 4.0f,
     BrushStyle::fillHatch, black, white, HatchStyle::HorizontalBrick, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Siepe"), 5.0f, BrushStyle::fillHatch, 0xFF1E5A1E, 0xFF6AA84F,
     HatchStyle::LargeConfetti, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Sentiero con i ciottoli (a colori)"), 6.0f,
     BrushStyle::fillTexture, 0xFF7F7A70, 0xFFD8D2C4, HatchStyle::Divot, "Ghiaia"},
    {QT_TRANSLATE_NOOP("editing", "Sentiero con i ciottoli (in bianco e nero)"), 6.0f,
     BrushStyle::fillHatch, black, white, HatchStyle::Divot, nullptr},
    {QT_TRANSLATE_NOOP("editing", "Sentiero lastricato (a colori)"), 6.0f, BrushStyle::fillTexture,
     0xFF6E5E58, 0xFFC9BBB3, HatchStyle::LargeCheckerBoard, "Porfido a cubetti"},
    {QT_TRANSLATE_NOOP("editing", "Sentiero lastricato (in bianco e nero)"), 6.0f,
     BrushStyle::fillHatch, black, white, HatchStyle::SmallGrid, nullptr},
};

bool validIndex(int index)
{
    return index >= 0 && index < wallStyleCount;
}

} // namespace

QString wallStyleName(int index)
{
    return validIndex(index) ? QCoreApplication::translate("editing", styles[index].name)
                             : QString();
}

QString libraryTexture(const QString &name)
{
    return platform::programFolder() + QStringLiteral("Library/Textures e motivi di riempimento/") +
           name + QStringLiteral(".jpg");
}

SegmentStyle wallStyle(int index)
{
    if (index == 0 || !validIndex(index))
        return defaultWallBorder();
    const WallStyleDef &d = styles[index];
    SegmentStyle s;
    s.enabled = 1;
    s.width = d.width;
    s.brush.fillKind = d.kind;
    s.brush.solidColor = d.colour1;
    s.brush.color1 = d.colour1;
    s.brush.color2 = d.colour2;
    s.brush.hatchStyle = static_cast<qint32>(d.hatch);
    if (d.texture) {
        s.brush.texturePath = libraryTexture(QString::fromLatin1(d.texture));
        s.brush.textureScale = textureScale;
    }
    return s;
}

bool applyWallStyle(std::vector<SegmentStyle> &segments, int current, const WallStyleChoice &choice)
{
    if (!validIndex(choice.style))
        return false;
    const SegmentStyle style = wallStyle(choice.style);
    bool changed = false;
    for (size_t i = 0; i < segments.size(); ++i) {
        if (!choice.allWalls && static_cast<int>(i) != current)
            continue;
        SegmentStyle s = segments[i];
        if (choice.alwaysVisible)
            s.enabled = 1;
        if (choice.adaptWidth)
            s.width = style.width;
        if (choice.changeFill)
            s.brush = style.brush;
        if (!(s == segments[i])) {
            segments[i] = std::move(s);
            changed = true;
        }
    }
    return changed;
}

bool applyWallStyle(CDomoraDoc &doc, CDrawObj &object, int current, const WallStyleChoice &choice)
{
    std::vector<SegmentStyle> segments = object.segmentStyles();
    if (!applyWallStyle(segments, current, choice))
        return false;
    doc.CheckPoint();
    object.setSegmentStyles(std::move(segments));
    if (object.document())
        object.Invalidate();
    doc.SetModifiedFlag();
    return true;
}

} // namespace editing
