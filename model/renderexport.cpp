#include "renderexport.h"

#include "graphics/context.h"
#include "graphics/imagewriter.h"
#include "graphics/quality.h"
#include "model/cdomoradoc.h"
#include "model/cdrawtext.h"
#include "model/renderdocument.h"

#include <QCoreApplication>
#include <QPainter>

namespace model {

QImage renderExportImage(CDomoraDoc &doc, int percent, int dpi)
{
    const QSize size = graphics::imagewriter::exportSize(percent);
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    const int dotsPerMetre = static_cast<int>(dpi / 0.0254 + 0.5);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);

    const geokit::Size sheet = doc.paperSize();
    const float sx = sheet.cx > 0 ? static_cast<float>(size.width()) / sheet.cx : 1.0f;
    const float sy = sheet.cy > 0 ? static_cast<float>(size.height()) / sheet.cy : 1.0f;

    const DrawPurposeScope scope(DrawPurpose::Export);
    QPainter painter(&image);
    {
        graphics::Context context(&painter);
        context.applyQualityPreset(graphics::exportQualityPreset);
        context.scaleTransform(sx, sy);
        context.fillRectangle(graphics::Brush::solid(argbFromColorRef(doc.paperColor())),
                              QRectF(0, 0, 2.0 * size.width(), 2.0 * size.height()));
        drawDocument(context, doc, nullptr, false, graphics::exportQualityPreset);
    }
    painter.end();
    // Whatever is still transparent shows black, as on the opaque bitmap.
    QImage opaque(size, QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter over(&opaque);
    over.drawImage(0, 0, image);
    over.end();
    opaque.setDotsPerMeterX(dotsPerMetre);
    opaque.setDotsPerMeterY(dotsPerMetre);
    return opaque;
}

ExportResult exportDocument(CDomoraDoc &doc, const QString &path, int percent, bool trim, int dpi)
{
    renderOptions().performance = graphics::exportQualityPreset;
    ExportResult result;
    QImage image = renderExportImage(doc, percent, dpi);
    if (image.isNull()) {
        result.error = QCoreApplication::translate("model::export",
                                                   "Impossibile creare l'immagine da esportare.");
        return result;
    }
    if (trim)
        image = graphics::imagewriter::trimmed(image);
    const auto format = graphics::imagewriter::formatForPath(path);
    result.ok = graphics::imagewriter::write(image, path, format, dpi, &result.error);
    if (result.ok)
        result.size = image.size();
    return result;
}

} // namespace model
