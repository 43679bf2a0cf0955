#include "renderbrush.h"

#include "graphics/context.h"
#include "graphics/hatch.h"
#include "model/brushstyle.h"
#include "model/coordinates.h"
#include "model/segmentstyle.h"
#include "platform/paths.h"

#include <QFileInfo>

#include <algorithm>

namespace model {

namespace {

constexpr graphics::Argb highlightRed = 0xFFFF0000;
constexpr graphics::Argb white = 0xFFFFFFFF;
constexpr int defaultHatch = 18;

} // namespace

QString resolveTexturePath(const QString &texturePath)
{
    if (texturePath.isEmpty() || QFileInfo::exists(texturePath))
        return texturePath;
    QString portable = texturePath;
    portable.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const qsizetype library = portable.indexOf(QLatin1String("Library/"), 0, Qt::CaseInsensitive);
    if (library < 0)
        return portable;
    const QString inLibrary = portable.mid(library);
    QString path = platform::programFolder();
    for (const QString &part : inLibrary.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        path = platform::resolveCaseInsensitive(path, part) + QLatin1Char('/');
    path.chop(1);
    return path;
}

std::optional<graphics::Brush> makeBrush(const BrushStyle &style, const QRectF &bounds,
                                         graphics::Context &context)
{
    switch (style.fillKind) {
    case BrushStyle::fillNone:
        return graphics::Brush::solid(0x00000000);
    case BrushStyle::fillSolid:
        return graphics::Brush::solid(style.solidColor);
    case BrushStyle::fillGradient: {
        if (style.gradientMode < 0 || style.gradientMode > 3 || bounds.isEmpty()) {
            context.setLastStatus(graphics::Status::InvalidParameter);
            return std::nullopt;
        }
        return graphics::Brush::linearGradient(
            bounds, style.color1, style.color2,
            static_cast<graphics::LinearGradientMode>(style.gradientMode));
    }
    case BrushStyle::fillTexture: {
        const QImage image = context.loadImage(resolveTexturePath(style.texturePath));
        if (image.isNull())
            return std::nullopt;
        graphics::Brush brush = graphics::Brush::texture(image);
        brush.scaleTransform(style.textureScale, style.textureScale);
        brush.rotateTransform(style.textureAngle);
        if (!brush.isValid()) {
            context.setLastStatus(graphics::Status::InvalidParameter);
            return std::nullopt;
        }
        return brush;
    }
    case BrushStyle::fillHatch:
        if (!graphics::isValidHatchStyle(style.hatchStyle)) {
            context.setLastStatus(graphics::Status::InvalidParameter);
            return std::nullopt;
        }
        return graphics::Brush::hatch(style.hatchStyle, style.color1, style.color2);
    default:
        return std::nullopt;
    }
}

double wallPenWidth(float wallWidthMm)
{
    // A damaged file may hold any width; no wall is wider than the sheet can be.
    return std::clamp(truncToInt(static_cast<double>(wallWidthMm) + 0.4), 0, maxCoordinateMm);
}

graphics::Pen wallPen(const SegmentStyle &segment, const QRectF &bounds, graphics::Context &context)
{
    const BrushStyle &style = segment.brush;
    double width = wallPenWidth(segment.width);
    graphics::Pen pen(style.fillKind == BrushStyle::fillSolid ? style.solidColor : style.color1,
                      width);
    if (segment.highlighted) {
        const int hatch =
            graphics::isValidHatchStyle(style.hatchStyle) ? style.hatchStyle : defaultHatch;
        pen.setBrush(graphics::Brush::hatch(hatch, highlightRed, white));
        width += 0.6;
    } else if (const auto brush = makeBrush(style, bounds, context)) {
        pen.setBrush(*brush);
    }
    pen.setWidth(width);
    pen.setLineCap(graphics::LineCap::Square, graphics::LineCap::Square);
    pen.setAlignment(graphics::PenAlignment::Inset);
    return pen;
}

} // namespace model
