#include "editor/zoomstate.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Zoom, SheetAtScaleOneIsOnePixelPerMillimetreAndFitWidth)
{
    ZoomState z;
    z.setZoomExtent({210, 297});
    EXPECT_EQ(z.deviceSize(), QSize(210, 297));
    EXPECT_EQ(z.pageStep(), QSize(21, 29));
    EXPECT_EQ(z.lineStep(), QSize(2, 2));
    z.zoomFitSide(true, {800, 600});
    EXPECT_FLOAT_EQ(z.scale(), 800.0f / 210.0f);
    EXPECT_EQ(z.deviceSize().width(), static_cast<int>(210 * (800.0f / 210.0f)));
}

TEST(Zoom, RubberBandLargerSideDecidesBetweenRectAndStep)
{
    ZoomState z;
    z.setZoomExtent({210, 297});
    QPointF centre;
    EXPECT_EQ(z.zoomToRect(QRect(100, 100, 9, 40), {400, 400}, centre),
              ZoomState::RectZoom::ToRect);
    EXPECT_FLOAT_EQ(z.scale(), 401.0f / 40.0f); // the smaller of the two ratios

    ZoomState small;
    small.setZoomExtent({210, 297});
    EXPECT_EQ(small.zoomToRect(QRect(50, 60, 9, 9), {400, 400}, centre),
              ZoomState::RectZoom::ByFactor);
    EXPECT_FLOAT_EQ(small.scale(), 1.25f);
    EXPECT_DOUBLE_EQ(centre.x(), 54.5);
}

TEST(Zoom, CustomEntriesAndRefusals)
{
    EXPECT_EQ(parseCustomZoom(QStringLiteral("+25"), 100), 125);
    EXPECT_EQ(parseCustomZoom(QStringLiteral("  -30 %"), 100), 70);
    EXPECT_EQ(parseCustomZoom(QStringLiteral("150 %"), 100), 150);
    EXPECT_EQ(parseCustomZoom(QStringLiteral("abc"), 100), std::nullopt);
    EXPECT_EQ(parseCustomZoom(QStringLiteral("700"), 100), std::nullopt);
    EXPECT_EQ(parseCustomZoom(QStringLiteral("99999999999999999999"), 100), std::nullopt);
    EXPECT_EQ(customZoomText(1.2599f), QStringLiteral("125 %"));

    ZoomState z;
    z.setZoomScale(*parseCustomZoom(QStringLiteral("15"), 100) * 0.01f);
    EXPECT_FLOAT_EQ(z.scale(), 0.2f); // 15 % shows at 20 %
}

TEST(Zoom, WheelStepsHaveNoLowerClamp)
{
    ZoomState z;
    for (int i = 0; i < 5; ++i)
        z.zoomOutBy(1.25f);
    EXPECT_NEAR(z.scale(), 1.0 / std::pow(1.25, 5), 1e-6);
    EXPECT_LT(z.scale(), ZoomState::minScale * 2);
}

TEST(Zoom, SmallSheetIsCentredAndDoesNotScroll)
{
    ZoomState z;
    z.setZoomExtent({210, 297});
    const QPoint o = z.viewportOrigin({0, 0}, {801, 200});
    EXPECT_EQ(o.x(), (801 - 210) / 2);
    EXPECT_EQ(o.y(), 0);
    EXPECT_EQ(z.viewportOrigin({0, 50}, {801, 200}).y(), -50);
    EXPECT_DOUBLE_EQ(z.toLogical(z.toClient({10, 20}, o), o).x(), 10.0);
}

TEST(Zoom, FitPageKeepsSheetProportions)
{
    ZoomState z;
    z.setZoomExtent({297, 210});
    z.zoomFitPage({600, 600});
    EXPECT_EQ(z.deviceSize(), QSize(600, static_cast<int>(600 / (297.0f / 210.0f))));
}

TEST(PrintMap, PreviewUsesWholePagePrinterDividesBy36)
{
    const PrintMapping preview = printMapping({210, 297}, {2100, 2970}, true);
    EXPECT_EQ(preview.viewportExtent, QSize(2100, 2970));
    EXPECT_EQ(preview.viewportOrigin, QPoint(0, 0));
    // A wider page: the whole width difference goes into the x offset.
    const PrintMapping printer = printMapping({210, 297}, {3600, 3600}, false);
    EXPECT_EQ(printer.viewportExtent, QSize(static_cast<int>(1000 * (210.0f / 297.0f)), 1000));
    EXPECT_EQ(printer.viewportOrigin, QPoint(1000 - printer.viewportExtent.width(), 0));
}
