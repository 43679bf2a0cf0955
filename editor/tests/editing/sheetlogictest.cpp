#include "editinghelpers.h"

#include "editor/tools/libraryfolder.h"
#include "editor/tools/segmenttable.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace editing;
using namespace editingtest;

TEST(SegmentTable, OneRowPerWallTheLastClosingTheRoom)
{
    const auto points = pts({{10.2f, 10}, {110, 10}, {110, 60.5f}, {10, 60}});
    std::vector<SegmentStyle> walls(4);
    walls[3].description = QStringLiteral("ingresso");
    const auto rows = segmentRows(points, walls, 0.5, true);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].index, "1 di 4");
    EXPECT_EQ(rows[3].index, "4 di 4");
    EXPECT_EQ(rows[3].description, "ingresso");
    EXPECT_EQ(rows[3].position, "(10, 60) - (10, 10)");
    EXPECT_EQ(rows[3].sheetLength, "50.00");
    EXPECT_EQ(rows[3].realLength, "25.00");
    EXPECT_EQ(rows[0].sheetLength, "99.80");

    const auto open = segmentRows(points, walls, 0.5, false);
    ASSERT_EQ(open.size(), 3u);
    EXPECT_EQ(open[2].index, "3 di 3");
    EXPECT_EQ(formatLength(1.5), " 1.50");
}

TEST(SegmentTable, SwitchingTheWidthUnitAndBack)
{
    const double scale = 0.5;
    const double metres = convertWidth(20, WidthUnit::SheetMm, WidthUnit::RealM, scale);
    EXPECT_EQ(formatLength(metres), "10.00");
    EXPECT_EQ(formatLength(convertWidth(metres, WidthUnit::RealM, WidthUnit::SheetMm, scale)),
              "20.00");
    EXPECT_DOUBLE_EQ(widthFromUnit(3, WidthUnit::RealM, 0.02), 150);
    EXPECT_DOUBLE_EQ(widthInUnit(2, WidthUnit::SheetMm, 0.02), 2);
}

TEST(SegmentDialog, RotatingTheEndVertexTwiceBy180RestoresIt)
{
    const geokit::Point start{20, 30}, end{70, 42};
    const geokit::Point once = rotateSegmentEnd(start, end, 180);
    EXPECT_EQ(once, (geokit::Point{-30, 18}));
    EXPECT_EQ(rotateSegmentEnd(start, once, 180), end);
    EXPECT_EQ(rotateSegmentEnd(start, {70, 30}, 90), (geokit::Point{20, 80}));
    EXPECT_EQ(segmentEndAtLength(start, {70, 30}, 25), (geokit::Point{45, 30}));
}

TEST(SegmentDialog, AVertexMoveMustLeaveTheDoorsOnTheirWalls)
{
    const auto points = pts({{0, 0}, {100, 0}, {100, 50}, {0, 50}});
    std::vector<SegmentStyle> walls(4);
    walls[0].openings = {door(60, 30)};
    EXPECT_TRUE(openingsFitAfterMove(points, walls, 1, {95, 0}, true));
    EXPECT_FALSE(openingsFitAfterMove(points, walls, 1, {85, 0}, true));
    EXPECT_FALSE(openingsFitAfterMove(points, walls, 0, {20, 0}, true));
    walls[3].openings = {door(0, 45)};
    EXPECT_FALSE(openingsFitAfterMove(points, walls, 0, {0, 10}, true));
    EXPECT_TRUE(openingsFitAfterMove(points, walls, 0, {0, 10}, false)); // no closing wall
}

class LibraryFolders : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    void touch(const QString &relative)
    {
        QDir().mkpath(QFileInfo(path(relative)).path());
        QFile f(path(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir m_dir;
};

TEST_F(LibraryFolders, PicturesListedInExtensionOrder)
{
    for (const char *name : {"b.png", "a.png", "z.BMP", "c.jpeg", "d.jpg", "e.tiff", "f.tif",
                             "g.gif", "notes.txt", "h.exif", "i.wmf", "j.emf", ".hidden.bmp"})
        touch(QString::fromLatin1(name));
    QDir().mkpath(path("cartella.bmp"));
    EXPECT_EQ(scanPictures(m_dir.path()),
              (QStringList{"z.BMP", "j.emf", "i.wmf", "a.png", "b.png", "d.jpg", "c.jpeg", "g.gif",
                           "f.tif", "e.tiff", "h.exif"}));
    EXPECT_TRUE(scanPictures(path("vuota")).isEmpty());
}

TEST_F(LibraryFolders, TreeOfTheFolderAndItsSubfolders)
{
    touch("Simboli/Frecce/nord.png");
    touch("Simboli/Impianti/presa.png");
    touch("Simboli/sparso.png");
    QDir().mkpath(path("Simboli/Frecce/Grandi"));
    const LibraryFolder tree = libraryTree(path("Simboli"));
    EXPECT_EQ(tree.name, "Simboli");
    ASSERT_EQ(tree.children.size(), 2u);
    EXPECT_EQ(tree.children[0].name, "Frecce");
    EXPECT_EQ(tree.children[0].children.size(), 1u);
    EXPECT_EQ(tree.children[1].path, path("Simboli/Impianti"));

    const LibraryFolder missing = libraryTree(path("Nessuna"));
    EXPECT_EQ(missing.name, "Nessuna");
    EXPECT_TRUE(missing.children.empty());
}

TEST_F(LibraryFolders, PictureSizeAndResolution)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(20000); // 508 dpi
    image.setDotsPerMeterY(3937);  // 99.9998 dpi
    ASSERT_TRUE(image.save(path("quadro.png")));
    const PictureInfo info = pictureInfo(path("quadro.png"));
    EXPECT_EQ(info.width, 40);
    EXPECT_EQ(info.height, 30);
    EXPECT_EQ(resolutionText(info.dpiX), "508");
    EXPECT_EQ(resolutionText(info.dpiY), "100");
    touch("rotta.png");
    EXPECT_EQ(pictureInfo(path("rotta.png")).width, 0);
}
