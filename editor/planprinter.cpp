#include "editor/planprinter.h"

#include "editor/editoroptions.h"
#include "editor/gridguides.h"
#include "editor/zoomstate.h"
#include "graphics/context.h"
#include "model/cdomoradoc.h"
#include "model/renderdocument.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace planprinter {

QRect sheetRectOnPage(const CDomoraDoc &doc, const QPrinter &printer)
{
    const geokit::Size sheet = doc.paperSize();
    const QRect page = printer.pageLayout().fullRectPixels(printer.resolution());
    // Printer pixels to hundredths of an inch: 3.6 at 360 dpi.
    const double divisor = printer.resolution() / 100.0;
    const PrintMapping m = printMapping({sheet.cx, sheet.cy}, page.size(), divisor);
    return QRect(
        QPointF(m.viewportOrigin.x() * divisor, m.viewportOrigin.y() * divisor).toPoint(),
        QSizeF(m.viewportExtent.width() * divisor, m.viewportExtent.height() * divisor).toSize());
}

bool printDocument(CDomoraDoc &doc, QPrinter &printer, const GridGuideSettings *grid)
{
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect target = sheetRectOnPage(doc, printer);
    const geokit::Size sheet = doc.paperSize();
    painter.translate(target.topLeft());
    painter.scale(double(target.width()) / sheet.cx, double(target.height()) / sheet.cy);
    const QRectF sheetMm(0, 0, sheet.cx, sheet.cy);
    const quint32 paper = doc.paperColor();
    if ((paper & 0xFFFFFF) != 0xFFFFFF)
        painter.fillRect(sheetMm, QColor(int(paper & 0xFF), int((paper >> 8) & 0xFF),
                                         int((paper >> 16) & 0xFF)));
    if (grid && grid->printGrid)
        drawGridAndGuides(painter, doc, *grid, sheetMm, double(target.width()) / sheet.cx, true,
                          false);
    {
        const model::DrawPurposeScope scope(model::DrawPurpose::Print);
        graphics::Context g(&painter);
        graphics::DeviceInfo device;
        device.printer = printer.outputFormat() == QPrinter::NativeFormat;
        device.dpiX = device.dpiY = printer.resolution();
        g.setDevice(device);
        model::drawDocument(g, doc, nullptr, true, editorOptions().Performance);
    }
    painter.end();
    return true;
}

void drawGridAndGuides(QPainter &painter, const CDomoraDoc &doc, const GridGuideSettings &grid,
                       const QRectF &visibleMm, double pixelsPerMm, bool withGrid, bool withGuides)
{
    const geokit::Size sheet = doc.paperSize();
    const QRectF area = visibleMm.intersected(QRectF(0, 0, sheet.cx, sheet.cy));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double spacing = std::max(1, grid.spacingMm);
    // Too dense a grid says nothing: thin it out until cells are 4 pixels.
    int every = 1;
    while (spacing * every * pixelsPerMm < 4.0 && every < 1000)
        every *= 2;
    const double step = spacing * every;
    const int firstX = int(std::ceil(area.left() / step));
    const int lastX = int(std::floor(area.right() / step));
    const int firstY = int(std::ceil(area.top() / step));
    const int lastY = int(std::floor(area.bottom() / step));
    if (withGrid && grid.showGrid && !area.isEmpty()) {
        if (grid.gridAsDots) {
            QPen pen(QColor::fromRgb(grid.lineColour), 0);
            pen.setCosmetic(true);
            pen.setWidthF(std::clamp(pixelsPerMm * 0.3, 1.0, 3.0));
            painter.setPen(pen);
            for (int i = firstX; i <= lastX; ++i)
                for (int j = firstY; j <= lastY; ++j)
                    painter.drawPoint(QPointF(i * step, j * step));
        } else {
            QPen minor(QColor::fromRgb(grid.gridColour), 0, penStyleAt(grid.gridPenStyle));
            minor.setCosmetic(true);
            QPen major(QColor::fromRgb(grid.lineColour), 0, penStyleAt(grid.gridPenStyle));
            major.setCosmetic(true);
            const int majorEvery = std::max(1, grid.majorEvery);
            for (int i = firstX; i <= lastX; ++i) {
                painter.setPen((i * every) % majorEvery == 0 ? major : minor);
                painter.drawLine(QPointF(i * step, area.top()), QPointF(i * step, area.bottom()));
            }
            for (int j = firstY; j <= lastY; ++j) {
                painter.setPen((j * every) % majorEvery == 0 ? major : minor);
                painter.drawLine(QPointF(area.left(), j * step), QPointF(area.right(), j * step));
            }
        }
    }
    if (withGuides && grid.showGuides) {
        QPen pen(QColor::fromRgb(grid.guideColour), grid.guideWidthTenthsMm / 10.0,
                 penStyleAt(grid.guidePenStyle));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(doc.borderLeft(), doc.borderTop(),
                                sheet.cx - doc.borderLeft() - doc.borderRight(),
                                sheet.cy - doc.borderTop() - doc.borderBottom()));
    }
    painter.restore();
}

} // namespace planprinter
