#include "model/cdomoradoc.h"
#include "model/cdrawpoly.h"
#include "model/cdrawrect.h"
#include "model/renderexport.h"
#include "model/renderoptions.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An A4 sheet whose left half is a red box.
struct ExportFixture : ::testing::Test
{
    CDomoraDoc doc;
    QTemporaryDir dir;

    void SetUp() override
    {
        auto box =
            std::make_unique<CDrawRect>(geokit::Rect(0, 0, 105, 297), CDrawRect::Shape::Rectangle);
        box->setFill(BrushStyle::solid(0xFFFF0000));
        box->setOutlined(0);
        doc.AddObject(std::move(box));
    }
    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(ExportFixture, SizesAreFractionsOfTheTenByFifteenPhotograph)
{
    const std::pair<int, QSize> cases[] = {{100, {567, 378}}, {75, {425, 283}}, {1, {5, 3}}};
    for (const auto &[percent, size] : cases) {
        const QString file = path("plan.gif");
        const model::ExportResult result = model::exportDocument(doc, file, percent, false, 300);
        ASSERT_TRUE(result.ok) << result.error.toStdString();
        EXPECT_EQ(QImageReader(file).size(), size) << percent;
    }
}

TEST_F(ExportFixture, SheetIsStretchedToTheFrame)
{
    // 210 mm become 567 pixels: the red half ends at x = 283.
    const QImage img = model::renderExportImage(doc, 100, 300);
    EXPECT_EQ(img.pixel(270, 200), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(300, 200), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(270, 377), qRgb(255, 0, 0));
    EXPECT_NEAR(img.dotsPerMeterX() * 0.0254, 300, 1);
}

TEST_F(ExportFixture, FormatFollowsTheNameAndTheQualityPresetStaysAtFive)
{
    model::renderOptions().performance = 3;
    ASSERT_TRUE(model::exportDocument(doc, path("a.fpd.JPG"), 50, false, 300).ok);
    EXPECT_EQ(QImageReader(path("a.fpd.JPG")).format(), "jpeg");
    EXPECT_EQ(model::renderOptions().performance, 5);
    ASSERT_TRUE(model::exportDocument(doc, path("senza-estensione"), 50, false, 300).ok);
    EXPECT_EQ(QImageReader(path("senza-estensione")).format(), "gif");
}

TEST_F(ExportFixture, TrimCropsAtTheFirstDrawnRowCountedBottomUp)
{
    // Rows count from the bottom line; the walk starts at the top line and
    // the first row with a drawn pixel says how many top lines are kept.
    CDomoraDoc middle;
    auto band =
        std::make_unique<CDrawRect>(geokit::Rect(20, 99, 100, 198), CDrawRect::Shape::Rectangle);
    band->setFill(BrushStyle::solid(0xFFFF0000));
    band->setOutlined(0);
    middle.AddObject(std::move(band));
    const model::ExportResult result = model::exportDocument(middle, path("t.gif"), 100, true, 300);
    ASSERT_TRUE(result.ok);
    // The band starts 126 lines from the top, which is row 251 from the bottom.
    EXPECT_EQ(result.size.width(), 567);
    EXPECT_NEAR(result.size.height(), 251, 1);
}

TEST_F(ExportFixture, FailedSaveIsReported)
{
    const model::ExportResult result =
        model::exportDocument(doc, QStringLiteral("/nonexistent-folder/plan.gif"), 100, false, 300);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
}
