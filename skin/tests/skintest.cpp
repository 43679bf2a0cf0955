#include "toolkit/mdiframe.h"
#include "toolkit/popupmenu.h"
#include "toolkit/skinabi.h"
#include "toolkit/skinmanager.h"
#include "toolkit/toolbar.h"
#include "toolkit/visualmanager.h"
#include "toolkit/visualmanagerxp.h"

#include <QCoreApplication>
#include <QImage>
#include <QLibrary>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace toolkit;

namespace {

const QString skinsFolder = QStringLiteral(DOMORA_PROGRAM_DIR "/Skins");
const QString skinPath = skinsFolder + QStringLiteral("/libhorizonskin.so");

const QRgb gradientStart = qRgb(0xE1, 0xF5, 0xE1);
const QRgb gradientEnd = qRgb(0xE1, 0xEB, 0xE1);
const QRgb solid = qRgb(0xE1, 0xF0, 0xE1);

// The library's exports, found by name as the skin manager finds them.
class SkinExports : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(library.load()) << library.errorString().toStdString(); }
    template <typename F> F resolve(const char *name)
    {
        auto f = reinterpret_cast<F>(library.resolve(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    QLibrary library{skinPath};
};

QImage fill(VisualManager &look, const BarInfo &bar, bool nonClient, QSize size = {40, 20})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    look.fillBarBackground(painter, bar, image.rect(), image.rect(), nonClient);
    return image;
}

} // namespace

TEST_F(SkinExports, OneLookNamedVantorieHorizonForVersionFiveEight)
{
    EXPECT_EQ(resolve<SkinCountFunction>("BCGCBGetSkinCount")(), 1);
    EXPECT_STREQ(resolve<SkinTextFunction>("BCGCBGetSkinName")(0), "Vantorie Horizon");
    int major = 0, minor = 0;
    EXPECT_EQ(resolve<SkinVersionFunction>("BCGCBGetSkinVersion")(major, minor), 1);
    EXPECT_EQ(major, 5);
    EXPECT_EQ(minor, 8);
    EXPECT_EQ(resolve<SkinUpdateFunction>("BCGCBGetSkinUpdate")(), 1);
    EXPECT_STREQ(resolve<SkinTextFunction>("BCGCBGetSkinAuthorURL")(0), "");
    EXPECT_GT(strlen(resolve<SkinTextFunction>("BCGCBGetSkinAuthor")(0)), 0u);
    EXPECT_NE(strchr(resolve<SkinTextFunction>("BCGCBGetSkinAuthorMail")(0), '@'), nullptr);
    const SkinClass *skinClass = resolve<SkinClassFunction>("BCGCBGetSkinClass")(0);
    ASSERT_NE(skinClass, nullptr);
    EXPECT_STREQ(skinClass->className, "CVantorieHorizon");
}

TEST_F(SkinExports, AnyOtherIndexGivesNothing)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    const auto preview = resolve<SkinPreviewFunction>("BCGCBPreviewSkin");
    for (int index : {1, -1, 7}) {
        EXPECT_EQ(resolve<SkinClassFunction>("BCGCBGetSkinClass")(index), nullptr);
        EXPECT_EQ(resolve<SkinTextFunction>("BCGCBGetSkinName")(index), nullptr);
        EXPECT_EQ(preview(&painter, index, QRect(0, 0, 50, 50)), 0);
    }
    painter.end();
    EXPECT_EQ(image.pixel(25, 25), QColor(Qt::blue).rgb());
}

TEST_F(SkinExports, PreviewIsCutNotScaled)
{
    const auto preview = resolve<SkinPreviewFunction>("BCGCBPreviewSkin");
    QImage full(360, 300, QImage::Format_RGB32);
    full.fill(Qt::magenta);
    QPainter fullPainter(&full);
    fullPainter.setOpacity(1.0);
    EXPECT_EQ(preview(&fullPainter, 0, QRect(0, 0, 360, 300)), 1);
    fullPainter.end();

    QImage small(200, 120, QImage::Format_RGB32);
    small.fill(Qt::magenta);
    QPainter smallPainter(&small);
    smallPainter.setPen(Qt::red);
    EXPECT_EQ(preview(&smallPainter, 0, QRect(20, 10, 100, 80)), 1);
    EXPECT_EQ(smallPainter.pen().color(), QColor(Qt::red)); // the caller's state comes back
    smallPainter.end();

    // The small picture is the top-left corner of the full one, unscaled.
    for (const QPoint p : {QPoint(0, 0), QPoint(50, 40), QPoint(99, 79)})
        EXPECT_EQ(small.pixel(p + QPoint(20, 10)), full.pixel(p)) << p.x() << "," << p.y();
    EXPECT_EQ(small.pixel(121, 50), QColor(Qt::magenta).rgb());
    EXPECT_EQ(small.pixel(50, 91), QColor(Qt::magenta).rgb());
    EXPECT_EQ(small.pixel(19, 9), QColor(Qt::magenta).rgb());
    // The whole picture is a real drawing, not one colour.
    QSet<QRgb> colours;
    for (int y = 0; y < 300; y += 10)
        for (int x = 0; x < 360; x += 10)
            colours.insert(full.pixel(x, y));
    EXPECT_GT(colours.size(), 10);
    EXPECT_FALSE(colours.contains(QColor(Qt::magenta).rgb()));
}

TEST(SkinManagerTest, FindsTheSkinInTheFolderAndLeavesOtherFilesOut)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(skinPath, dir.filePath("libhorizonskin.so")));
    QFile junk(dir.filePath("libjunk.so"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    SkinManager skins(dir.path());
    ASSERT_EQ(skins.skinCount(), 1);
    const SkinInfo info = skins.skins().first();
    EXPECT_EQ(info.name, "Vantorie Horizon");
    EXPECT_EQ(info.versionMajor, 5);
    EXPECT_EQ(info.versionMinor, 8);
    EXPECT_EQ(skins.rejected().size(), 1);
    EXPECT_EQ(skins.findSkin("Vantorie Horizon"), 0);
    EXPECT_EQ(skins.createLook(1), nullptr);
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    EXPECT_FALSE(skins.previewSkin(1, painter, image.rect()));
    EXPECT_TRUE(skins.previewSkin(0, painter, image.rect()));
}

TEST(SkinManagerTest, ActiveSkinFollowsTheLookInForce)
{
    SkinManager skins(skinsFolder);
    ASSERT_TRUE(skins.setActiveSkin(0));
    EXPECT_EQ(skins.activeSkin(), 0);
    EXPECT_EQ(VisualManager::instance()->name(), "Vantorie Horizon");
    VisualManager::setDefaultManager(std::make_unique<VisualManagerXP>());
    EXPECT_EQ(skins.activeSkin(), -1);
    EXPECT_FALSE(skins.setActiveSkin(5));
    ASSERT_TRUE(skins.setActiveSkin(0));
}

TEST(SkinManagerTest, LookOfAGoneManagerIsReplaced)
{
    {
        SkinManager skins(skinsFolder);
        ASSERT_TRUE(skins.setActiveSkin(0));
    }
    EXPECT_EQ(VisualManager::instance()->name(), "Office XP");
}

TEST(VantorieHorizonFill, GradientRunsAlongTheDockingEdgeAndMenusAreFlat)
{
    SkinManager skins(skinsFolder);
    std::unique_ptr<VisualManager> look = skins.createLook(0);
    ASSERT_NE(look, nullptr);

    const QImage top = fill(*look, {BarKind::ToolBar, true, nullptr}, false);
    EXPECT_EQ(top.pixel(0, 0), gradientStart);
    EXPECT_EQ(top.pixel(39, 0), gradientStart);
    EXPECT_EQ(top.pixel(0, 19), gradientEnd);
    EXPECT_EQ(top.pixel(39, 19), gradientEnd);

    const QImage side = fill(*look, {BarKind::ToolBar, false, nullptr}, false);
    EXPECT_EQ(side.pixel(0, 0), gradientStart);
    EXPECT_EQ(side.pixel(0, 19), gradientStart);
    EXPECT_EQ(side.pixel(39, 0), gradientEnd);
    EXPECT_EQ(side.pixel(39, 19), gradientEnd);

    const QImage menuBar = fill(*look, {BarKind::MenuBar, true, nullptr}, false);
    EXPECT_EQ(menuBar.pixel(5, 0), gradientStart);
    EXPECT_EQ(menuBar.pixel(5, 19), gradientEnd);

    for (const QImage &flat : {fill(*look, {BarKind::PopupMenu, false, nullptr}, false),
                               fill(*look, {BarKind::PopupMenu, true, nullptr}, true),
                               fill(*look, {BarKind::ToolBar, true, nullptr}, true)}) {
        for (const QPoint p : {QPoint(0, 0), QPoint(39, 19), QPoint(20, 10)})
            EXPECT_EQ(flat.pixel(p), solid);
    }
}

TEST(VantorieHorizonFill, RealBarsOfAFrameArePaintedThroughTheLook)
{
    SkinManager skins(skinsFolder);
    ASSERT_TRUE(skins.setActiveSkin(0));
    MdiFrame frame;
    frame.commands().add({1, "Uno"});
    ToolBar *top = frame.createToolBar(1001, "In alto", {{1}});
    ToolBar *left = frame.createToolBar(1002, "A sinistra", {{1}});
    frame.dockToolBar(top, Qt::TopToolBarArea);
    frame.dockToolBar(left, Qt::LeftToolBarArea);
    frame.resize(400, 300);
    frame.show();
    QCoreApplication::processEvents();

    // The last column of the top bar and the last row of the side bar lie
    // past every button.
    const QImage topImage = top->grab().toImage();
    const int x = topImage.width() - 1;
    EXPECT_EQ(topImage.pixel(x, 0), gradientStart);
    EXPECT_EQ(topImage.pixel(x, topImage.height() - 1), gradientEnd);

    const QImage sideImage = left->grab().toImage();
    const int y = sideImage.height() - 1;
    EXPECT_EQ(sideImage.pixel(0, y), gradientStart);
    EXPECT_EQ(sideImage.pixel(sideImage.width() - 1, y), gradientEnd);

    PopupMenu menu("Menu", frame.commands());
    menu.addCommand(1);
    menu.addCommand(0);
    menu.addCommand(1);
    menu.resize(menu.sizeHint());
    const QImage menuImage = menu.grab().toImage();
    EXPECT_EQ(menuImage.pixel(menuImage.width() / 2, menuImage.height() - 3), solid);
    EXPECT_EQ(menuImage.pixel(2, menuImage.height() / 2), solid);
    VisualManager::setDefaultManager(nullptr);
}
