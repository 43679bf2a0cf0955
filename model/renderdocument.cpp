#include "renderdocument.h"

#include "graphics/context.h"
#include "model/cdomoradoc.h"
#include "model/cdrawtext.h"

#include <QPainter>

namespace model {

namespace {

constexpr qint64 maxSheetPixels = 100'000'000;

} // namespace

void drawDocument(graphics::Context &context, CDomoraDoc &doc, DocumentView *view, bool printing,
                  int preset)
{
    context.applyQualityPreset(preset);
    doc.Draw(context, view, printing);
}

void renderSheet(QPainter &painter, CDomoraDoc &doc, int preset, DrawPurpose purpose)
{
    const DrawPurposeScope scope(purpose);
    graphics::Context context(&painter);
    if (purpose == DrawPurpose::Print)
        context.setDevice(
            {true, context.device().bitsPerPixel, context.device().dpiX, context.device().dpiY});
    context.fillRectangle(graphics::Brush::solid(argbFromColorRef(doc.paperColor())),
                          QRectF(0, 0, doc.paperSize().cx, doc.paperSize().cy));
    drawDocument(context, doc, nullptr, purpose == DrawPurpose::Print, preset);
}

QImage renderSheetImage(CDomoraDoc &doc, double dpi, int preset)
{
    const double pixelsPerMm = dpi / 25.4;
    const qint64 width = static_cast<qint64>(doc.paperSize().cx * pixelsPerMm + 0.5);
    const qint64 height = static_cast<qint64>(doc.paperSize().cy * pixelsPerMm + 0.5);
    if (width <= 0 || height <= 0 || width * height > maxSheetPixels)
        return {};
    QImage image(static_cast<int>(width), static_cast<int>(height),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    QPainter painter(&image);
    painter.scale(pixelsPerMm, pixelsPerMm);
    renderSheet(painter, doc, preset, DrawPurpose::Export);
    painter.end();
    return image;
}

} // namespace model
