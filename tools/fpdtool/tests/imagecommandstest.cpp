#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/tests/sampleplan.h"

#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode;
    QString err;
};

ToolRun runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(FPDTOOL_EXE), args);
    p.waitForFinished(120000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

// A plan on an A4 sheet: one room with a door on its top wall.
struct ImageCommands : ::testing::Test
{
    QTemporaryDir dir;
    QString plan;

    void SetUp() override
    {
        CDomoraDoc doc;
        const std::vector<geokit::PointF> points{{20, 20}, {120, 20}, {120, 100}, {20, 100}};
        auto room = std::make_unique<CDrawPoly>(boundingBox(points));
        room->setPoints(points);
        room->setFresh(0);
        std::vector<SegmentStyle> walls(4);
        Opening door;
        door.offset = 30;
        door.size = 20;
        door.type = 1;
        door.arcKind = 1;
        door.opensInwards = 1;
        walls[0].openings.push_back(door);
        room->setSegmentStyles(walls);
        doc.AddObject(std::move(room));
        plan = path("piano.fpd");
        ASSERT_FALSE(doc.OnSaveDocument(plan).isError());
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ImageCommands, RenderDrawsTheWholeSheet)
{
    const QString out = path("piano.png");
    const ToolRun run = runTool({"render", plan, out, "--dpi", "254"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage img(out);
    ASSERT_EQ(img.size(), QSize(2100, 2970));               // 10 pixels per millimetre
    EXPECT_EQ(img.pixel(700, 600), qRgb(0xD2, 0xB4, 0x8C)); // the floor
    EXPECT_EQ(img.pixel(1500, 1500), qRgb(255, 255, 255));  // the paper
    EXPECT_EQ(img.pixel(600, 210), qRgb(255, 255, 255));    // the door's gap
}

TEST_F(ImageCommands, ExportWritesTheEditorsPicture)
{
    const ToolRun jpeg = runTool({"export", plan, path("piano.fpd.JPG")});
    ASSERT_EQ(jpeg.exitCode, 0) << jpeg.err.toStdString();
    QImageReader jpegReader(path("piano.fpd.JPG"));
    EXPECT_EQ(jpegReader.format(), "jpeg");
    EXPECT_EQ(jpegReader.size(), QSize(567, 378));

    const ToolRun gif = runTool({"export", plan, path("piano.gif"), "--percent", "75", "--trim"});
    ASSERT_EQ(gif.exitCode, 0) << gif.err.toStdString();
    QImageReader gifReader(path("piano.gif"));
    EXPECT_EQ(gifReader.format(), "gif");
    EXPECT_EQ(gifReader.size().width(), 425);
    EXPECT_LT(gifReader.size().height(), 283); // cropped
}

TEST_F(ImageCommands, FailuresAreReportedWithExitStatusOne)
{
    const ToolRun missing = runTool({"render", path("assente.fpd"), path("x.png")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("file non trovato")))
        << missing.err.toStdString();

    const ToolRun badPercent = runTool({"export", plan, path("x.gif"), "--percent", "0"});
    EXPECT_EQ(badPercent.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("x.gif")));

    const ToolRun unwritable =
        runTool({"export", plan, QStringLiteral("/nonexistent-folder/x.gif")});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_FALSE(unwritable.err.isEmpty());

    EXPECT_EQ(runTool({"render", plan}).exitCode, 1); // no output named
}
