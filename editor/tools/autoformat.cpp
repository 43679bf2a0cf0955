#include "editor/tools/autoformat.h"

#include "editor/tools/roompresets.h"
#include "editor/tools/wallstyles.h"
#include "graphics/hatch.h"
#include "model/cdomoradoc.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"

#include <QCoreApplication>

namespace editing {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("editing", text);
}

constexpr const char *styleNames[galleryStyleCount] = {
    QT_TRANSLATE_NOOP("editing", "Combinazione predefinita per Printnet"),
    QT_TRANSLATE_NOOP("editing", "Muri pieni, a toni di grigio"),
    QT_TRANSLATE_NOOP("editing", "Muri pieni, a colori"),
    QT_TRANSLATE_NOOP("editing", "Con texture per gli oggetti"),
    QT_TRANSLATE_NOOP("editing", "Metallico"),
    QT_TRANSLATE_NOOP("editing", "Pastello, tonalità di rosso"),
    QT_TRANSLATE_NOOP("editing", "Pastello, tonalità di verde"),
    QT_TRANSLATE_NOOP("editing", "Pastello, tonalità di blu"),
    QT_TRANSLATE_NOOP("editing", "Bandiera italiana"),
    QT_TRANSLATE_NOOP("editing", "Psichedelico"),
    QT_TRANSLATE_NOOP("editing", "Sfumature di colore"),
};

BrushStyle solid(quint32 argb)
{
    return BrushStyle::solid(argb);
}

BrushStyle hatch(graphics::HatchStyle style, quint32 fg, quint32 bg)
{
    BrushStyle b = BrushStyle::solid(fg);
    b.fillKind = BrushStyle::fillHatch;
    b.hatchStyle = static_cast<qint32>(style);
    b.color1 = fg;
    b.color2 = bg;
    return b;
}

BrushStyle gradient(quint32 from, quint32 to, int mode)
{
    BrushStyle b = BrushStyle::solid(from);
    b.fillKind = BrushStyle::fillGradient;
    b.color1 = from;
    b.color2 = to;
    b.gradientMode = mode;
    return b;
}

BrushStyle texture(const char *name)
{
    BrushStyle b = BrushStyle::solid(0xFFFFFFFF);
    b.fillKind = BrushStyle::fillTexture;
    b.texturePath = libraryTexture(QString::fromUtf8(name));
    b.textureScale = 0.05f;
    return b;
}

SegmentStyle wall(const BrushStyle &brush, float width)
{
    SegmentStyle s = defaultWallBorder();
    s.brush = brush;
    s.width = width;
    return s;
}

std::array<BrushStyle, 9> solids(const std::array<quint32, 9> &colours)
{
    std::array<BrushStyle, 9> out;
    for (size_t i = 0; i < colours.size(); ++i)
        out[i] = solid(colours[i]);
    return out;
}

// A pastel style: walls, nine floors and a dark caption colour of one hue.
GalleryStyle pastel(quint32 wallColour, const std::array<quint32, 9> &floors, quint32 caption)
{
    GalleryStyle g;
    g.wall = wall(solid(wallColour), 2.0f);
    g.floors = solids(floors);
    g.others = {g.floors[2], g.floors[3], g.floors[8]};
    g.outline = wallColour;
    g.primitiveFill = g.floors[0];
    g.captionColour = caption;
    return g;
}

void formatWalls(std::vector<SegmentStyle> &segments, const SegmentStyle &style,
                 const AutoFormatOptions &options)
{
    for (SegmentStyle &s : segments) {
        if (options.walls) {
            s.enabled = 1;
            s.width = style.width;
        }
        if (options.patterns) {
            s.brush.fillKind = style.brush.fillKind;
            s.brush.hatchStyle = style.brush.hatchStyle;
            s.brush.gradientMode = style.brush.gradientMode;
            s.brush.texturePath = style.brush.texturePath;
            s.brush.textureAngle = style.brush.textureAngle;
            s.brush.textureScale = style.brush.textureScale;
        }
        if (options.colours) {
            s.brush.solidColor = style.brush.solidColor;
            s.brush.color1 = style.brush.color1;
            s.brush.color2 = style.brush.color2;
        }
    }
}

// Applies the style to one object; true when it changed.
bool formatObject(CDrawObj &object, const GalleryStyle &g, const AutoFormatOptions &options,
                  int &untypedRooms)
{
    bool changed = false;
    const auto setFill = [&](const BrushStyle &fill) {
        if (!(object.fill() == fill)) {
            object.setFill(fill);
            changed = true;
        }
    };
    if (dynamic_cast<CDrawPoly *>(&object) || dynamic_cast<CDrawOpenPath *>(&object)) {
        std::vector<SegmentStyle> segments = object.segmentStyles();
        formatWalls(segments, g.wall, options);
        if (segments != object.segmentStyles()) {
            object.setSegmentStyles(std::move(segments));
            changed = true;
        }
    }
    if (auto *room = dynamic_cast<CDrawPoly *>(&object)) {
        const auto type = presetNamed(room->name());
        if (options.backgrounds) {
            if (type)
                setFill(g.floors[static_cast<size_t>(*type)]);
            else if (!g.others.empty())
                setFill(g.others[static_cast<size_t>(untypedRooms++) % g.others.size()]);
        }
        if (options.captions && type) {
            LabelStyle label = room->label();
            label.text = roomPresetName(*type);
            label.visible = 1;
            label.textBrush = BrushStyle::solid(g.captionColour);
            if (!(label == room->label())) {
                room->setLabel(label);
                changed = true;
            }
        }
    } else if (auto *rect = dynamic_cast<CDrawRect *>(&object)) {
        if (options.colours && rect->stroke().solidColor != g.outline) {
            BrushStyle stroke = rect->stroke();
            stroke.solidColor = g.outline;
            rect->setStroke(stroke);
            changed = true;
        }
        if (options.backgrounds && rect->shape() != CDrawRect::Shape::Line &&
            rect->shape() != CDrawRect::Shape::DimensionLine)
            setFill(g.primitiveFill);
    } else if (auto *text = dynamic_cast<CDrawText *>(&object)) {
        if (options.colours && text->borderColor() != g.outline) {
            text->setBorderColor(g.outline);
            changed = true;
        }
        if (options.backgrounds)
            setFill(g.primitiveFill);
    }
    return changed;
}

} // namespace

std::vector<GalleryGroup> galleryGroups()
{
    return {
        {tr("Stili predefiniti Vantorie"), {0}},
        {tr("Stili classici"), {1, 2}},
        {tr("Stili moderni"), {3, 4}},
        {tr("Stili colorati"), {5, 6, 7, 8, 9, 10}},
    };
}

QString galleryStyleName(int index)
{
    return index >= 0 && index < galleryStyleCount ? tr(styleNames[index]) : QString();
}

GalleryStyle galleryStyle(int index)
{
    using graphics::HatchStyle;
    GalleryStyle g;
    switch (index) {
    case 1:
        g.wall = wall(solid(0xFF404040), 2.5f);
        g.floors = solids({0xFFE0E0E0, 0xFFE8E8E8, 0xFFF0F0F0, 0xFFF5F5F5, 0xFFDCDCDC, 0xFFD0D0D0,
                           0xFFEBEBEB, 0xFFEBEBEB, 0xFFD8D8D8});
        g.others = {solid(0xFFF0F0F0), solid(0xFFE4E4E4), solid(0xFFD8D8D8)};
        g.outline = 0xFF404040;
        g.primitiveFill = solid(0xFFC8C8C8);
        g.captionColour = 0xFF202020;
        return g;
    case 2: {
        g.wall = wall(solid(0xFF5A3C28), 2.5f);
        for (const RoomPresetInfo &p : roomPresets())
            g.floors[static_cast<size_t>(p.preset)] = solid(p.fillArgb);
        g.others = {solid(0xFFF4AECB), solid(0xFFFFFB9D), solid(0xFFB5DEF8)};
        g.outline = 0xFF5A3C28;
        g.primitiveFill = solid(0xFFF5DEB3);
        return g;
    }
    case 3:
        g.wall = wall(hatch(HatchStyle::LightDownwardDiagonal, 0xFF000000, 0xFFFFFFFF), 2.0f);
        g.floors = {texture("Piastrelle a scacchiera"),
                    texture("Mosaico azzurro"),
                    texture("Parquet di rovere a listoni"),
                    texture("Parquet a spina di pesce"),
                    texture("Prato"),
                    texture("Cotto"),
                    texture("Marmo bianco"),
                    texture("Marmo bianco"),
                    texture("Cemento")};
        g.others = {texture("Parquet di noce"), texture("Piastrelle bianche"), texture("Moquette")};
        g.primitiveFill = texture("Doghe in legno per esterni");
        return g;
    case 4: {
        g.wall = wall(gradient(0xFF3C4650, 0xFFAAB4BE, 2), 2.5f);
        const std::array<quint32, 9> lights{0xFFF0F3F6, 0xFFE8EEF4, 0xFFF4F4F4,
                                            0xFFEEF1F4, 0xFFE6ECE6, 0xFFE4E4E4,
                                            0xFFECEFF2, 0xFFECEFF2, 0xFFDCE0E4};
        for (size_t i = 0; i < lights.size(); ++i)
            g.floors[i] = gradient(lights[i], 0xFFB4BCC4, 2);
        g.others = {gradient(0xFFF0F3F6, 0xFFB4BCC4, 2), gradient(0xFFE4E8EC, 0xFFA0A8B0, 3)};
        g.outline = 0xFF3C4650;
        g.primitiveFill = gradient(0xFFE6EAEE, 0xFF9AA4AE, 1);
        g.captionColour = 0xFF1E2832;
        return g;
    }
    case 5:
        return pastel(0xFF9E3B3B,
                      {0xFFF8D7D7, 0xFFFBE3E0, 0xFFF4C2C2, 0xFFFADADD, 0xFFF9E4E4, 0xFFF2CFCB,
                       0xFFFCEDEB, 0xFFFCEDEB, 0xFFEDC4C0},
                      0xFF6B1F1F);
    case 6:
        return pastel(0xFF3B7A4A,
                      {0xFFD7F0DC, 0xFFE3F5E6, 0xFFC8E6C9, 0xFFDCEFD8, 0xFFE8F8E0, 0xFFCDE5CF,
                       0xFFEEF8EF, 0xFFEEF8EF, 0xFFC3DEC6},
                      0xFF1F4D2B);
    case 7:
        return pastel(0xFF34597E,
                      {0xFFD6E6F5, 0xFFE2EEF9, 0xFFC6DAF0, 0xFFDAE8F7, 0xFFE6F1FA, 0xFFCAD9EB,
                       0xFFEDF4FB, 0xFFEDF4FB, 0xFFC1D3E8},
                      0xFF1B3552);
    case 8: {
        constexpr quint32 green = 0xFF009246, white = 0xFFF4F5F0, red = 0xFFCE2B37;
        g.wall = wall(solid(0xFF005C2C), 2.5f);
        g.floors = solids({green, white, red, green, white, red, green, white, red});
        g.others = {solid(green), solid(white), solid(red)};
        g.outline = red;
        g.primitiveFill = solid(white);
        return g;
    }
    case 9:
        g.wall = wall(hatch(HatchStyle::ZigZag, 0xFFFF00FF, 0xFFFFFF00), 3.0f);
        g.floors = solids({0xFFFF00FF, 0xFF00FFFF, 0xFFFFFF00, 0xFFFF6600, 0xFF66FF00, 0xFF9900FF,
                           0xFFFF0066, 0xFF00FF99, 0xFF3366FF});
        g.others = {solid(0xFFFF6600), solid(0xFF00FFFF), solid(0xFFFF00FF)};
        g.outline = 0xFFFF00FF;
        g.primitiveFill = solid(0xFF00FFFF);
        return g;
    case 10: {
        g.wall = wall(solid(0xFF505A6E), 2.0f);
        for (const RoomPresetInfo &p : roomPresets())
            g.floors[static_cast<size_t>(p.preset)] = gradient(p.fillArgb, 0xFFFFFFFF, 1);
        g.others = {gradient(0xFFF4AECB, 0xFFFFFFFF, 1), gradient(0xFFB5DEF8, 0xFFFFFFFF, 1),
                    gradient(0xFFFFFB9D, 0xFFFFFFFF, 1)};
        g.outline = 0xFF505A6E;
        g.primitiveFill = gradient(0xFFE0E8F8, 0xFFFFFFFF, 1);
        return g;
    }
    default: // the Printnet combination: black walls, clean white floors
        g.wall = wall(solid(0xFF000000), 2.0f);
        g.floors = solids({0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFEBFFEE, 0xFFF2F2F2,
                           0xFFFFFFFF, 0xFFFFFFFF, 0xFFF2F2F2});
        g.others = {solid(0xFFFFFFFF)};
        g.primitiveFill = solid(0xFFFFFFFF);
        return g;
    }
}

int applyAutoFormat(CDomoraDoc &doc, int style, const AutoFormatOptions &options)
{
    if (style < 0 || style >= galleryStyleCount)
        return 0;
    const GalleryStyle g = galleryStyle(style);
    // Work on copies first: the undo step is recorded only when something
    // changes, and before the change.
    std::vector<std::unique_ptr<CDrawObj>> formatted;
    std::vector<CDrawObj *> targets;
    int untypedRooms = 0;
    for (const auto &object : doc.objects()) {
        std::unique_ptr<CDrawObj> copy = object->Clone(false);
        if (formatObject(*copy, g, options, untypedRooms)) {
            formatted.push_back(std::move(copy));
            targets.push_back(object.get());
        }
    }
    if (targets.empty())
        return 0;
    doc.CheckPoint();
    for (size_t i = 0; i < targets.size(); ++i) {
        CDrawObj &target = *targets[i];
        target.setSegmentStyles(formatted[i]->segmentStyles());
        target.setFill(formatted[i]->fill());
        target.setLabel(formatted[i]->label());
        if (auto *rect = dynamic_cast<CDrawRect *>(&target))
            rect->setStroke(static_cast<CDrawRect &>(*formatted[i]).stroke());
        if (auto *text = dynamic_cast<CDrawText *>(&target))
            text->setBorderColor(static_cast<CDrawText &>(*formatted[i]).borderColor());
        target.Invalidate();
    }
    doc.SetModifiedFlag();
    return static_cast<int>(targets.size());
}

} // namespace editing
