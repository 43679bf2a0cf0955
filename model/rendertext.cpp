#include "rendertext.h"

#include "graphics/context.h"
#include "model/labelstyle.h"
#include "model/renderbrush.h"

namespace model {

namespace {

graphics::StringAlignment alignment(qint32 value)
{
    switch (value) {
    case 1:
        return graphics::StringAlignment::Center;
    case 2:
        return graphics::StringAlignment::Far;
    default:
        return graphics::StringAlignment::Near;
    }
}

} // namespace

graphics::LogFont toGraphicsFont(const LogFont &font)
{
    graphics::LogFont out;
    out.height = font.height;
    out.width = font.width;
    out.escapement = font.escapement;
    out.orientation = font.orientation;
    out.weight = font.weight;
    out.italic = font.italic;
    out.underline = font.underline;
    out.strikeOut = font.strikeOut;
    out.charSet = font.charSet;
    out.outPrecision = font.outPrecision;
    out.clipPrecision = font.clipPrecision;
    out.quality = font.quality;
    out.pitchAndFamily = font.pitchAndFamily;
    out.faceName = font.face();
    return out;
}

graphics::StringFormat stringFormat(const LabelStyle &label)
{
    graphics::StringFormat format;
    format.alignment = alignment(label.align);
    format.lineAlignment = alignment(label.lineAlign);
    format.trimming = label.trimming <= 5 ? static_cast<graphics::StringTrimming>(label.trimming)
                                          : graphics::StringTrimming::None;
    format.noKerning = label.noKerning != 0;
    format.noLigatures = label.noLigatures != 0;
    return format;
}

QString displayText(const LabelStyle &label)
{
    switch (label.textCase) {
    case 0:
        return label.text;
    case 1:
        return label.text.toLower();
    default:
        return label.text.toUpper();
    }
}

QSizeF measureLabel(graphics::Context &context, const LabelStyle &label)
{
    const graphics::Font font(toGraphicsFont(label.font));
    return context.measureString(displayText(label), font, QSizeF(), stringFormat(label));
}

bool labelFits(graphics::Context &context, const LabelStyle &label, const QRectF &layout)
{
    const QSizeF size = measureLabel(context, label);
    return size.width() <= layout.width() && size.height() < layout.height();
}

void drawLabel(graphics::Context &context, const LabelStyle &label, const QRectF &layout,
               graphics::Argb shadowColor)
{
    const QString text = displayText(label);
    if (text.isEmpty())
        return;
    const graphics::Font font(toGraphicsFont(label.font));
    const graphics::StringFormat format = stringFormat(label);
    if (label.shadow)
        context.drawString(text, font, layout.translated(1, 1), format,
                           graphics::Brush::solid(shadowColor));
    if (const auto brush = makeBrush(label.textBrush, layout, context))
        context.drawString(text, font, layout, format, *brush);
}

} // namespace model
