#include "planfixture.h"

#include "editor/planprinter.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::unique_ptr<QPrinter> pdfPrinter(int dpi, QPageLayout::Orientation orientation)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(dpi);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(orientation);
    printer->setFullPage(true);
    return printer;
}

// The sheet fills the page along one side whatever the printer's resolution.
TEST(Printing, SheetFillsThePageAtAnyResolution)
{
    const auto portrait = makePlan(1, CDomoraDoc::normal); // 210 x 297 mm
    for (int dpi : {300, 360, 600, 1200}) {
        const auto printer = pdfPrinter(dpi, QPageLayout::Portrait);
        const QRect page = printer->pageLayout().fullRectPixels(dpi);
        const QRect sheet = planprinter::sheetRectOnPage(*portrait, *printer);
        EXPECT_NEAR(double(sheet.width()) / page.width(), 1.0, 0.01) << dpi;
        EXPECT_NEAR(double(sheet.height()) / page.height(), 1.0, 0.01) << dpi;
    }
    // A landscape sheet on a portrait page keeps its proportions; the whole
    // spare height goes above it.
    const auto landscape = makePlan(1, CDomoraDoc::printnet); // 297 x 210 mm
    const auto printer = pdfPrinter(600, QPageLayout::Portrait);
    const QRect page = printer->pageLayout().fullRectPixels(600);
    const QRect sheet = planprinter::sheetRectOnPage(*landscape, *printer);
    EXPECT_NEAR(sheet.width(), page.width(), page.width() * 0.01);
    EXPECT_NEAR(double(sheet.height()) / sheet.width(), 210.0 / 297.0, 0.01);
    EXPECT_NEAR(sheet.bottom(), page.bottom(), page.height() * 0.01);
    EXPECT_EQ(sheet.left(), 0);
}

TEST(Printing, PlanPrintsToAFile)
{
    QTemporaryDir dir;
    const auto plan = makePlan(12);
    const auto printer = pdfPrinter(300, QPageLayout::Landscape);
    const QString file = dir.filePath(QStringLiteral("pianta.pdf"));
    printer->setOutputFileName(file);
    ASSERT_TRUE(planprinter::printDocument(*plan, *printer));
    EXPECT_GT(QFileInfo(file).size(), 1000);
}

} // namespace
