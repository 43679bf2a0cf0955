#include "graphics/imagewriter.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace graphics::imagewriter;

TEST(ImageExport, SizesAreFractionsOfThePhotograph)
{
    EXPECT_EQ(exportSize(100), QSize(567, 378));
    EXPECT_EQ(exportSize(75), QSize(425, 283));
    EXPECT_EQ(exportSize(1), QSize(5, 3));
}

TEST(ImageExport, FormatFollowsLowerCasedExtension)
{
    EXPECT_EQ(formatForPath(QStringLiteral("/a/b.JPG")), Format::Jpeg);
    EXPECT_EQ(formatForPath(QStringLiteral("a.fpd.jpg")), Format::Jpeg);
    EXPECT_EQ(formatForPath(QStringLiteral("a.jpeg")), Format::Gif); // "jpeg" has no "jpg"
    EXPECT_EQ(formatForPath(QStringLiteral("a.gif")), Format::Gif);
    EXPECT_EQ(formatForPath(QStringLiteral("senza")), Format::Gif);
}

TEST(ImageExport, TrimKeepsTopRowsUpToFirstNonEmptyRowCountedFromBottom)
{
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(5, 3, qRgb(200, 30, 30)); // top-down line 3 = bottom-up row 6
    const QImage t = trimmed(img);
    EXPECT_EQ(t.size(), QSize(20, 6));

    QImage grey(20, 10, QImage::Format_RGB32);
    grey.fill(qRgb(128, 128, 128)); // greys and bluish pixels count as empty
    grey.setPixel(2, 2, qRgb(10, 10, 250));
    EXPECT_EQ(trimmed(grey).size(), grey.size());
}

TEST(ImageExport, GifAndJpegFilesReadBackWithTheirFormat)
{
    QTemporaryDir dir;
    QImage img(exportSize(100), QImage::Format_ARGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.fillRect(100, 100, 200, 100, QColor(30, 120, 200));
    p.end();

    const QString gif = dir.filePath(QStringLiteral("plan.gif"));
    ASSERT_TRUE(write(img, gif, formatForPath(gif), 300));
    QImageReader gifReader(gif);
    EXPECT_EQ(gifReader.format(), "gif");
    const QImage gifBack = gifReader.read();
    ASSERT_EQ(gifBack.size(), QSize(567, 378));
    EXPECT_EQ(gifBack.pixelColor(150, 150), QColor(30, 120, 200));
    EXPECT_EQ(gifBack.pixelColor(10, 10), QColor(Qt::white));

    const QString jpg = dir.filePath(QStringLiteral("plan.JPG"));
    ASSERT_TRUE(write(img, jpg, formatForPath(jpg), 300));
    QImageReader jpgReader(jpg);
    EXPECT_EQ(jpgReader.format(), "jpeg");
    const QImage jpgBack = jpgReader.read();
    EXPECT_EQ(jpgBack.size(), QSize(567, 378));
    EXPECT_NEAR(jpgBack.dotsPerMeterX() * 0.0254, 300.0, 1.0);
}

TEST(ImageExport, FailedSaveIsReported)
{
    QImage img(10, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    QString error;
    EXPECT_FALSE(write(img, QStringLiteral("/nonexistent-folder/x.gif"), Format::Gif, 300, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(
        write(img, QStringLiteral("/nonexistent-folder/x.jpg"), Format::Jpeg, 300, &error));
}
