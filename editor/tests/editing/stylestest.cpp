#include "editinghelpers.h"

#include "editor/tools/autoformat.h"
#include "editor/tools/roompresets.h"
#include "editor/tools/wallstyles.h"
#include "model/cdrawopenpath.h"
#include "model/cdrawrect.h"
#include "model/cdrawtext.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

using namespace editing;
using namespace editingtest;

TEST(WallStyles, TheTenStylesInTheWizardsOrder)
{
    EXPECT_EQ(wallStyleName(0), "Formato predefinito per i muri (Vantorie)");
    EXPECT_EQ(wallStyleName(5), "Siepe");
    EXPECT_EQ(wallStyleName(9), "Sentiero lastricato (in bianco e nero)");
    EXPECT_EQ(wallStyleName(10), "");
    EXPECT_EQ(wallStyle(0), defaultWallBorder());
    for (int i = 0; i < wallStyleCount; ++i) {
        const SegmentStyle s = wallStyle(i);
        EXPECT_EQ(s.enabled, 1) << i;
        EXPECT_GE(s.width, 2.0f) << i;
        if (s.brush.fillKind == BrushStyle::fillTexture) {
            EXPECT_TRUE(s.brush.texturePath.startsWith(platform::programFolder() +
                                                       "Library/Textures e motivi di riempimento/"))
                << i;
        }
    }
    EXPECT_EQ(wallStyle(3).brush.texturePath.section('/', -1), "Mattoni.jpg");
}

TEST(WallStyles, ChoicesDecideWhichWallsAndWhatChanges)
{
    std::vector<SegmentStyle> walls(3);
    walls[1].enabled = 0;
    walls[1].description = QStringLiteral("verso il cortile");
    walls[1].openings = {door(5, 10)};

    // The defaults: every wall takes the style's width, nothing else.
    WallStyleChoice choice;
    choice.style = 4;
    std::vector<SegmentStyle> all = walls;
    ASSERT_TRUE(applyWallStyle(all, 1, choice));
    for (const SegmentStyle &s : all) {
        EXPECT_FLOAT_EQ(s.width, 4.0f);
        EXPECT_EQ(s.brush, SegmentStyle().brush);
    }
    EXPECT_EQ(all[1].enabled, 0);
    EXPECT_EQ(all[1].description, "verso il cortile");
    EXPECT_EQ(all[1].openings.size(), 1u);

    choice.allWalls = false;
    choice.alwaysVisible = true;
    choice.adaptWidth = false;
    choice.changeFill = true;
    std::vector<SegmentStyle> one = walls;
    ASSERT_TRUE(applyWallStyle(one, 1, choice));
    EXPECT_EQ(one[0], walls[0]);
    EXPECT_EQ(one[2], walls[2]);
    EXPECT_EQ(one[1].enabled, 1);
    EXPECT_FLOAT_EQ(one[1].width, 2.0f);
    EXPECT_EQ(one[1].brush.hatchStyle, 39);       // horizontal brick
    EXPECT_FALSE(applyWallStyle(one, 1, choice)); // nothing left to change
}

TEST(WallStyles, AppliedToARoomInOneUndoStep)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    WallStyleChoice choice;
    choice.style = 1;
    choice.changeFill = true;
    ASSERT_TRUE(applyWallStyle(plan.doc, *plan.room, 0, choice));
    EXPECT_EQ(plan.room->segmentStyles()[3].brush.fillKind, BrushStyle::fillSolid);
    ASSERT_TRUE(plan.doc.Undo());
    EXPECT_EQ(plan.doc.objects()[0]->segmentStyles()[3].brush.fillKind, BrushStyle::fillHatch);
}

TEST(AutoFormat, GalleryGroupsAndStyles)
{
    const auto groups = galleryGroups();
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].name, "Stili predefiniti Vantorie");
    EXPECT_EQ(galleryStyleName(groups[0].styles[0]), "Combinazione predefinita per Printnet");
    EXPECT_EQ(groups[3].name, "Stili colorati");
    EXPECT_EQ(galleryStyleName(groups[3].styles.back()), "Sfumature di colore");
    int styles = 0;
    for (const auto &g : groups)
        styles += static_cast<int>(g.styles.size());
    EXPECT_EQ(styles, galleryStyleCount);
}

TEST(AutoFormat, FormatsEveryKindOfObjectInOneStep)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    plan.room->setName(QStringLiteral("Bagno"));
    auto *untyped = static_cast<CDrawPoly *>(
        plan.doc.AddObject(makeRoom(pts({{20, 100}, {60, 100}, {40, 150}}))));
    auto *wall = static_cast<CDrawOpenPath *>(
        plan.doc.AddObject(makeWall(pts({{130, 100}, {180, 100}, {180, 150}}))));
    auto *rect = static_cast<CDrawRect *>(plan.doc.AddObject(
        std::make_unique<CDrawRect>(geokit::Rect{150, 10, 180, 40}, CDrawRect::Shape::Ellipse)));
    auto *text = static_cast<CDrawText *>(
        plan.doc.AddObject(std::make_unique<CDrawText>(geokit::Rect{10, 200, 80, 220})));
    plan.doc.CheckPoint();

    AutoFormatOptions options;
    options.captions = true;
    const int colours = 2; // "Muri pieni, a colori"
    EXPECT_EQ(applyAutoFormat(plan.doc, colours, options), 5);
    const GalleryStyle g = galleryStyle(colours);
    EXPECT_EQ(plan.room->fill(), g.floors[size_t(RoomPreset::Bagno)]);
    EXPECT_EQ(plan.room->fill().solidColor, 0xFFB5DEF8u);
    EXPECT_EQ(untyped->fill(), g.others[0]);
    EXPECT_EQ(plan.room->label().text, "Bagno");
    EXPECT_EQ(plan.room->label().visible, 1);
    EXPECT_EQ(untyped->label().visible, 0); // no type, no caption
    for (const auto *o : {static_cast<CDrawObj *>(plan.room), static_cast<CDrawObj *>(wall)}) {
        for (const SegmentStyle &s : o->segmentStyles()) {
            EXPECT_EQ(s.brush.fillKind, BrushStyle::fillSolid);
            EXPECT_EQ(s.brush.solidColor, 0xFF5A3C28u);
            EXPECT_FLOAT_EQ(s.width, 2.5f);
        }
    }
    EXPECT_EQ(rect->stroke().solidColor, g.outline);
    EXPECT_EQ(rect->fill(), g.primitiveFill);
    EXPECT_EQ(text->borderColor(), g.outline);
    EXPECT_EQ(applyAutoFormat(plan.doc, colours, options), 0); // already formatted

    ASSERT_TRUE(plan.doc.Undo());
    const auto *room = static_cast<const CDrawPoly *>(plan.doc.objects()[0].get());
    EXPECT_EQ(room->fill().solidColor, 0xFFD2B48Cu);
    EXPECT_EQ(room->segmentStyles()[0].brush.fillKind, BrushStyle::fillHatch);
}

TEST(AutoFormat, OptionsLimitWhatChanges)
{
    PlanWithRoom plan({{20, 20}, {120, 20}, {120, 70}, {20, 70}});
    AutoFormatOptions wallsOnly{true, false, false, false, false};
    EXPECT_EQ(applyAutoFormat(plan.doc, 1, wallsOnly), 1);
    const SegmentStyle &s = plan.room->segmentStyles()[0];
    EXPECT_FLOAT_EQ(s.width, 2.5f);
    EXPECT_EQ(s.brush, defaultWallBorder().brush);
    EXPECT_EQ(plan.room->fill().solidColor, 0xFFD2B48Cu);

    AutoFormatOptions nothing{false, false, false, false, false};
    EXPECT_EQ(applyAutoFormat(plan.doc, 9, nothing), 0);
    EXPECT_EQ(applyAutoFormat(plan.doc, galleryStyleCount, AutoFormatOptions()), 0);
}
